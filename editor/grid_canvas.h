#pragma once
// A drawing surface with the semantics the cell pictures are defined in: a
// pen (always black, width 1 or 2), a brush, rectangles that fill and outline
// exactly the pixels x1 <= x < x2, y1 <= y < y2, lines from a current point
// and small pictures with transparent pixels. No anti-aliasing anywhere.

#include <QColor>
#include <QPoint>
#include <QRect>

#include "widgets/screen_colours.h"

class QImage;
class QPainter;

namespace verstak {

class GridCanvas {
 public:
  // Draws through `painter`, which must stay active while the canvas is used.
  explicit GridCanvas(QPainter& painter);

  // Pen black, width 1; brush white.
  void Reset();
  void SetPenWidth(int width) { penWidth_ = width; }
  void SetBrush(const QColor& colour) { brush_ = colour; }

  // Fills x1 <= x < x2, y1 <= y < y2 with the brush and outlines those same
  // pixels with the 1-pixel pen (rectangles are never drawn with the wide pen).
  void Rectangle(int x1, int y1, int x2, int y2);
  void MoveTo(int x, int y) { current_ = {x, y}; }
  // Both end points are drawn. A 2-pixel pen adds the row above a flat line
  // and the column left of a steep one, so that a stroke is centred where the
  // arrowheads are.
  void LineTo(int x, int y);
  // Black pixels of `picture` are drawn; transparent ones leave the canvas.
  void DrawPicture(int x, int y, const QImage& picture);

  // Drawing outside `area` is dropped, so that a cell never spills into its
  // neighbours; an empty rectangle lifts the limit.
  void ClipTo(const QRect& area);

 private:
  QPainter& painter_;
  int penWidth_ = 1;
  QColor brush_ = ScreenColour::White;
  QPoint current_;
};

}  // namespace verstak
