#include <QtTest>

#include "editing_support.h"

using namespace verstak;
using namespace verstak::editing;

// A whole editing session as a user goes through it: a small scanword
// marked up with keys and the mouse, its clue texts typed and stepped
// through, and back to the palette.
class EditingSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void buildAScanwordAndItsClues() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 4, 3);
    QWidget* keys = &f.Bar1();
    auto* view = &f.main.gridView();

    Type(keys, QStringLiteral("s"));
    ClickCell(f, 1, 1);
    Type(keys, QStringLiteral("1"));
    ClickCell(f, 2, 1);
    Type(keys, QStringLiteral("2"));
    ClickCell(f, 2, 1);
    Type(keys, QStringLiteral("ф"));
    ClickCell(f, 3, 1);
    Type(keys, QStringLiteral("Я"));
    QTest::mousePress(view, Qt::RightButton, Qt::NoModifier, CellMiddle(f, 4, 1));
    QTest::mouseMove(view, CellMiddle(f, 4, 2));
    QTest::mouseRelease(view, Qt::RightButton, Qt::NoModifier, CellMiddle(f, 4, 2));
    Type(keys, QStringLiteral("2"));
    ClickCell(f, 1, 2);
    ChooseTool(f, 18);
    ClickCell(f, 1, 2);
    Type(keys, QStringLiteral("В"));
    ClickCell(f, 1, 3);
    Type(keys, QStringLiteral("4"));
    ClickCell(f, 2, 3);
    Type(keys, QStringLiteral("2"));
    ClickCell(f, 2, 3);
    ChooseTool(f, 25);
    ClickCell(f, 3, 3);
    Type(keys, QStringLiteral(" "));
    ClickCell(f, 4, 2);
    ChooseTool(f, 22);
    ClickCell(f, 4, 3);

    // Slots in reading order: (1,1) takes 1 and 2, (3,1) 3, (1,3) 4 and 5, (3,3) 6.
    QTest::mouseClick(Button(f, "Button6"), Qt::LeftButton);
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Мало определений!"});
    QWidget* memo = &f.main.memo();
    Type(memo, QStringLiteral("Столица\nРоссии"));
    QTest::keyClick(memo, Qt::Key_PageDown);
    QCOMPARE(f.editor.selectedHalf, 2);
    Type(memo, QStringLiteral("Река в Сибири"));
    Type(&f.Bar1(), QStringLiteral("'"));  // the step key, from a scroll bar
    QCOMPARE(f.editor.cursorX, 3);
    Type(memo, QStringLiteral("Озеро Loch Ness"));
    QTest::mouseClick(Button(f, "SpeedButton26"), Qt::LeftButton);
    QCOMPARE(QPoint(f.editor.cursorX, f.editor.cursorY), QPoint(1, 3));
    QCOMPARE(f.main.focusWidget(), memo);  // the step buttons leave the keyboard with the memo
    Type(memo, QStringLiteral("Вверх"));
    QTest::keyClick(memo, Qt::Key_PageDown);
    Type(memo, QStringLiteral("Вниз"));
    QTest::keyClick(memo, Qt::Key_PageDown);
    QCOMPARE(QPoint(f.editor.cursorX, f.editor.cursorY), QPoint(3, 3));
    Type(memo, QStringLiteral("Половина"));
    QTest::keyClick(memo, Qt::Key_PageDown);
    QCOMPARE(QPoint(f.editor.cursorX, f.editor.cursorY), QPoint(1, 1));
    QCOMPARE(MemoText(f), QStringLiteral("Столица\nРоссии\n"));
    Type(&f.Bar1(), QStringLiteral("%"));
    QCOMPARE(MemoText(f), QStringLiteral("Половина\n"));
    QTest::mouseClick(Button(f, "Button11"), Qt::LeftButton);

    const struct {
      int x;
      int y;
      CellKind kind;
      int overlay;
    } expected[] = {
        {1, 1, CellKind::ClueSplitHorizontal, 0},
        {2, 1, CellKind::ArrowFromLeftRight, 2},
        {3, 1, CellKind::Clue, 0},
        {4, 1, CellKind::Picture, 0},
        {1, 2, CellKind::ArrowFromTopDown, 18},
        {2, 2, CellKind::Letter, 0},
        {3, 2, CellKind::Letter, 0},
        {4, 2, CellKind::Letter, 0},
        {1, 3, CellKind::ClueSplitVertical, 0},
        {2, 3, CellKind::ArrowFromTopRight, 2},
        {3, 3, CellKind::ClueHalfTop, 0},
        {4, 3, CellKind::BarTop, 0},
    };
    for (const auto& e : expected) {
      QCOMPARE(f.document.cells.at(e.x, e.y), (GridCell{e.kind, static_cast<std::uint8_t>(e.overlay)}));
    }
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Столица"));
    QCOMPARE(SlotLine(f, 1, 2), QStringLiteral("России"));
    QCOMPARE(SlotLine(f, 2), QStringLiteral("Река в Сибири"));
    QCOMPARE(SlotLine(f, 3), QStringLiteral("Озеро Loch Ness"));
    QCOMPARE(SlotLine(f, 4), QStringLiteral("Вверх"));
    QCOMPARE(SlotLine(f, 5), QStringLiteral("Вниз"));
    QCOMPARE(SlotLine(f, 6), QStringLiteral("Половина"));
    QCOMPARE(f.document.definitions.lastSlotWithText(), 6);
    QCOMPARE(f.editor.currentTool, 23);
    QCOMPARE(f.editor.mode, EditorMode::Idle);
    QVERIFY(f.session.modified());

    // The check now finds a text for every clue.
    QTest::mouseClick(Button(f, "Button6"), Qt::LeftButton);
    QCOMPARE(f.prompter.texts().back(), std::string("Все правильно!"));
    QTest::mouseClick(Button(f, "Button11"), Qt::LeftButton);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Столица"));
  }
};

QTEST_MAIN(EditingSessionTest)
#include "editing_session_test.moc"
