// In clue editing a click on a clue cell, or on a half of a split one,
// selects that clue; what was typed for the clue before is stored first.

#include <QPushButton>
#include <QtTest>

#include "editing_support.h"

using namespace verstak;
using namespace verstak::editing;

class CluePickTest : public QObject {
  Q_OBJECT

  // 4 x 3: a whole clue at (1, 1), split across at (3, 1), split down at (2, 2).
  static void MarkUp(ProgramFixture& f) {
    NewGrid(f, 4, 3);
    f.document.cells.at(1, 1).kind = CellKind::Clue;
    f.document.cells.at(3, 1).kind = CellKind::ClueSplitHorizontal;
    f.document.cells.at(2, 2).kind = CellKind::ClueSplitVertical;
    for (int slot = 1; slot <= 5; ++slot) SetSlotLine(f, slot, 1, QStringLiteral("Текст %1").arg(slot));
  }

 private slots:
  void aClickSelectsTheClueUnderIt_data() {
    QTest::addColumn<QPoint>("at");  // pixel offset in the cell
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("slot");
    QTest::newRow("whole clue") << QPoint(20, 20) << 1 << 1 << 1;
    QTest::newRow("top half") << QPoint(20, 5) << 3 << 1 << 2;
    QTest::newRow("top half's last row") << QPoint(20, 19) << 3 << 1 << 2;
    QTest::newRow("bottom half") << QPoint(20, 20) << 3 << 1 << 3;
    QTest::newRow("left half") << QPoint(19, 30) << 2 << 2 << 4;
    QTest::newRow("right half") << QPoint(20, 30) << 2 << 2 << 5;
  }
  void aClickSelectsTheClueUnderIt() {
    QFETCH(QPoint, at);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, slot);
    ProgramFixture f;
    QVERIFY(f.Start());
    MarkUp(f);
    QTest::mouseClick(Button(f, QStringLiteral("Button6")), Qt::LeftButton);
    QCOMPARE(f.editor.currentSlot, 1);
    f.main.memo().moveCursor(QTextCursor::End);
    Type(&f.main.memo(), QStringLiteral("ещё"));

    QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, CellCorner(f, column, row) + at);
    QCOMPARE(f.editor.currentSlot, slot);
    QCOMPARE(f.editor.cursorX, column);
    QCOMPARE(f.editor.cursorY, row);
    QCOMPARE(MemoText(f), QStringLiteral("Текст %1\n").arg(slot) + (slot == 1 ? QStringLiteral("ещё\n") : QString()));
    QCOMPARE(SlotLine(f, 1, 2), QStringLiteral("ещё"));  // stored on the way
    QVERIFY(f.main.memo().hasFocus());
  }

  // A click on a cell without a clue, or past the grid, changes nothing.
  void aClickBesideTheCluesKeepsTheSelection() {
    ProgramFixture f;
    QVERIFY(f.Start());
    MarkUp(f);
    QTest::mouseClick(Button(f, QStringLiteral("Button6")), Qt::LeftButton);
    QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, CellMiddle(f, 3, 1));
    for (const QPoint at : {CellMiddle(f, 4, 3), CellMiddle(f, 6, 2)}) {
      QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, at);
      QCOMPARE(f.editor.currentSlot, 3);
      QCOMPARE(f.editor.cursorX, 3);
    }
  }
};

QTEST_MAIN(CluePickTest)
#include "clue_pick_test.moc"
