// Whatever way the grid view got to its picture (a full repaint, tools
// applied cell by cell, scrolling), it shows exactly what a plain repaint of
// the document draws, and so does the window the user looks at.

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QtTest>
#include <optional>
#include <vector>

#include "document/overlay_rule.h"
#include "editor/apply_tool.h"
#include "session/document_history.h"
#include "editor/grid_canvas.h"
#include "editor/grid_view.h"
#include "editing_support.h"

using namespace verstak;

namespace {

constexpr int kCell = 40;

// Every kind, every missing variant, two codes no tool writes, and every
// kind with each second mark it may carry, in reading order over the whole
// grid and again from the start.
void FillEveryKind(ScanwordDocument& document, int width, int height) {
  std::vector<GridCell> pattern;
  for (int kind = 0; kind <= 25; ++kind) pattern.push_back({KindFromCode(static_cast<std::uint8_t>(kind)), 0});
  for (int kind : {102, 104, 105, 106, 109, 26, 200}) {
    pattern.push_back({KindFromCode(static_cast<std::uint8_t>(kind)), 0});
  }
  for (const OverlayRuleRow& row : kOverlayRule) {
    for (std::uint8_t kind : row.kinds) pattern.push_back({KindFromCode(kind), row.overlay});
  }
  document.gridWidth = static_cast<std::uint8_t>(width);
  document.gridHeight = static_cast<std::uint8_t>(height);
  std::size_t next = 0;
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x) document.cells.at(x, y) = pattern[next++ % pattern.size()];
  }
}

// One cell drawn alone on an image of its own, so that nothing else can
// touch it: the base, the kind, the mark, the highlight.
QImage CellAlone(const GridCell& cell, std::optional<int> highlightedHalf) {
  QImage image(kCell, kCell, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  GridCanvas canvas(painter);
  const CellBox box{0, 0, kCell, kCell};
  DrawCellBase(canvas, box);
  DrawCell(canvas, box, Code(cell.kind));
  if (IsArrowCode(cell.overlay)) DrawCell(canvas, box, cell.overlay);
  if (IsBarCode(cell.overlay)) DrawBarMark(canvas, box, cell.overlay);
  if (highlightedHalf) DrawCell(canvas, box, Code(cell.kind), {true, *highlightedHalf});
  return image;
}

// The view as the plain full repaint draws it: a grey rectangle over the
// whole view, each visible cell of the grid put in its place.
QImage PlainRepaint(const ScanwordDocument& document, const EditorState& editor, QSize size,
                    std::optional<GridView::HighlightedClue> highlighted = std::nullopt) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  GridCanvas canvas(painter);
  canvas.SetBrush(QColor(128, 128, 128));
  canvas.Rectangle(0, 0, size.width(), size.height());
  for (int row = 0; row < editor.visibleRows; ++row) {
    for (int column = 0; column < editor.visibleColumns; ++column) {
      const CellPosition at{editor.viewOriginX + column, editor.viewOriginY + row};
      if (!document.insideGrid(at.x, at.y)) continue;
      std::optional<int> half;
      if (highlighted && highlighted->cell == at) half = highlighted->half;
      painter.drawImage(QPoint(column * kCell, row * kCell), CellAlone(document.cells.at(at.x, at.y), half));
    }
  }
  return image;
}

// Empty when the two images are the same; else how they differ.
QString Difference(const QImage& seen, const QImage& expected) {
  const QImage a = seen.convertToFormat(QImage::Format_RGB32);
  const QImage b = expected.convertToFormat(QImage::Format_RGB32);
  if (a.size() != b.size()) {
    return QStringLiteral("size %1x%2, expected %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
  }
  int differing = 0;
  QString first;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      if (differing++ == 0) {
        first = QStringLiteral("(%1,%2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(a.pixel(x, y)).name(), QColor(b.pixel(x, y)).name());
      }
    }
  }
  if (differing == 0) return {};
  return QStringLiteral("%1 pixels differ, the first at %2").arg(differing).arg(first);
}

// What the window really shows of the grid view: the window's own pixels,
// as the window system was last given them, over the view's whole cells.
QImage OnScreen(QWidget& view, int columns, int rows) {
  QApplication::processEvents();
  QWidget* window = view.window();
  const QPoint at = view.mapTo(window, QPoint(0, 0));
  return window->screen()->grabWindow(window->winId(), at.x(), at.y(), columns * kCell, rows * kCell).toImage();
}

QImage CellsOf(const QImage& view, int columns, int rows) { return view.copy(0, 0, columns * kCell, rows * kCell); }

// The view's area that paint events covered.
class PaintRecorder : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

struct ViewFixture {
  ScanwordDocument document;
  EditorState editor;
  GridView view{document, editor};
  std::optional<GridView::HighlightedClue> highlighted;

  ViewFixture(int columns, int rows) {
    editor.visibleColumns = columns;
    editor.visibleRows = rows;
    view.resize(columns * kCell + 2, rows * kCell + 2);
  }
  void Highlight(std::optional<GridView::HighlightedClue> clue) {
    highlighted = clue;
    view.setHighlightedClue(clue);
    if (clue) view.DrawClue(*clue, true);
  }
  QString Shows() const { return Difference(view.canvas(), PlainRepaint(document, editor, view.size(), highlighted)); }
};

}  // namespace

class GridViewUpdateTest : public QObject {
  Q_OBJECT

 private slots:
  // The whole pattern in one view, one two-clue cell highlighted, pixel for
  // pixel as the view drew it before it learned to repaint in parts (the
  // image was written then and looked at). VERSTAK_UPDATE_REFERENCES=1
  // writes it anew.
  void everyKindAsItWasDrawnBefore() {
    ViewFixture f(20, 9);
    FillEveryKind(f.document, 20, 9);
    f.document.cells.at(4, 1).kind = CellKind::ClueSplitHorizontal;
    f.view.RepaintGrid();
    f.Highlight(GridView::HighlightedClue{{4, 1}, 2});
    const QString path = QStringLiteral(VERSTAK_REFERENCE_DIR "/grid-every-kind.png");
    if (qEnvironmentVariableIsSet("VERSTAK_UPDATE_REFERENCES")) QVERIFY(f.view.canvas().save(path));
    QCOMPARE(Difference(f.view.canvas(), QImage(path)), QString());
    QCOMPARE(f.Shows(), QString());
  }

  // Every plain repaint at several origins, grid ends and past them included.
  void repaintAtSeveralOrigins_data() {
    QTest::addColumn<int>("originX");
    QTest::addColumn<int>("originY");
    QTest::newRow("top left") << 1 << 1;
    QTest::newRow("one on") << 2 << 1;
    QTest::newRow("inside") << 7 << 5;
    QTest::newRow("last columns and rows") << 19 << 12;
    QTest::newRow("past both ends") << 25 << 17;
    QTest::newRow("beyond the grid") << 31 << 3;
  }
  void repaintAtSeveralOrigins() {
    QFETCH(int, originX);
    QFETCH(int, originY);
    ViewFixture f(12, 9);
    FillEveryKind(f.document, 30, 20);
    f.editor.viewOriginX = originX;
    f.editor.viewOriginY = originY;
    const GridView::HighlightedClue clue{{originX + 3, originY + 2}, 2};
    if (f.document.insideGrid(clue.cell.x, clue.cell.y)) {
      f.document.cells.at(clue.cell.x, clue.cell.y) = {CellKind::ClueSplitVertical, 0};
    }
    f.highlighted = clue;
    f.view.setHighlightedClue(clue);
    f.view.RepaintGrid();
    QCOMPARE(f.Shows(), QString());
  }

  // One step at a time, both ways, diagonally, by more than a step, by more
  // than the view, up to the grid's ends and past them, with a highlighted
  // clue scrolling out and in, and cells the document changed without
  // drawing them: after every move the picture is the plain repaint's.
  void scrollsShowWhatARepaintShows() {
    ViewFixture f(12, 9);
    FillEveryKind(f.document, 30, 20);
    f.document.cells.at(6, 4) = {CellKind::ClueSplitHorizontal, 0};
    f.view.RepaintGrid();
    f.Highlight(GridView::HighlightedClue{{6, 4}, 2});
    const QPoint origins[] = {{2, 1},  {3, 1},  {3, 2},   {2, 2},  {1, 1},   {4, 4},  {9, 1},  {8, 1},
                              {19, 12}, {25, 17}, {30, 20}, {31, 21}, {30, 20}, {1, 1},  {13, 10}, {12, 10},
                              {1, 10}, {1, 9},  {2, 1}};
    int step = 0;
    for (QPoint origin : origins) {
      if (step % 5 == 4) {  // a change nobody drew
        f.document.cells.at(origin.x() + 1, origin.y() + 1) = {CellKind::Picture, 0};
      }
      if (step == 5) {  // the highlight dropped without drawing the clue plain
        f.highlighted = std::nullopt;
        f.view.setHighlightedClue(std::nullopt);
      }
      f.editor.viewOriginX = origin.x();
      f.editor.viewOriginY = origin.y();
      f.view.ScrollToOrigin();
      const QString differs = f.Shows();
      QVERIFY2(differs.isEmpty(), qPrintable(QStringLiteral("step %1 to %2,%3: %4")
                                                 .arg(step)
                                                 .arg(origin.x())
                                                 .arg(origin.y())
                                                 .arg(differs)));
      ++step;
    }
  }

  // After the view was painted grey for a dialog, or resized, a scroll still
  // shows the whole grid.
  void scrollAfterClearingOrResizing() {
    ViewFixture f(12, 9);
    FillEveryKind(f.document, 30, 20);
    f.view.RepaintGrid();
    f.view.ClearPaintArea();
    QCOMPARE(Difference(f.view.canvas(), PlainRepaint(ScanwordDocument(), f.editor, f.view.size())), QString());
    f.editor.viewOriginX = 2;
    f.view.ScrollToOrigin();
    QCOMPARE(f.Shows(), QString());
    f.editor.visibleColumns = 13;
    f.view.resize(13 * kCell + 2, 9 * kCell + 2);
    f.editor.viewOriginX = 3;
    f.view.ScrollToOrigin();
    QCOMPARE(f.Shows(), QString());
  }

  // Tools applied one cell at a time leave the picture a repaint would draw.
  void editsShowWhatARepaintShows() {
    ViewFixture f(12, 9);
    FillEveryKind(f.document, 30, 20);
    f.view.RepaintGrid();
    DocumentHistory history(f.document);
    MouseEditing editing(f.document, f.editor, f.view, history);
    const auto drag = [&](int tool, std::initializer_list<QPoint> cells) {
      f.editor.currentTool = tool;
      bool first = true;
      for (QPoint cell : cells) {
        const QPoint at(cell.x() * kCell + 20, cell.y() * kCell + 20);
        first ? editing.Pressed(at) : editing.Moved(at);
        first = false;
      }
      editing.Released();
    };
    drag(0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}});   // cleared
    drag(3, {{1, 0}, {2, 0}});                   // arrows on letter cells
    drag(1, {{1, 0}, {2, 1}, {3, 1}, {4, 1}});   // second marks where allowed
    drag(22, {{1, 0}, {5, 0}, {6, 0}, {7, 0}});  // a bar as mark, bar cells elsewhere
    drag(16, {{8, 0}, {8, 1}});
    drag(24, {{9, 0}, {9, 1}});
    drag(23, {{10, 0}, {11, 8}});
    QCOMPARE(f.Shows(), QString());
    // Edited cells scroll away and back as the repaint draws them.
    for (int x : {2, 3, 1}) {
      f.editor.viewOriginX = x;
      f.view.ScrollToOrigin();
      QCOMPARE(f.Shows(), QString());
    }
  }

  // The main window as the user sees it, scroll bars over the view's frame:
  // a tool's click repaints its cell only, a step of a bar the cells that
  // came into view only, and what the window shows stays the plain repaint.
  void theWindowShowsWhatARepaintShows() {
    ProgramFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.main.devicePixelRatio(), 1.0);
    editing::NewGrid(f, 40, 30);
    FillEveryKind(f.document, 40, 30);
    f.main.gridView().RepaintGrid();
    const int columns = f.editor.visibleColumns;
    const int rows = f.editor.visibleRows;
    PaintRecorder recorder;
    f.main.gridView().installEventFilter(&recorder);
    // The window's pixels, and the view grabbed, which paints all of it anew
    // (a paint not to be counted).
    const auto shows = [&] {
      const QImage expected = CellsOf(PlainRepaint(f.document, f.editor, f.main.gridView().size()), columns, rows);
      const QString onScreen = Difference(OnScreen(f.main.gridView(), columns, rows), expected);
      const QRegion painted = recorder.painted;
      const QString grabbed = Difference(CellsOf(f.main.gridView().grab().toImage(), columns, rows), expected);
      recorder.painted = painted;
      return onScreen + grabbed;
    };
    QCOMPARE(shows(), QString());

    editing::ChooseTool(f, 23);
    recorder.painted = {};
    editing::ClickCell(f, 3, 2);
    QCOMPARE(shows(), QString());
    QCOMPARE(recorder.painted, QRegion(2 * kCell, kCell, kCell, kCell));

    // Besides what scrolled in, the window may repaint the strips under the
    // scroll bars as they move, and the view draws the cell the tool drew
    // once more, as the repaint draws it.
    const QRegion underTheBars = QRegion(f.main.gridView().rect()) - QRegion(0, 0, columns * kCell, rows * kCell);
    f.main.FocusScrollBar1();
    recorder.painted = {};
    QTest::keyClick(&f.Bar1(), Qt::Key_Right);
    QCOMPARE(f.editor.viewOriginX, 2);
    QCOMPARE(shows(), QString());
    const QRegion lastColumn((columns - 1) * kCell, 0, kCell, rows * kCell);
    QVERIFY(recorder.painted.contains(lastColumn.boundingRect()));
    QCOMPARE(recorder.painted - lastColumn - underTheBars, QRegion(kCell, kCell, kCell, kCell));

    recorder.painted = {};
    QTest::keyClick(&f.Bar2(), Qt::Key_Down);
    QCOMPARE(shows(), QString());
    const QRegion lastRow(0, (rows - 1) * kCell, columns * kCell, kCell);
    QVERIFY(recorder.painted.contains(lastRow.boundingRect()));
    QCOMPARE(recorder.painted - lastRow - underTheBars, QRegion());

    // A click and a scroll before the window is painted: the cell edited
    // moves with the rest.
    QTest::mousePress(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, editing::CellMiddle(f, 5, 5));
    QTest::mouseRelease(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, editing::CellMiddle(f, 5, 5));
    f.Bar1().triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(f.editor.viewOriginX, 1);
    QCOMPARE(shows(), QString());

    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Left, Qt::Key_Home}) {
      QTest::keyClick(&f.Bar2(), key);
      QCOMPARE(shows(), QString());
    }
  }
};

QTEST_MAIN(GridViewUpdateTest)
#include "grid_view_update_test.moc"
