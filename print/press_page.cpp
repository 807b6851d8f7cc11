#include "print/press_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace verstak {
namespace {

// To 1/32 pt, which a reader's floating point holds exactly: a nesting check
// that adds and subtracts the boxes (Ghostscript's PDF/X check does) then
// sees them nested however close they lie.
double Exact(double millimetres) {
  constexpr double kPoints = 72 / 25.4;
  return std::round(millimetres * kPoints * 32) / 32 / kPoints;
}

double MarkRoom(const PressSettings& press) { return press.cropMarks ? kCropMarkGap + kCropMarkLength : 0; }

std::string Millimetres(double width, double height) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f × %.1f мм", width, height);
  std::string written = text;
  std::ranges::replace(written, '.', ',');
  return written;
}

}  // namespace

PressPage PageAroundTrim(double width, double height, const PressSettings& press) {
  const double bleed = Exact(press.bleed);
  const double outside = bleed + Exact(MarkRoom(press));
  width = Exact(width);
  height = Exact(height);
  PressPage page;
  page.mediaWidth = width + 2 * outside;
  page.mediaHeight = height + 2 * outside;
  page.trim = {outside, outside, outside + width, outside + height};
  page.bleed = {page.trim.left - bleed, page.trim.top - bleed, page.trim.right + bleed, page.trim.bottom + bleed};
  return page;
}

PageBox DrawingExtent(const Drawing& drawing) {
  const double half = drawing.lineWidth / 2;
  return {-half, -half, drawing.pageWidth + half, drawing.pageHeight + half};
}

PuzzlePageOutcome PuzzlePageOf(const Drawing& drawing, const PressSettings& press) {
  const PageBox extent = DrawingExtent(drawing);
  const double width = press.paper ? press.paper->width : extent.width();
  const double height = press.paper ? press.paper->height : extent.height();
  // A thousandth of a millimetre is left to the rounding of the sizes.
  constexpr double kRounding = 0.001;
  if (extent.width() > width + kRounding || extent.height() > height + kRounding) {
    return {std::nullopt, UserMessage::Error("Сканворд (" + Millimetres(extent.width(), extent.height()) +
                                             ") не помещается на страницу " + Millimetres(width, height))};
  }
  PuzzlePage made{PageAroundTrim(width, height, press), {&drawing, {}}};
  made.placed.origin = {made.page.trim.left + (width - extent.width()) / 2 - extent.left,
                        made.page.trim.top + (height - extent.height()) / 2 - extent.top};
  return {made, std::nullopt};
}

std::vector<std::array<PagePoint, 2>> CropMarks(const PressPage& page) {
  const double near = page.trim.left - page.bleed.left + kCropMarkGap;
  const double far = near + kCropMarkLength;
  std::vector<std::array<PagePoint, 2>> marks;
  for (const double x : {page.trim.left, page.trim.right}) {
    for (const double y : {page.trim.top, page.trim.bottom}) {
      const double outwardX = x == page.trim.left ? -1 : 1;
      const double outwardY = y == page.trim.top ? -1 : 1;
      marks.push_back({PagePoint{x + outwardX * near, y}, PagePoint{x + outwardX * far, y}});
      marks.push_back({PagePoint{x, y + outwardY * near}, PagePoint{x, y + outwardY * far}});
    }
  }
  return marks;
}

}  // namespace verstak
