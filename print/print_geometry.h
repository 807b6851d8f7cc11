#pragma once
// Places on the printed page: millimetres from the page's top-left corner,
// y pointing down.

namespace verstak {

inline constexpr double kMillimetresPerPoint = 25.4 / 72;

struct PagePoint {
  double x = 0;
  double y = 0;

  friend bool operator==(const PagePoint&, const PagePoint&) = default;
};

struct PageBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  double width() const { return right - left; }
  double height() const { return bottom - top; }
  PagePoint centre() const { return {(left + right) / 2, (top + bottom) / 2}; }

  friend bool operator==(const PageBox&, const PageBox&) = default;
};

}  // namespace verstak
