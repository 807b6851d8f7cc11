#include "editor/grid_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "editor/grid_canvas.h"

namespace verstak {

GridView::GridView(const ScanwordDocument& document, EditorState& editor, QWidget* parent)
    : QWidget(parent), document_(document), editor_(editor) {
  setObjectName(QStringLiteral("PaintBox1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_ = QImage(1, 1, QImage::Format_RGB32);
  canvas_.fill(ScreenColour::Grey);
}

void GridView::Draw(const std::function<void(GridCanvas&)>& draw) {
  FitCanvas();
  {
    QPainter painter(&canvas_);
    GridCanvas canvas(painter);
    draw(canvas);
  }
  update();
}

// The whole view, not only the square of its width: a view taller than wide
// would otherwise keep stale cells below that square.
void GridView::FillBackground(GridCanvas& canvas) {
  canvas.SetBrush(ScreenColour::Grey);
  canvas.Rectangle(0, 0, canvas_.width(), canvas_.height());
}

void GridView::ClearPaintArea() {
  Draw([this](GridCanvas& canvas) {
    FillBackground(canvas);
    canvas.Reset();
  });
}

void GridView::RepaintGrid() {
  const int savedLeft = editor_.cellLeft;
  const int savedTop = editor_.cellTop;
  Draw([this](GridCanvas& canvas) {
    canvas.Reset();
    FillBackground(canvas);
    editor_.cellLeft = 0;
    editor_.cellTop = 0;
    const int columns = std::min(document_.gridWidth - editor_.viewOriginX + 1, editor_.visibleColumns);
    const int rows = std::min(document_.gridHeight - editor_.viewOriginY + 1, editor_.visibleRows);
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= columns; ++c) {
        DrawGridCell(canvas, document_.cells.at(editor_.viewOriginX + c - 1, editor_.viewOriginY + r - 1));
        editor_.cellLeft += editor_.cellPixelWidth;
      }
      editor_.cellLeft = 0;
      editor_.cellTop += editor_.cellPixelHeight;
    }
  });
  if (editor_.mode == ModeClueEditing && selectClue_) {
    editor_.cellLeft = (editor_.selectedCellX - editor_.viewOriginX) * editor_.cellPixelWidth;
    editor_.cellTop = (editor_.selectedCellY - editor_.viewOriginY) * editor_.cellPixelHeight;
    selectClue_();
  }
  editor_.cellLeft = savedLeft;
  editor_.cellTop = savedTop;
}

// A bar mark on an arrow cell is drawn too, as placing it drew it, so that the
// screen never hides a mark the document holds.
void GridView::DrawGridCell(GridCanvas& canvas, const GridCell& cell) {
  const CellBox box = CurrentCell();
  verstak::DrawCellBase(canvas, box);
  verstak::DrawCell(canvas, box, Code(cell.kind));
  if (IsArrowCode(cell.overlay)) {
    verstak::DrawCell(canvas, box, cell.overlay);
  } else if (IsBarCode(cell.overlay)) {
    verstak::DrawBarMark(canvas, box, cell.overlay);
  }
}

CellBox GridView::CurrentCell() const {
  return {editor_.cellLeft, editor_.cellTop, editor_.cellPixelWidth, editor_.cellPixelHeight};
}

void GridView::DrawCellBase() {
  Draw([this](GridCanvas& canvas) { verstak::DrawCellBase(canvas, CurrentCell()); });
}

void GridView::DrawCell(std::uint8_t code) {
  const CellHighlight highlight{editor_.highlight, editor_.selectedHalf};
  Draw([&](GridCanvas& canvas) { verstak::DrawCell(canvas, CurrentCell(), code, highlight); });
}

void GridView::DrawBarMark(std::uint8_t code) {
  Draw([&](GridCanvas& canvas) { verstak::DrawBarMark(canvas, CurrentCell(), code); });
}

void GridView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_, event->rect());
}

// A hidden widget hears of its new size only when shown again, so the
// drawing operations fit the canvas themselves. The kept picture stays where
// it was; new area is grey until the next repaint.
void GridView::FitCanvas() {
  if (canvas_.size() == size() || size().isEmpty()) return;
  QImage resized(size(), QImage::Format_RGB32);
  resized.fill(ScreenColour::Grey);
  QPainter(&resized).drawImage(QPoint(0, 0), canvas_);
  canvas_ = std::move(resized);
}

void GridView::resizeEvent(QResizeEvent*) { FitCanvas(); }

void GridView::mousePressEvent(QMouseEvent* event) { emit mousePressed(event->position().toPoint()); }

void GridView::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event->position().toPoint()); }

void GridView::mouseReleaseEvent(QMouseEvent*) { emit mouseReleased(); }

}  // namespace verstak
