// The main window's view of the grid: fitting the grid view to the window,
// the scroll bars' ranges and steps, and scrolling.

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "editor/grid_view.h"
#include "editor/grid_zoom.h"
#include "editor/osnova.h"

namespace verstak {
namespace {

constexpr int kScrollBarThickness = 25;
// What the window's outer size leaves for the grid view, and the view's
// frame: 2 pixels of `Panel3` before it and a scroll bar after it.
constexpr int kLeftOfGridView = 264;
constexpr int kAboveAndBelowGridView = 40;
constexpr int kPanel3Extra = 27;

// Keys of a focused scroll bar, the same for both bars: back with Left and
// Up, on with Right and Down. (Qt's own horizontal bar takes Left and Right
// the other way round.)
struct ScrollKey {
  Qt::Key key;
  QAbstractSlider::SliderAction action;
};

constexpr ScrollKey kScrollKeys[] = {
    {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},  {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd}, {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},  {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},      {Qt::Key_End, QAbstractSlider::SliderToMaximum},
};

}  // namespace

void MainWindow::SizeGridView() {
  FitGridViewToWindow();
  FitScrollRanges();
  editor_.viewOriginX = 1;
  editor_.viewOriginY = 1;
  scrollBar1_->setValue(1);
  scrollBar2_->setValue(1);
  grid_->RepaintGrid();
}

// As many whole cells as the window leaves room for at the zoom.
void MainWindow::FitGridViewToWindow() {
  const QSize outer = frameGeometry().size();
  const int cellWidth = PictureToView(editor_.cellPixelWidth, editor_.zoomPercent);
  const int cellHeight = PictureToView(editor_.cellPixelHeight, editor_.zoomPercent);
  editor_.visibleColumns = std::abs((outer.width() - kLeftOfGridView) / cellWidth) - 1;
  editor_.visibleRows = std::abs((outer.height() - kAboveAndBelowGridView) / cellHeight) - 1;

  panel3_->resize(editor_.visibleColumns * cellWidth + kPanel3Extra, editor_.visibleRows * cellHeight + kPanel3Extra);
  grid_->setGeometry(2, 2, panel3_->width() - kScrollBarThickness, panel3_->height() - kScrollBarThickness);
  scrollBar2_->setGeometry(grid_->width(), scrollBar2_->y(), scrollBar2_->width(), grid_->height());
  scrollBar1_->setGeometry(scrollBar1_->x(), grid_->height(), grid_->width(), scrollBar1_->height());
  scrollBar1_->setPageStep(editor_.visibleColumns - 2);
  scrollBar2_->setPageStep(editor_.visibleRows - 2);
}

// The cell under `anchor` (a point of the view) stays under it where the
// grid's ends allow; without one the view's first cell stays first.
void MainWindow::ZoomGridView(int percent, std::optional<QPoint> anchor) {
  if (percent == editor_.zoomPercent) return;
  const auto cellAt = [&](int viewPixel, int cellPixels) {
    return viewPixel / PictureToView(cellPixels, editor_.zoomPercent);
  };
  const QPoint at = anchor.value_or(QPoint(0, 0));
  const int column = editor_.viewOriginX + cellAt(at.x(), editor_.cellPixelWidth);
  const int row = editor_.viewOriginY + cellAt(at.y(), editor_.cellPixelHeight);
  editor_.zoomPercent = percent;
  FitGridViewToWindow();
  editor_.viewOriginX = column - cellAt(at.x(), editor_.cellPixelWidth);
  editor_.viewOriginY = row - cellAt(at.y(), editor_.cellPixelHeight);
  FitViewToGrid();
  grid_->RepaintGrid();
}

void MainWindow::FitScrollRanges() {
  if (document_.gridWidth > editor_.visibleColumns) {
    scrollBar1_->setMaximum(document_.gridWidth - editor_.visibleColumns + 1);
  }
  if (document_.gridHeight > editor_.visibleRows) {
    scrollBar2_->setMaximum(document_.gridHeight - editor_.visibleRows + 1);
  }
}

void MainWindow::FitViewToGrid() {
  scrollBar1_->setRange(1, std::max(1, document_.gridWidth - editor_.visibleColumns + 1));
  scrollBar2_->setRange(1, std::max(1, document_.gridHeight - editor_.visibleRows + 1));
  editor_.viewOriginX = std::clamp(editor_.viewOriginX, 1, scrollBar1_->maximum());
  editor_.viewOriginY = std::clamp(editor_.viewOriginY, 1, scrollBar2_->maximum());
  scrollBar1_->setValue(editor_.viewOriginX);
  scrollBar2_->setValue(editor_.viewOriginY);
}

// The origin moves only along the axes where the cell lies outside, and only
// as far as it must.
void MainWindow::RevealCell(CellPosition cell) {
  if (CellOnScreen(editor_, cell)) return;
  const auto nearest = [](int origin, int at, int visible) {
    if (at < origin) return at;
    if (at >= origin + visible) return at - visible + 1;
    return origin;
  };
  FitScrollRanges();
  editor_.viewOriginX = std::clamp(nearest(editor_.viewOriginX, cell.x, editor_.visibleColumns), 1,
                                   std::max(1, scrollBar1_->maximum()));
  editor_.viewOriginY = std::clamp(nearest(editor_.viewOriginY, cell.y, editor_.visibleRows), 1,
                                   std::max(1, scrollBar2_->maximum()));
  scrollBar1_->setValue(editor_.viewOriginX);
  scrollBar2_->setValue(editor_.viewOriginY);
  grid_->ScrollToOrigin();
}

// The wheel over the grid scrolls as over the scroll bars: vertically, and
// horizontally with Shift or a sideways wheel. With Ctrl it zooms, a step a
// notch, about the cell under the pointer.
void MainWindow::WheelOverGrid(const QWheelEvent& wheel) {
  QPoint delta = wheel.angleDelta();
  if (wheel.modifiers() & Qt::ControlModifier) {
    if (delta.y() == 0) return;
    const int percent = delta.y() > 0 ? LargerGridZoom(editor_.zoomPercent) : SmallerGridZoom(editor_.zoomPercent);
    ZoomGridView(percent, wheel.position().toPoint());
    return;
  }
  const bool sideways = delta.x() != 0 || (wheel.modifiers() & Qt::ShiftModifier);
  const int notches = (sideways ? (delta.x() != 0 ? delta.x() : delta.y()) : delta.y()) / 120;
  if (notches == 0) return;
  QScrollBar& bar = sideways ? *scrollBar1_ : *scrollBar2_;
  int& origin = sideways ? editor_.viewOriginX : editor_.viewOriginY;
  bar.setSliderPosition(bar.sliderPosition() - notches * QApplication::wheelScrollLines());
  ScrollEvent(bar, origin);
}

// The scroll bars' part of starting an empty document.
void MainWindow::ResetScrollBars() {
  for (QScrollBar* bar : {scrollBar1_, scrollBar2_}) bar->setRange(1, 1);
  scrollBar2_->resize(kScrollBarThickness, scrollBar2_->height());
  scrollBar1_->resize(scrollBar1_->width(), kScrollBarThickness);
  FitScrollRanges();
  scrollBar1_->setPageStep(editor_.visibleColumns - 2);
  scrollBar2_->setPageStep(editor_.visibleRows - 2);
}

// True when `key` moved the bar (a scroll event follows).
bool MainWindow::ScrollBarKey(QScrollBar& bar, int key) {
  for (const ScrollKey& scroll : kScrollKeys) {
    if (scroll.key == key) {
      bar.triggerAction(scroll.action);
      return true;
    }
  }
  return false;
}

// A user's move of a bar (mouse, wheel or keys) moves the view origin.
// Programmatic changes of a bar are no scroll events.
void MainWindow::ScrollEvent(QScrollBar& bar, int& viewOrigin) {
  viewOrigin = bar.maximum() > 1 ? bar.sliderPosition() : 1;
  grid_->ScrollToOrigin();
}

}  // namespace verstak
