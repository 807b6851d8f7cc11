#include <QtTest>
#include <utility>
#include <vector>

#include "cell_probes.h"
#include "document/overlay_rule.h"
#include "editor/grid_view.h"

using namespace verstak;
using namespace verstak::probes;

namespace {

// A document and editor state with a grid view of `columns` x `rows` cells
// (plus the view's 2-pixel frame, as the main window sizes it).
struct ViewFixture {
  ScanwordDocument document;
  EditorState editor;
  GridView view{document, editor};

  ViewFixture(int columns, int rows) {
    editor.visibleColumns = columns;
    editor.visibleRows = rows;
    view.resize(columns * 40 + 2, rows * 40 + 2);
  }
  QRgb At(int x, int y) const { return view.canvas().pixel(x, y) | 0xFF000000; }
};

std::uint8_t FirstKindAllowing(std::uint8_t mark) {
  for (const OverlayRuleRow& row : kOverlayRule) {
    if (row.overlay == mark) return *row.kinds.begin();
  }
  return 0;
}

}  // namespace

class GridViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Row 1 holds every kind (and a few codes nothing writes), row 2 every
  // arrow as a second mark, row 3 every bar as a mark on an arrow cell.
  void everyKindAndEveryMarkInOneRepaint() {
    const int columns = static_cast<int>(kKindProbes.size());
    ViewFixture f(columns, 3);
    f.document.gridWidth = static_cast<std::uint8_t>(columns);
    f.document.gridHeight = 3;
    for (int i = 0; i < columns; ++i) f.document.cells.at(i + 1, 1).kind = KindFromCode(kKindProbes[i].code);
    for (std::uint8_t mark = 1; mark <= 14; ++mark) {
      f.document.cells.at(mark, 2) = {KindFromCode(FirstKindAllowing(mark)), mark};
    }
    for (int i = 0; i < static_cast<int>(kBarMarkProbes.size()); ++i) {
      const std::uint8_t bar = kBarMarkProbes[i].code;
      f.document.cells.at(i + 1, 3) = {KindFromCode(FirstKindAllowing(bar)), bar};
    }

    f.view.RepaintGrid();

    const QImage& image = f.view.canvas();
    for (int i = 0; i < columns; ++i) {
      const QString seen = Mismatch(image, i * 40, 0, ProbesOf(kKindProbes, kKindProbes[i].code));
      QVERIFY2(seen.isEmpty(), qPrintable(QStringLiteral("code %1: %2").arg(kKindProbes[i].code).arg(seen)));
      QVERIFY(Mismatch(image, i * 40, 0, kFrame).isEmpty());
    }
    for (std::uint8_t mark = 1; mark <= 14; ++mark) {
      const int left = (mark - 1) * 40;
      const std::uint8_t kind = FirstKindAllowing(mark);
      const QString seen = Mismatch(image, left, 40, ProbesOf(kKindProbes, kind), true) +
                           Mismatch(image, left, 40, ProbesOf(kKindProbes, mark), true);
      QVERIFY2(seen.isEmpty(), qPrintable(QStringLiteral("mark %1 on %2: %3").arg(mark).arg(kind).arg(seen)));
    }
    for (int i = 0; i < static_cast<int>(kBarMarkProbes.size()); ++i) {
      const std::uint8_t bar = kBarMarkProbes[i].code;
      const std::uint8_t kind = FirstKindAllowing(bar);
      const QString seen = Mismatch(image, i * 40, 80, kBarMarkProbes[i].probes) +
                           Mismatch(image, i * 40, 80, ProbesOf(kKindProbes, kind), true);
      QVERIFY2(seen.isEmpty(), qPrintable(QStringLiteral("bar %1 on %2: %3").arg(bar).arg(kind).arg(seen)));
    }
    // Past the last row: the grey of the view, and its black frame.
    QCOMPARE(QColor(f.At(20, 120)), QColor(128, 128, 128));
    QCOMPARE(QColor(f.At(20, 121)), QColor(0, 0, 0));
  }

  // A mark the document holds is never hidden by a repaint, bars included.
  void barMarkOnAnArrowCellIsRepainted() {
    ViewFixture f(2, 1);
    f.document.gridWidth = 2;
    f.document.gridHeight = 1;
    f.document.cells.at(1, 1) = {CellKind::ArrowFromTopRight, 18};
    f.document.cells.at(2, 1) = {CellKind::ArrowFromLeftRight, 17};
    f.view.RepaintGrid();
    QCOMPARE(Mismatch(f.view.canvas(), 0, 0, ProbesOf(kBarMarkProbes, 18)), QString());
    QCOMPARE(Mismatch(f.view.canvas(), 0, 0, ProbesOf(kKindProbes, 4), true), QString());
    QCOMPARE(Mismatch(f.view.canvas(), 40, 0, ProbesOf(kBarMarkProbes, 17)), QString());
  }

  void withoutAGridOnlyGreyIsDrawn() {
    ViewFixture f(12, 12);
    f.document.cells.at(1, 1).kind = CellKind::Picture;  // outside a 0 x 0 grid
    f.view.RepaintGrid();
    for (QPoint p : {QPoint(1, 1), QPoint(20, 20), QPoint(240, 240), QPoint(480, 480)}) {
      QCOMPARE(QColor(f.At(p.x(), p.y())), QColor(128, 128, 128));
    }
    QCOMPARE(QColor(f.At(0, 0)), QColor(0, 0, 0));
  }

  void scrolledNearTheEndOnlyTheRemainingColumnsAreDrawn() {
    ViewFixture f(12, 12);
    f.document.gridWidth = 15;
    f.document.gridHeight = 2;
    f.document.cells.at(10, 1).kind = CellKind::Picture;
    f.document.cells.at(15, 2).kind = CellKind::Clue;
    f.editor.viewOriginX = 10;
    f.view.RepaintGrid();
    QCOMPARE(QColor(f.At(2, 2)), QColor(192, 192, 192));     // column 10 at the left
    QCOMPARE(QColor(f.At(200 + 2, 40 + 2)), QColor(128, 128, 128));  // column 15, a clue, 6th on screen
    QCOMPARE(Mismatch(f.view.canvas(), 200, 40, ProbesOf(kKindProbes, 19)), QString());
    for (int column = 7; column <= 12; ++column) {
      QCOMPARE(QColor(f.At((column - 1) * 40 + 20, 20)), QColor(128, 128, 128));
    }
    QCOMPARE(QColor(f.At(20, 2 * 40 + 20)), QColor(128, 128, 128));  // below the last row
  }

  void missingMarkRedUntilTheKindIsPlainAgain() {
    ViewFixture f(1, 1);
    f.document.gridWidth = f.document.gridHeight = 1;
    f.document.cells.at(1, 1).kind = CellKind::ClueSplitHorizontalMissing;
    f.view.RepaintGrid();
    QCOMPARE(Mismatch(f.view.canvas(), 0, 0, ProbesOf(kKindProbes, 106)), QString());
    f.document.cells.at(1, 1).kind = CellKind::ClueSplitHorizontal;
    f.view.RepaintGrid();
    QCOMPARE(Mismatch(f.view.canvas(), 0, 0, ProbesOf(kKindProbes, 16)), QString());
  }

  // A view taller than wide: rows that scrolled away do not stay behind.
  void aTallViewIsClearedToTheBottom() {
    ViewFixture f(2, 5);
    f.document.gridWidth = 2;
    f.document.gridHeight = 5;
    f.view.RepaintGrid();
    QCOMPARE(QColor(f.At(20, 180)), QColor(255, 255, 255));
    f.editor.viewOriginY = 4;
    f.view.RepaintGrid();
    QCOMPARE(QColor(f.At(20, 60)), QColor(255, 255, 255));
    QCOMPARE(QColor(f.At(20, 100)), QColor(128, 128, 128));
    QCOMPARE(QColor(f.At(20, 180)), QColor(128, 128, 128));
  }

  // The highlighted clue is drawn in yellow at the end of every repaint,
  // only its selected half, at its cell's place in the view.
  void repaintDrawsTheHighlightedClueLast() {
    ViewFixture f(12, 12);
    f.document.gridWidth = f.document.gridHeight = 20;
    f.document.cells.at(5, 3).kind = CellKind::ClueSplitHorizontal;
    f.view.RepaintGrid();
    QCOMPARE(QColor(f.At(160 + 2, 80 + 22)), QColor(128, 128, 128));
    f.editor.viewOriginX = 2;
    f.view.setHighlightedClue(GridView::HighlightedClue{{5, 3}, 2});
    f.view.RepaintGrid();
    QCOMPARE(QColor(f.At(120 + 2, 80 + 2)), QColor(128, 128, 128));
    QCOMPARE(QColor(f.At(120 + 2, 80 + 22)), QColor(255, 255, 0));
    f.editor.viewOriginX = 6;  // scrolled past it: nothing drawn outside the view
    f.view.RepaintGrid();
    QCOMPARE(QColor(f.At(2, 80 + 22)), QColor(255, 255, 255));
    f.view.setHighlightedClue(std::nullopt);
    f.editor.viewOriginX = 2;
    f.view.RepaintGrid();
    QCOMPARE(QColor(f.At(120 + 2, 80 + 22)), QColor(128, 128, 128));
  }

  void singleCellRoutinesDrawInTheirBox() {
    ViewFixture f(3, 1);
    f.view.ClearPaintArea();
    const CellBox second{40, 0, 40, 40};
    f.view.DrawCellBase(second);
    f.view.DrawCell(second, 16);
    f.view.DrawCell(second, 16, {true, 2});
    QCOMPARE(QColor(f.At(40 + 2, 2)), QColor(128, 128, 128));
    QCOMPARE(QColor(f.At(40 + 2, 22)), QColor(255, 255, 0));
    QCOMPARE(QColor(f.At(2, 20)), QColor(128, 128, 128));  // the neighbours untouched
    QCOMPARE(QColor(f.At(82, 20)), QColor(128, 128, 128));
    const CellBox third{80, 0, 40, 40};
    f.view.DrawCellBase(third);
    f.view.DrawCell(third, 1);
    f.view.DrawBarMark(third, 22);
    QCOMPARE(Mismatch(f.view.canvas(), 80, 0, ProbesOf(kBarMarkProbes, 22)), QString());
    QCOMPARE(Mismatch(f.view.canvas(), 80, 0, ProbesOf(kKindProbes, 1), true), QString());
  }

  void theWidgetShowsItsCanvas() {
    ViewFixture f(3, 2);
    f.document.gridWidth = 3;
    f.document.gridHeight = 2;
    f.document.cells.at(2, 2).kind = CellKind::ClueMissing;
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    f.view.RepaintGrid();
    QCOMPARE(f.view.devicePixelRatio(), 1.0);
    const QImage shown = f.view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, f.view.canvas());
  }
};

QTEST_MAIN(GridViewTest)
#include "grid_view_test.moc"
