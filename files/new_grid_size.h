#pragma once
// The checks behind the new grid dialog's OK: two typed numbers become a grid
// size of 1..99 by 1..99, or the message for the first bad field.

#include <optional>
#include <string_view>

#include "document/user_message.h"

namespace verstak {

struct GridSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const GridSize&, const GridSize&) = default;
};

// The outcome of OK: a size to start or a message to show.
struct NewGridCheck {
  std::optional<GridSize> size;
  Failure failure;
};

// Field texts as typed (UTF-8). Blanks at both ends are dropped; an empty
// field is refused like any text that is no number. The width is checked
// first and a bad width ends the check.
NewGridCheck CheckNewGridSize(std::string_view widthText, std::string_view heightText);

}  // namespace verstak
