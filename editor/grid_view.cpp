#include "editor/grid_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cstring>

#include "editor/clue_answer.h"
#include "editor/grid_canvas.h"
#include "editor/grid_zoom.h"
#include "editor/picture_scaling.h"

namespace verstak {
namespace {

// Moves the pixels of `area` by (dx, dy) inside it. Pixels moved past its
// edges are dropped; the strip that comes free keeps what it held.
void MovePixels(QImage& image, const QRect& area, int dx, int dy) {
  const QRect to = area.translated(dx, dy) & area;
  if (to.isEmpty()) return;
  const QRect from = to.translated(-dx, -dy);
  const int bytesPerPixel = image.depth() / 8;
  const auto length = static_cast<std::size_t>(to.width() * bytesPerPixel);
  const auto row = [&](int y) {
    std::memmove(image.scanLine(to.top() + y) + to.left() * bytesPerPixel,
                 image.constScanLine(from.top() + y) + from.left() * bytesPerPixel, length);
  };
  // Rows in the order that reads each source row before it is overwritten.
  if (dy > 0) {
    for (int y = to.height() - 1; y >= 0; --y) row(y);
  } else {
    for (int y = 0; y < to.height(); ++y) row(y);
  }
}

int Shown(const GridCell& cell) { return Code(cell.kind) | cell.overlay << 8; }

}  // namespace

GridView::GridView(const ScanwordDocument& document, const EditorState& editor, QWidget* parent)
    : QWidget(parent), document_(document), editor_(editor) {
  setObjectName(QStringLiteral("PaintBox1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_ = QImage(1, 1, QImage::Format_RGB32);
  canvas_.fill(ScreenColour::Grey);
}

void GridView::DrawInBox(const CellBox& box, const std::function<void(GridCanvas&)>& draw) {
  FitCanvas();
  {
    QPainter painter(&canvas_);
    GridCanvas canvas(painter);
    draw(canvas);
  }
  const QRect area(box.left, box.top, box.width, box.height);
  Forget(area);
  update(ToView(area));
}

// The whole view, not only the square of its width: a view taller than wide
// would otherwise keep stale cells below that square. The frame is the
// outline of one rectangle over the whole view.
void GridView::FillBackground(QPainter& painter, const QRect& area) {
  const QRect view = canvas_.rect();
  painter.fillRect(area & view.adjusted(1, 1, -1, -1), ScreenColour::Grey);
  const QRect frame[] = {{0, 0, view.width(), 1},
                         {0, view.height() - 1, view.width(), 1},
                         {0, 0, 1, view.height()},
                         {view.width() - 1, 0, 1, view.height()}};
  for (const QRect& edge : frame) painter.fillRect(edge & area, ScreenColour::Black);
}

void GridView::ClearPaintArea() {
  FitCanvas();
  {
    QPainter painter(&canvas_);
    FillBackground(painter, canvas_.rect());
  }
  Forget(canvas_.rect());
  update();
}

// The ground only where no cell lies, the bases of all cells at once: every
// pixel is drawn about once.
void GridView::RepaintGrid() {
  FitCanvas();
  const int width = editor_.cellPixelWidth;
  const int height = editor_.cellPixelHeight;
  int columns = std::min(document_.gridWidth - editor_.viewOriginX + 1, editor_.visibleColumns);
  int rows = std::min(document_.gridHeight - editor_.viewOriginY + 1, editor_.visibleRows);
  if (columns <= 0 || rows <= 0) columns = rows = 0;
  {
    QPainter painter(&canvas_);
    const QRect view = canvas_.rect();
    FillBackground(painter, {columns * width, 0, view.width(), view.height()});
    FillBackground(painter, {0, rows * height, columns * width, view.height()});
    GridCanvas canvas(painter);
    DrawCellBases(canvas, CellBoxOf(editor_, {editor_.viewOriginX, editor_.viewOriginY}), columns, rows);
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < columns; ++c) {
        const CellPosition cell{editor_.viewOriginX + c, editor_.viewOriginY + r};
        DrawGridCell(canvas, CellBoxOf(editor_, cell), document_.cells.at(cell.x, cell.y), false);
      }
    }
  }
  shown_ = {true, editor_.viewOriginX, editor_.viewOriginY, editor_.visibleColumns, editor_.visibleRows, {}};
  shown_.cells.resize(static_cast<std::size_t>(std::max(0, shown_.columns * shown_.rows)));
  for (int r = 0; r < shown_.rows; ++r) {
    for (int c = 0; c < shown_.columns; ++c) shown_.at(c, r) = Wanted(c, r);
  }
  update();
  if (highlightedClue_) DrawClue(*highlightedClue_, true);
}

int GridView::Wanted(int column, int row) const {
  const CellPosition cell{editor_.viewOriginX + column, editor_.viewOriginY + row};
  return document_.insideGrid(cell.x, cell.y) ? Shown(document_.cells.at(cell.x, cell.y)) : kGround;
}

void GridView::ScrollToOrigin() {
  FitCanvas();
  const QRect cellArea(0, 0, editor_.visibleColumns * editor_.cellPixelWidth,
                       editor_.visibleRows * editor_.cellPixelHeight);
  // Cells cut off by the view's edge could not be moved whole.
  if (!shown_.valid || shown_.columns != editor_.visibleColumns || shown_.rows != editor_.visibleRows ||
      !canvas_.rect().contains(cellArea)) {
    RepaintGrid();
    return;
  }
  const int dx = (shown_.originX - editor_.viewOriginX) * editor_.cellPixelWidth;
  const int dy = (shown_.originY - editor_.viewOriginY) * editor_.cellPixelHeight;
  if (dx != 0 || dy != 0) {
    MovePixels(canvas_, cellArea, dx, dy);
    MoveShownCells();
    // The window moves what it shows too and paints only the strip that
    // came free.
    scroll(PictureToView(dx, editor_.zoomPercent), PictureToView(dy, editor_.zoomPercent), ToView(cellArea));
  }
  QRegion drawn;
  {
    QPainter painter(&canvas_);
    GridCanvas canvas(painter);
    for (int r = 0; r < shown_.rows; ++r) {
      for (int c = 0; c < shown_.columns; ++c) {
        const int wanted = Wanted(c, r);
        if (shown_.at(c, r) == wanted) continue;
        const CellPosition cell{editor_.viewOriginX + c, editor_.viewOriginY + r};
        const CellBox box = CellBoxOf(editor_, cell);
        if (wanted == kGround) {
          FillBackground(painter, {box.left, box.top, box.width, box.height});
        } else {
          DrawGridCell(canvas, box, document_.cells.at(cell.x, cell.y));
        }
        shown_.at(c, r) = wanted;
        drawn += QRect(box.left, box.top, box.width, box.height);
      }
    }
  }
  update(ToView(drawn));
  if (highlightedClue_) DrawClue(*highlightedClue_, true);
}

void GridView::MoveShownCells() {
  const int dc = shown_.originX - editor_.viewOriginX;
  const int dr = shown_.originY - editor_.viewOriginY;
  std::vector<int> moved(shown_.cells.size(), kUnknown);
  for (int r = 0; r < shown_.rows; ++r) {
    for (int c = 0; c < shown_.columns; ++c) {
      const int fromColumn = c - dc;
      const int fromRow = r - dr;
      if (fromColumn < 0 || fromColumn >= shown_.columns || fromRow < 0 || fromRow >= shown_.rows) continue;
      const int was = shown_.at(fromColumn, fromRow);
      moved[static_cast<std::size_t>(r * shown_.columns + c)] = was == kGround ? kUnknown : was;
    }
  }
  shown_.cells = std::move(moved);
  shown_.originX = editor_.viewOriginX;
  shown_.originY = editor_.viewOriginY;
}

void GridView::Forget(const QRect& area) {
  const int width = editor_.cellPixelWidth;
  const int height = editor_.cellPixelHeight;
  const QRect touched = area & QRect(0, 0, shown_.columns * width, shown_.rows * height);
  if (!shown_.valid || touched.isEmpty()) return;
  for (int r = touched.top() / height; r <= touched.bottom() / height; ++r) {
    for (int c = touched.left() / width; c <= touched.right() / width; ++c) shown_.at(c, r) = kUnknown;
  }
}

// A bar mark on an arrow cell is drawn too, as placing it drew it, so that the
// screen never hides a mark the document holds.
void GridView::DrawGridCell(GridCanvas& canvas, const CellBox& box, const GridCell& cell, bool withBase) {
  if (withBase) verstak::DrawCellBase(canvas, box);
  verstak::DrawCell(canvas, box, Code(cell.kind));
  if (IsArrowCode(cell.overlay)) {
    verstak::DrawCell(canvas, box, cell.overlay);
  } else if (IsBarCode(cell.overlay)) {
    verstak::DrawBarMark(canvas, box, cell.overlay);
  }
}

void GridView::RepaintCell(CellPosition cell) {
  if (!CellOnScreen(editor_, cell) || !document_.insideGrid(cell.x, cell.y)) return;
  const CellBox box = CellBoxOf(editor_, cell);
  DrawInBox(box, [&](GridCanvas& canvas) {
    canvas.Reset();
    DrawGridCell(canvas, box, document_.cells.at(cell.x, cell.y));
  });
  if (highlightedClue_ && highlightedClue_->cell == cell) DrawClue(*highlightedClue_, true);
}

void GridView::DrawCellBase(const CellBox& box) {
  DrawInBox(box, [&](GridCanvas& canvas) { verstak::DrawCellBase(canvas, box); });
}

void GridView::DrawCell(const CellBox& box, std::uint8_t code, const CellHighlight& highlight) {
  DrawInBox(box, [&](GridCanvas& canvas) { verstak::DrawCell(canvas, box, code, highlight); });
}

void GridView::DrawBarMark(const CellBox& box, std::uint8_t code) {
  DrawInBox(box, [&](GridCanvas& canvas) { verstak::DrawBarMark(canvas, box, code); });
}

void GridView::DrawClue(const HighlightedClue& clue, bool highlighted) {
  if (!CellOnScreen(editor_, clue.cell)) return;
  const CellKind kind = document_.cells.at(clue.cell.x, clue.cell.y).kind;
  DrawCell(CellBoxOf(editor_, clue.cell), Code(kind), {highlighted, clue.half});
}

// Each rectangle of the region by itself: two cells far apart do not copy
// everything between them.
void GridView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& area : event->region()) {
    if (editor_.zoomPercent == kGridZoomActualSize) {
      painter.drawImage(area.topLeft(), canvas_, area);
    } else {
      PaintScaled(painter, area);
    }
  }
  for (const CellPosition& cell : faultMarks_) {
    if (!CellOnScreen(editor_, cell)) continue;
    const CellBox box = CellBoxOf(editor_, cell);
    const int width = chosenFault_ == cell ? 4 : 2;
    const QRect outer = ToView(QRect(box.left, box.top, box.width, box.height));
    const QRect inner = outer.adjusted(width, width, -width, -width);
    for (const QRect& edge : {QRect(outer.left(), outer.top(), outer.width(), width),
                              QRect(outer.left(), inner.bottom() + 1, outer.width(), width),
                              QRect(outer.left(), outer.top(), width, outer.height()),
                              QRect(inner.right() + 1, outer.top(), width, outer.height())}) {
      painter.fillRect(edge, ScreenColour::Red);
    }
  }
}

// The picture holds whole cells past the view's edges at every zoom but
// 100 %, so that the area widened to whole cells is always there to scale.
void GridView::PaintScaled(QPainter& painter, const QRect& area) {
  const int percent = editor_.zoomPercent;
  const int cellWidth = PictureToView(editor_.cellPixelWidth, percent);
  const int cellHeight = PictureToView(editor_.cellPixelHeight, percent);
  const auto down = [](int at, int step) { return at / step * step; };
  const auto up = [](int at, int step) { return (at + step - 1) / step * step; };
  const QRect cells(QPoint(down(area.left(), cellWidth), down(area.top(), cellHeight)),
                    QPoint(up(area.right() + 1, cellWidth) - 1, up(area.bottom() + 1, cellHeight) - 1));
  const QRect source(ToPicture(cells.topLeft()), ToPicture(cells.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
  if (!canvas_.rect().contains(source)) return;
  painter.save();
  painter.setClipRect(area);
  painter.drawImage(cells.topLeft(), ScaledPicture(canvas_, source, cellWidth, editor_.cellPixelWidth));
  painter.restore();
}

QRect GridView::ToView(const QRect& picture) const {
  const int percent = editor_.zoomPercent;
  return QRect(QPoint(PictureToView(picture.left(), percent), PictureToView(picture.top(), percent)),
               QPoint(ViewEdgeAfter(picture.right() + 1, percent) - 1, ViewEdgeAfter(picture.bottom() + 1, percent) - 1));
}

QRegion GridView::ToView(const QRegion& picture) const {
  QRegion view;
  for (const QRect& area : picture) view += ToView(area);
  return view;
}

QPoint GridView::ToPicture(QPoint view) const {
  return {ViewToPicture(view.x(), editor_.zoomPercent), ViewToPicture(view.y(), editor_.zoomPercent)};
}

void GridView::setFaultMarks(std::vector<CellPosition> cells, std::optional<CellPosition> chosen) {
  faultMarks_ = std::move(cells);
  chosenFault_ = chosen;
  update();
}

bool GridView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QPoint at = ToPicture(help->pos());
  const std::optional<CellPosition> cell = PointToCell(editor_, at.x(), at.y());
  const QString tip = cell && document_.insideGrid(cell->x, cell->y) ? ClueCellTip(document_, cell->x, cell->y)
                                                                     : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this);
  }
  return true;
}

// A hidden widget hears of its new size only when shown again, so the
// drawing operations fit the canvas themselves. The kept picture stays where
// it was; new area is grey until the next repaint. Zoomed, the picture is
// whole cells covering the view.
void GridView::FitCanvas() {
  if (size().isEmpty()) return;
  QSize fitting = size();
  if (editor_.zoomPercent != kGridZoomActualSize) {
    const int cellWidth = PictureToView(editor_.cellPixelWidth, editor_.zoomPercent);
    const int cellHeight = PictureToView(editor_.cellPixelHeight, editor_.zoomPercent);
    fitting = {(width() + cellWidth - 1) / cellWidth * editor_.cellPixelWidth,
               (height() + cellHeight - 1) / cellHeight * editor_.cellPixelHeight};
  }
  if (canvas_.size() == fitting) return;
  QImage resized(fitting, QImage::Format_RGB32);
  resized.fill(ScreenColour::Grey);
  QPainter(&resized).drawImage(QPoint(0, 0), canvas_);
  canvas_ = std::move(resized);
  shown_.valid = false;
}

void GridView::resizeEvent(QResizeEvent*) { FitCanvas(); }

void GridView::mousePressEvent(QMouseEvent* event) { emit mousePressed(ToPicture(event->position().toPoint())); }

void GridView::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(ToPicture(event->position().toPoint())); }

void GridView::mouseReleaseEvent(QMouseEvent*) { emit mouseReleased(); }

}  // namespace verstak
