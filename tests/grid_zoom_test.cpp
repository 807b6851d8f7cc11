// The grid view's zoom: its steps and limits, the cell a click finds at the
// boundary pixels, and the window's pixels against the kept picture scaled
// by a reference written here from what scaling means.

#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>

#include "editing_support.h"
#include "editor/grid_view.h"

using namespace verstak;

namespace {

int ZoomedCell(int percent) { return 40 * percent / 100; }

void Chord(ProgramFixture& f, Qt::Key key, Qt::KeyboardModifiers extra = {}) {
  QTest::keyClick(&f.Bar1(), key, Qt::ControlModifier | extra);
}

void Zoom(ProgramFixture& f, int percent) {
  Chord(f, Qt::Key_0);
  while (f.editor.zoomPercent < percent) Chord(f, Qt::Key_Equal);
  while (f.editor.zoomPercent > percent) Chord(f, Qt::Key_Minus);
}

void Wheel(ProgramFixture& f, QPoint at, int delta) {
  QWheelEvent event(at, f.main.gridView().mapToGlobal(QPointF(at)), QPoint(), {0, delta}, Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&f.main.gridView(), &event);
}

// Every cell a kind of its own, so that a cell out of place shows.
void FillKinds(ScanwordDocument& document) {
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      document.cells.at(x, y).kind = KindFromCode(static_cast<std::uint8_t>((x * 7 + y * 3) % 26));
    }
  }
}

// Empty when every view pixel over the whole cells is what scaling the kept
// picture gives: larger, one of the picture's pixels that the view pixel
// overlaps; smaller, the mean of those pixels weighted by how much of each
// it covers, within `tolerance` per channel.
QString ScaledFaithfully(const QImage& view, const QImage& picture, int percent, QSize cells, int tolerance) {
  const double scale = 100.0 / percent;
  for (int y = 0; y < cells.height(); ++y) {
    for (int x = 0; x < cells.width(); ++x) {
      const double left = x * scale, right = (x + 1) * scale, top = y * scale, bottom = (y + 1) * scale;
      const QColor seen = view.pixelColor(x, y);
      double sum[3] = {0, 0, 0}, area = 0;
      bool among = false;
      for (int py = static_cast<int>(top); py < std::ceil(bottom); ++py) {
        for (int px = static_cast<int>(left); px < std::ceil(right); ++px) {
          const double w = (std::min<double>(px + 1, right) - std::max<double>(px, left)) *
                           (std::min<double>(py + 1, bottom) - std::max<double>(py, top));
          const QColor c = picture.pixelColor(px, py);
          sum[0] += w * c.red(), sum[1] += w * c.green(), sum[2] += w * c.blue(), area += w;
          among = among || c == seen;
        }
      }
      const bool fits = percent > 100 ? among
                                      : std::abs(seen.red() - sum[0] / area) <= tolerance &&
                                            std::abs(seen.green() - sum[1] / area) <= tolerance &&
                                            std::abs(seen.blue() - sum[2] / area) <= tolerance;
      if (!fits) return QStringLiteral("view pixel (%1,%2) is %3").arg(x).arg(y).arg(seen.name());
    }
  }
  return {};
}

class PaintRecorder : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

}  // namespace

class GridZoomTest : public QObject {
  Q_OBJECT

 private slots:
  void keysStepThroughTheZoomAndStopAtItsLimits() {
    ProgramFixture f;
    QVERIFY(f.Start());
    editing::NewGrid(f, 30, 30);
    f.main.FocusScrollBar1();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Minus, {}}, {Qt::Key_Minus, {}}, {Qt::Key_Minus, {}}, {Qt::Key_0, {}},
        {Qt::Key_Equal, {}}, {Qt::Key_Plus, Qt::ShiftModifier}, {Qt::Key_Plus, Qt::KeypadModifier},
        {Qt::Key_Equal, {}}, {Qt::Key_Equal, {}}, {Qt::Key_0, {}}};
    const int expected[] = {75, 50, 50, 100, 125, 150, 175, 200, 200, 100};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
      Chord(f, keys[i].first, keys[i].second);
      QCOMPARE(f.editor.zoomPercent, expected[i]);
    }
    // Plain - and 0 are no zoom; 0 chooses its tool.
    QTest::keyClick(&f.Bar1(), Qt::Key_Minus);
    QTest::keyClick(&f.Bar1(), Qt::Key_0);
    QCOMPARE(f.editor.zoomPercent, 100);
    QCOMPARE(f.editor.currentTool, 10);
  }

  // The room the window leaves for the view (its outer size less 264 x 40
  // pixels) holds whole zoomed cells less one each way; the view is sized to
  // them and its frame. At 50 % that is twice as many as at 100 %, or more.
  void theViewHoldsTheCellsThatFit() {
    ProgramFixture f;
    QVERIFY(f.Start({1000, 700}));
    editing::NewGrid(f, 99, 99);
    const QSize room = f.main.frameGeometry().size() - QSize(264, 40);
    const int columnsAtActualSize = f.editor.visibleColumns;
    for (int percent : {50, 75, 100, 125, 150, 175, 200}) {
      Zoom(f, percent);
      const int cell = ZoomedCell(percent);
      QCOMPARE(f.editor.visibleColumns, room.width() / cell - 1);
      QCOMPARE(f.editor.visibleRows, room.height() / cell - 1);
      QCOMPARE(f.main.gridView().size(), QSize(f.editor.visibleColumns * cell + 2, f.editor.visibleRows * cell + 2));
      QCOMPARE(f.Bar1().maximum(), 99 - f.editor.visibleColumns + 1);
      QCOMPARE(f.Bar2().pageStep(), f.editor.visibleRows - 2);
    }
    Zoom(f, 50);
    QVERIFY(f.editor.visibleColumns >= 2 * columnsAtActualSize);
  }

  void theWheelZoomsAboutTheCellUnderThePointer() {
    ProgramFixture f;
    QVERIFY(f.Start());
    editing::NewGrid(f, 60, 60);
    const QPoint pointer(4 * 40 + 20, 3 * 40 + 35);  // over cell (5, 4)
    Wheel(f, pointer, 120);
    QCOMPARE(f.editor.zoomPercent, 125);
    QCOMPARE(pointer.x() / 50 + f.editor.viewOriginX, 5);
    QCOMPARE(pointer.y() / 50 + f.editor.viewOriginY, 4);
    Wheel(f, pointer, -120);
    Wheel(f, pointer, -120);
    QCOMPARE(f.editor.zoomPercent, 75);
    // Near the top left the grid's start holds the view.
    QCOMPARE(f.editor.viewOriginX, 1);
    QCOMPARE(f.editor.viewOriginY, 1);
    for (int i = 0; i < 5; ++i) Wheel(f, pointer, -120);
    QCOMPARE(f.editor.zoomPercent, 50);
  }

  // The last pixel of a cell and the first of the next, along both axes,
  // with the view scrolled from the grid's start.
  void aClickFindsItsCellAtTheBoundaryPixels_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("cellsIn");   // whole cells before the pixel
    QTest::addColumn<int>("offset");    // -1: the last pixel of the cell before; 0: the first of the next
    for (int percent : {50, 150, 200}) {
      for (int cellsIn : {1, 4}) {
        for (int offset : {-1, 0}) {
          QTest::addRow("%d %% pixel %d", percent, cellsIn * ZoomedCell(percent) + offset)
              << percent << cellsIn << offset;
        }
      }
    }
  }
  void aClickFindsItsCellAtTheBoundaryPixels() {
    QFETCH(int, percent);
    QFETCH(int, cellsIn);
    QFETCH(int, offset);
    ProgramFixture f;
    QVERIFY(f.Start());
    editing::NewGrid(f, 40, 40);
    Zoom(f, percent);
    f.Bar1().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    f.Bar2().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    f.Bar2().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.editor.viewOriginX, 2);
    QCOMPARE(f.editor.viewOriginY, 3);
    editing::ChooseTool(f, 23);
    const int pixel = cellsIn * ZoomedCell(percent) + offset;
    QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, QPoint(pixel, pixel));
    const int cell = cellsIn + (offset < 0 ? 0 : 1);  // of the view, from 1
    QCOMPARE(f.document.cells.at(1 + cell, 2 + cell).kind, CellKind::Picture);
    int changed = 0;
    for (int y = 1; y <= 40; ++y) {
      for (int x = 1; x <= 40; ++x) changed += f.document.cells.at(x, y).kind != GridCell{}.kind;
    }
    QCOMPARE(changed, 1);
  }

  void theWindowShowsThePictureScaled_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("50 %") << 50 << 1;
    QTest::newRow("75 %") << 75 << 1;
    QTest::newRow("125 %") << 125 << 0;
    QTest::newRow("150 %") << 150 << 0;
    QTest::newRow("200 %") << 200 << 0;
  }
  void theWindowShowsThePictureScaled() {
    QFETCH(int, percent);
    QFETCH(int, tolerance);
    ProgramFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.main.devicePixelRatio(), 1.0);
    editing::NewGrid(f, 60, 60);
    FillKinds(f.document);
    Zoom(f, percent);
    GridView& view = f.main.gridView();
    const QSize cells(f.editor.visibleColumns * ZoomedCell(percent), f.editor.visibleRows * ZoomedCell(percent));
    const auto onScreen = [&] {
      QApplication::processEvents();
      const QPoint at = view.mapTo(&f.main, QPoint(0, 0));
      return f.main.screen()->grabWindow(f.main.winId(), at.x(), at.y(), cells.width(), cells.height()).toImage();
    };
    QCOMPARE(ScaledFaithfully(view.grab().toImage(), view.canvas(), percent, cells, tolerance), QString());
    QCOMPARE(ScaledFaithfully(onScreen(), view.canvas(), percent, cells, tolerance), QString());

    // A tool's click repaints the zoomed cell only; a scroll keeps the window
    // what a whole repaint shows.
    PaintRecorder recorder;
    view.installEventFilter(&recorder);
    editing::ChooseTool(f, 23);
    const int cell = ZoomedCell(percent);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(2 * cell + 1, cell + 1));
    QApplication::processEvents();
    QCOMPARE(recorder.painted, QRegion(2 * cell, cell, cell, cell));
    QCOMPARE(f.document.cells.at(3, 2).kind, CellKind::Picture);
    f.main.FocusScrollBar1();
    QTest::keyClick(&f.Bar1(), Qt::Key_Right);
    QTest::keyClick(&f.Bar2(), Qt::Key_Down);
    QCOMPARE(f.editor.viewOriginX, 2);
    const QImage shown = onScreen();
    QCOMPARE(ScaledFaithfully(shown, view.canvas(), percent, cells, tolerance), QString());
    QCOMPARE(shown, view.grab().toImage().copy(QRect(QPoint(0, 0), cells)));
  }

  // While clues are edited the memo has the focus: the chords zoom from
  // there too and type nothing, and a click on a clue cell at 150 % still
  // chooses that clue.
  void inClueEditingTheMemoZoomsAndClicksChooseClues() {
    ProgramFixture f;
    QVERIFY(f.Start());
    editing::NewGrid(f, 20, 20);
    f.document.cells.at(1, 1).kind = CellKind::Clue;
    f.document.cells.at(5, 3).kind = CellKind::Clue;
    f.main.gridView().RepaintGrid();
    QTest::mouseClick(editing::Button(f, QStringLiteral("Button6")), Qt::LeftButton);
    QCOMPARE(f.editor.mode, EditorMode::ClueEditing);
    QPlainTextEdit& memo = f.main.memo();
    memo.setFocus();
    const QString before = memo.toPlainText();
    QTest::keyClick(&memo, Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(&memo, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(f.editor.zoomPercent, 150);
    QCOMPARE(memo.toPlainText(), before);
    const int slotOfFirst = f.editor.currentSlot;
    QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, QPoint(4 * 60 + 59, 2 * 60 + 30));
    QCOMPARE(f.editor.selectedCellX, 5);
    QCOMPARE(f.editor.selectedCellY, 3);
    QVERIFY(f.editor.currentSlot != slotOfFirst);
    QTest::keyClick(&memo, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(f.editor.zoomPercent, 100);
    QCOMPARE(memo.toPlainText(), before);
  }

  // Back at the cells' own size the window shows the kept picture itself,
  // as before any zoom.
  void backAtActualSizeTheViewIsAsBefore() {
    ProgramFixture f;
    QVERIFY(f.Start());
    editing::NewGrid(f, 30, 30);
    FillKinds(f.document);
    f.main.gridView().RepaintGrid();
    const QImage before = f.main.gridView().grab().toImage();
    QCOMPARE(before, f.main.gridView().canvas());
    Zoom(f, 50);
    QVERIFY(f.main.gridView().grab().toImage().size() != before.size());
    Zoom(f, 200);
    Chord(f, Qt::Key_0);
    QCOMPARE(f.main.gridView().grab().toImage(), before);
    QCOMPARE(f.main.gridView().canvas(), before);
  }
};

QTEST_MAIN(GridZoomTest)
#include "grid_zoom_test.moc"
