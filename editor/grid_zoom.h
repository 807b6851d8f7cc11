#pragma once
// The grid view's zoom. The cells are always drawn at their own size into
// the view's kept picture; the view shows that picture scaled. Each step
// makes the 40-pixel cell a whole number of pixels, so that cell edges fall
// on pixel edges at every zoom and a click finds its cell exactly.

namespace verstak {

// In per cent of the cell's own size.
inline constexpr int kGridZoomSteps[] = {50, 75, 100, 125, 150, 175, 200};
inline constexpr int kGridZoomActualSize = 100;

// The step after `percent` up (down); the largest (smallest) step stays.
int LargerGridZoom(int percent);
int SmallerGridZoom(int percent);

// `pixels` of the picture as the view shows them, at a picture's edge.
int PictureToView(int pixels, int percent);
// The picture's pixel under the view's pixel `pixel`; left of (above) the
// view stays left of (above) the picture.
int ViewToPicture(int pixel, int percent);
// The first view pixel past the picture's pixels before `edge`: a picture
// area [a, b) covers the view's [PictureToView(a), ViewEdgeAfter(b)).
int ViewEdgeAfter(int edge, int percent);

}  // namespace verstak
