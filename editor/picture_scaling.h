#pragma once
// The grid view's kept picture scaled for the window, by a fraction
// `to`/`from` of whole pixels (a 40-pixel cell to 20, 30, 50 … pixels).
// Smaller: each pixel the mean of the picture's pixels it covers, weighted by
// how much of each, so that no one-pixel line drops out. Larger: each pixel
// the picture's pixel under its centre, as sharp as at the cells' own size.
// Exact in whole numbers, so that a cell scaled alone looks as it does
// scaled with its neighbours.

class QImage;
class QRect;

namespace verstak {

// `area` of `picture` (Format_RGB32), its sides multiples of `from`.
QImage ScaledPicture(const QImage& picture, const QRect& area, int to, int from);

}  // namespace verstak
