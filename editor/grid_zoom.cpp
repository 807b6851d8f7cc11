#include "editor/grid_zoom.h"

#include <iterator>

namespace verstak {
namespace {

// Rounds towards minus infinity, as pixels left of the view need.
int FloorDivide(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  return numerator % denominator != 0 && (numerator < 0) != (denominator < 0) ? quotient - 1 : quotient;
}

}  // namespace

int LargerGridZoom(int percent) {
  for (const int step : kGridZoomSteps) {
    if (step > percent) return step;
  }
  return kGridZoomSteps[std::size(kGridZoomSteps) - 1];
}

int SmallerGridZoom(int percent) {
  int smaller = kGridZoomSteps[0];
  for (const int step : kGridZoomSteps) {
    if (step < percent) smaller = step;
  }
  return smaller;
}

int PictureToView(int pixels, int percent) { return FloorDivide(pixels * percent, 100); }

int ViewToPicture(int pixel, int percent) { return FloorDivide(pixel * 100, percent); }

int ViewEdgeAfter(int edge, int percent) { return -FloorDivide(-edge * percent, 100); }

}  // namespace verstak
