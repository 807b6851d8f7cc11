#include "editor/grid_canvas.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace verstak {

GridCanvas::GridCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBrush(Qt::NoBrush);
  painter_.setPen(QPen(ScreenColour::Black, 0));
}

void GridCanvas::Reset() {
  penWidth_ = 1;
  brush_ = ScreenColour::White;
}

void GridCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  painter_.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), ScreenColour::Black);
  if (x2 - x1 > 2 && y2 - y1 > 2) painter_.fillRect(QRect(QPoint(x1 + 1, y1 + 1), QPoint(x2 - 2, y2 - 2)), brush_);
}

void GridCanvas::LineTo(int x, int y) {
  const QPoint target(x, y);
  const QPoint delta = target - current_;
  const QPoint beside = std::abs(delta.x()) >= std::abs(delta.y()) ? QPoint(0, -1) : QPoint(-1, 0);
  if ((delta.x() == 0) != (delta.y() == 0)) {
    // A level or upright line covers exactly the pixels of the rectangle
    // between its ends, the wide pen's second row or column included.
    QRect stroke(QPoint(std::min(current_.x(), x), std::min(current_.y(), y)),
                 QPoint(std::max(current_.x(), x), std::max(current_.y(), y)));
    if (penWidth_ >= 2) stroke.adjust(beside.x(), beside.y(), 0, 0);
    painter_.fillRect(stroke, ScreenColour::Black);
  } else {
    painter_.drawLine(current_, target);
    if (penWidth_ >= 2) painter_.drawLine(current_ + beside, target + beside);
  }
  current_ = target;
}

void GridCanvas::DrawPicture(int x, int y, const QImage& picture) { painter_.drawImage(QPoint(x, y), picture); }

void GridCanvas::ClipTo(const QRect& area) {
  if (area.isEmpty()) {
    painter_.setClipping(false);
  } else {
    painter_.setClipRect(area);
  }
}

}  // namespace verstak
