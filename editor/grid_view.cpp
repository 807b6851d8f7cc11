#include "editor/grid_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "editor/grid_canvas.h"

namespace verstak {

GridView::GridView(const ScanwordDocument& document, const EditorState& editor, QWidget* parent)
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
  Draw([this](GridCanvas& canvas) {
    canvas.Reset();
    FillBackground(canvas);
    const int columns = std::min(document_.gridWidth - editor_.viewOriginX + 1, editor_.visibleColumns);
    const int rows = std::min(document_.gridHeight - editor_.viewOriginY + 1, editor_.visibleRows);
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < columns; ++c) {
        const CellPosition cell{editor_.viewOriginX + c, editor_.viewOriginY + r};
        DrawGridCell(canvas, CellBoxOf(editor_, cell), document_.cells.at(cell.x, cell.y));
      }
    }
  });
  if (highlightedClue_) DrawClue(*highlightedClue_, true);
}

// A bar mark on an arrow cell is drawn too, as placing it drew it, so that the
// screen never hides a mark the document holds.
void GridView::DrawGridCell(GridCanvas& canvas, const CellBox& box, const GridCell& cell) {
  verstak::DrawCellBase(canvas, box);
  verstak::DrawCell(canvas, box, Code(cell.kind));
  if (IsArrowCode(cell.overlay)) {
    verstak::DrawCell(canvas, box, cell.overlay);
  } else if (IsBarCode(cell.overlay)) {
    verstak::DrawBarMark(canvas, box, cell.overlay);
  }
}

void GridView::RepaintCell(CellPosition cell) {
  if (!CellOnScreen(editor_, cell) || !document_.insideGrid(cell.x, cell.y)) return;
  Draw([&](GridCanvas& canvas) {
    canvas.Reset();
    DrawGridCell(canvas, CellBoxOf(editor_, cell), document_.cells.at(cell.x, cell.y));
  });
  if (highlightedClue_ && highlightedClue_->cell == cell) DrawClue(*highlightedClue_, true);
}

void GridView::DrawCellBase(const CellBox& box) {
  Draw([&](GridCanvas& canvas) { verstak::DrawCellBase(canvas, box); });
}

void GridView::DrawCell(const CellBox& box, std::uint8_t code, const CellHighlight& highlight) {
  Draw([&](GridCanvas& canvas) { verstak::DrawCell(canvas, box, code, highlight); });
}

void GridView::DrawBarMark(const CellBox& box, std::uint8_t code) {
  Draw([&](GridCanvas& canvas) { verstak::DrawBarMark(canvas, box, code); });
}

void GridView::DrawClue(const HighlightedClue& clue, bool highlighted) {
  if (!CellOnScreen(editor_, clue.cell)) return;
  const CellKind kind = document_.cells.at(clue.cell.x, clue.cell.y).kind;
  DrawCell(CellBoxOf(editor_, clue.cell), Code(kind), {highlighted, clue.half});
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
