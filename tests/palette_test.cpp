#include <QButtonGroup>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>
#include <vector>

#include "cell_probes.h"
#include "editing_support.h"
#include "editor/tool_palette.h"

using namespace verstak;
using namespace verstak::editing;
using namespace verstak::probes;

namespace {

// One stroke of a palette session: choose the tool of `button`, click cell (x, y).
struct Stroke {
  int button;
  int x;
  int y;
};
using Strokes = std::vector<Stroke>;

QImage ButtonPicture(QAbstractButton* button) { return button->grab().toImage(); }

}  // namespace

Q_DECLARE_METATYPE(Strokes)

class PaletteTest : public QObject {
  Q_OBJECT

 private slots:
  // Places, pictures and key labels are in the window's reference image;
  // here what a picture cannot show.
  void buttonsAreTwoStateAndLeaveTheFocus() {
    ProgramFixture f;
    QVERIFY(f.Start());
    for (int button = 1; button <= 25; ++button) {
      QAbstractButton* b = PaletteButton(f, button);
      QVERIFY(b);
      QCOMPARE(b->parentWidget(), &f.main.leftPanel());
      QVERIFY(b->isCheckable());
      QCOMPARE(b->isChecked(), button == 23);
      QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }
  }

  // Each tooltip names a tool; where it names a key, typing that key picks
  // the very tool of the button.
  void tooltipsNameTheToolAndItsKey() {
    ProgramFixture f;
    QVERIFY(f.Start());
    int withKeys = 0;
    for (int button = 1; button <= 25; ++button) {
      const QString tip = PaletteButton(f, button)->toolTip();
      QVERIFY2(!tip.isEmpty(), qPrintable(QString::number(button)));
      const QRegularExpressionMatch key = QRegularExpression(QStringLiteral("\\(клавиша (.+)\\)$")).match(tip);
      if (!key.hasMatch()) continue;
      ++withKeys;
      const QString typed = key.captured(1) == QStringLiteral("пробел") ? QStringLiteral(" ") : key.captured(1);
      ChooseTool(f, button == 23 ? 1 : 23);
      f.Bar1().setFocus();
      QTest::sendKeyEvent(QTest::Click, &f.Bar1(), Qt::Key_unknown, typed.toLower(), Qt::NoModifier);
      QCOMPARE(f.editor.currentTool, button == 15 ? 0 : button);
    }
    QCOMPARE(withKeys, 19);
  }

  // Exactly one button is down; pressing the one that is down leaves it down.
  void oneExclusiveGroup() {
    ProgramFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.editor.currentTool, 23);
    ChooseTool(f, 5);
    QCOMPARE(f.editor.currentTool, 5);
    QVERIFY(PaletteButton(f, 5)->isChecked());
    QVERIFY(!PaletteButton(f, 23)->isChecked());
    ChooseTool(f, 5);
    QVERIFY(PaletteButton(f, 5)->isChecked());
    ChooseTool(f, 15);
    QCOMPARE(f.editor.currentTool, 0);
    int down = 0;
    for (int n = 1; n <= 25; ++n) down += PaletteButton(f, n)->isChecked() ? 1 : 0;
    QCOMPARE(down, 1);
    // The keyboard stays with the scroll bar where the one-key commands are typed.
    QCOMPARE(f.main.focusWidget(), &f.Bar1());
  }

  // A new grid starts with tool 23, and its button shows it.
  void aNewGridPutsThePictureToolDown() {
    ProgramFixture f;
    QVERIFY(f.Start());
    ChooseTool(f, 7);
    NewGrid(f, 5, 5);
    QCOMPARE(f.editor.currentTool, 23);
    QVERIFY(PaletteButton(f, 23)->isChecked());
    QVERIFY(!PaletteButton(f, 7)->isChecked());
  }

  // Each button shows the cell its tool makes; held down, its black stays.
  void buttonPicturesShowTheirCells() {
    ProgramFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.main.devicePixelRatio(), 1.0);
    for (int button = 1; button <= 25; ++button) {
      const int tool = button == 15 ? 0 : button;
      const QImage up = ButtonPicture(PaletteButton(f, button));
      QCOMPARE(up.size(), QSize(40, 40));
      QString mismatch = Mismatch(up, 0, 0, ProbesOf(kKindProbes, static_cast<std::uint8_t>(tool)));
      QVERIFY2(mismatch.isEmpty(), qPrintable(QStringLiteral("button %1: %2").arg(button).arg(mismatch)));
      mismatch = Mismatch(up, 0, 0, kFrame);
      QVERIFY2(mismatch.isEmpty(), qPrintable(QStringLiteral("button %1: %2").arg(button).arg(mismatch)));

      ChooseTool(f, button);
      const QImage down = ButtonPicture(PaletteButton(f, button));
      QVERIFY2(down != up, qPrintable(QStringLiteral("button %1 looks the same down").arg(button)));
      mismatch = Mismatch(down, 0, 0, ProbesOf(kKindProbes, static_cast<std::uint8_t>(tool)), true);
      QVERIFY2(mismatch.isEmpty(), qPrintable(QStringLiteral("button %1 down: %2").arg(button).arg(mismatch)));
    }
  }

  void toolsOnOneCell_data() {
    QTest::addColumn<Strokes>("strokes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("overlay");
    QTest::newRow("same arrow twice") << Strokes{{2, 2, 2}, {2, 2, 2}} << 2 << 0;
    QTest::newRow("arrow 1 then 2") << Strokes{{1, 2, 2}, {2, 2, 2}} << 1 << 2;
    QTest::newRow("arrow 2 then 1") << Strokes{{2, 2, 2}, {1, 2, 2}} << 2 << 1;
    QTest::newRow("third mark ignored") << Strokes{{1, 2, 2}, {2, 2, 2}, {3, 2, 2}} << 1 << 2;
    QTest::newRow("incompatible arrow ignored") << Strokes{{1, 2, 2}, {4, 2, 2}} << 1 << 0;
    QTest::newRow("bar 18 on arrow 4") << Strokes{{4, 2, 2}, {18, 2, 2}} << 4 << 18;
    QTest::newRow("arrow 4 on bar 18") << Strokes{{18, 2, 2}, {4, 2, 2}} << 18 << 0;
    QTest::newRow("arrow 1 on bar 22") << Strokes{{22, 2, 2}, {1, 2, 2}} << 22 << 1;
    QTest::newRow("bar on bar replaces") << Strokes{{17, 2, 2}, {21, 2, 2}} << 21 << 0;
    QTest::newRow("clue clears both arrows") << Strokes{{1, 2, 2}, {2, 2, 2}, {19, 2, 2}} << 19 << 0;
    QTest::newRow("picture clears both arrows") << Strokes{{2, 2, 2}, {1, 2, 2}, {23, 2, 2}} << 23 << 0;
    QTest::newRow("split clue clears arrow and bar") << Strokes{{4, 2, 2}, {18, 2, 2}, {16, 2, 2}} << 16 << 0;
    QTest::newRow("bar on clue") << Strokes{{20, 2, 2}, {17, 2, 2}} << 17 << 0;
    QTest::newRow("clear tool") << Strokes{{1, 2, 2}, {2, 2, 2}, {15, 2, 2}} << 0 << 0;
    QTest::newRow("arrow on picture ignored") << Strokes{{23, 2, 2}, {1, 2, 2}} << 23 << 0;
  }
  // Tools are chosen in the palette and applied with the mouse; the view
  // shows the result at once, without a repaint.
  void toolsOnOneCell() {
    QFETCH(Strokes, strokes);
    QFETCH(int, kind);
    QFETCH(int, overlay);
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 3, 3);
    for (const Stroke& s : strokes) {
      ChooseTool(f, s.button);
      ClickCell(f, s.x, s.y);
    }
    QCOMPARE(int(Code(f.document.cells.at(2, 2).kind)), kind);
    QCOMPARE(int(f.document.cells.at(2, 2).overlay), overlay);
    QCOMPARE(f.editor.mode, EditorMode::Idle);
    for (int x = 1; x <= 3; ++x) {
      for (int y = 1; y <= 3; ++y) {
        if (x != 2 || y != 2) QCOMPARE(f.document.cells.at(x, y), GridCell{});
      }
    }

    const QImage& view = f.main.gridView().canvas();
    QString mismatch = Mismatch(view, 40, 40, ProbesOf(kKindProbes, static_cast<std::uint8_t>(kind)), overlay != 0);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    const auto& markProbes = IsBarCode(static_cast<std::uint8_t>(overlay)) ? kBarMarkProbes : kKindProbes;
    if (overlay != 0) {
      mismatch = Mismatch(view, 40, 40, ProbesOf(markProbes, static_cast<std::uint8_t>(overlay)), true);
      QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
    // What was drawn at once is what a full repaint draws.
    const QImage drawn = view.copy(40, 40, 40, 40);
    f.main.gridView().RepaintGrid();
    QCOMPARE(f.main.gridView().canvas().copy(40, 40, 40, 40), drawn);
  }

  // A bar over a clue cell takes its slot away: the texts stay where they
  // are, so every later clue cell now reads the slot before its old one.
  void barOnAClueShiftsLaterSlots() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 3, 1);
    ChooseTool(f, 19);
    ClickCell(f, 1, 1);
    ClickCell(f, 3, 1);
    SetSlotLine(f, 1, 1, QStringLiteral("первое"));
    SetSlotLine(f, 2, 1, QStringLiteral("второе"));
    ChooseTool(f, 17);
    ClickCell(f, 1, 1);
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::BarBottom);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("первое"));
    QTest::mouseClick(Button(f, "Button6"), Qt::LeftButton);
    QCOMPARE(f.editor.cursorX, 3);
    QCOMPARE(MemoText(f), QStringLiteral("первое\n"));
  }

  // Painting starts with a press anywhere over the view; cells outside the
  // grid are left alone until the drag enters the grid.
  void pressOutsideTheGridThenDragIn() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 3, 3);
    auto* view = &f.main.gridView();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, CellMiddle(f, 5, 2));
    QCOMPARE(f.editor.mode, EditorMode::Painting);
    QCOMPARE(f.document.cells.at(5, 2), GridCell{});
    QCOMPARE(f.editor.cursorX, 5);
    QTest::mouseMove(view, CellMiddle(f, 3, 2));
    QCOMPARE(f.document.cells.at(3, 2).kind, CellKind::Picture);
    QTest::mouseMove(view, CellMiddle(f, 2, 2));
    QCOMPARE(f.document.cells.at(2, 2).kind, CellKind::Picture);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, CellMiddle(f, 2, 2));
    QCOMPARE(f.editor.mode, EditorMode::Idle);
    QCOMPARE(f.document.cells.at(1, 2), GridCell{});
  }

  void anyMouseButtonPaints_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
  }
  void anyMouseButtonPaints() {
    QFETCH(Qt::MouseButton, button);
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 3, 3);
    ChooseTool(f, 20);
    auto* view = &f.main.gridView();
    QTest::mousePress(view, button, Qt::NoModifier, CellMiddle(f, 1, 1));
    QTest::mouseMove(view, CellMiddle(f, 2, 1));
    QTest::mouseMove(view, CellMiddle(f, 2, 2));
    QTest::mouseRelease(view, button, Qt::NoModifier, CellMiddle(f, 2, 2));
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::ClueSplitVertical);
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::ClueSplitVertical);
    QCOMPARE(f.document.cells.at(2, 2).kind, CellKind::ClueSplitVertical);
    QCOMPARE(f.editor.mode, EditorMode::Idle);
  }

  // A drag that leaves the view paints nothing out there: no mirror-image
  // cells to the left or above, no hidden cells to the right or below.
  void dragsOffTheViewPaintNothing_data() {
    QTest::addColumn<QPoint>("outside");
    QTest::newRow("left, where column 2 mirrors") << QPoint(-50, 20);
    QTest::newRow("just left") << QPoint(-1, 20);
    QTest::newRow("above, where row 2 mirrors") << QPoint(20, -50);
    QTest::newRow("view frame right of column 12") << QPoint(481, 20);
    QTest::newRow("right, column 13 of the grid") << QPoint(490, 20);
    QTest::newRow("below, row 13 of the grid") << QPoint(20, 490);
  }
  void dragsOffTheViewPaintNothing() {
    QFETCH(QPoint, outside);
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 20, 20);
    auto* view = &f.main.gridView();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, CellMiddle(f, 1, 1));
    QTest::mouseMove(view, outside);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, outside);
    int painted = 0;
    for (int x = 1; x <= 20; ++x) {
      for (int y = 1; y <= 20; ++y) painted += f.document.cells.at(x, y).kind == CellKind::Picture ? 1 : 0;
    }
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::Picture);
    QCOMPARE(painted, 1);
    QCOMPARE(f.editor.mode, EditorMode::Idle);
  }

  // The mark of unsaved changes follows the cells, not the clicks.
  void changesMarkTheDocument() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 3, 3);
    QVERIFY(!f.session.modified());
    ChooseTool(f, 1);
    ClickCell(f, 1, 1);
    QVERIFY(f.session.modified());
    f.MarkSaved();
    ClickCell(f, 1, 1);  // arrow 1 on arrow 1: nothing changes
    ChooseTool(f, 15);
    ClickCell(f, 2, 2);  // clearing an empty cell
    ClickCell(f, 5, 5);  // outside the grid
    QVERIFY(!f.session.modified());
    ClickCell(f, 1, 1);
    QVERIFY(f.session.modified());
  }
};

QTEST_MAIN(PaletteTest)
#include "palette_test.moc"
