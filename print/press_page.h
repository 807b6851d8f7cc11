#pragma once
// The boxes of a page for the press. The trim is the finished page; the
// bleed runs beyond it on every side (left white: the grid's frame lies
// inside the trim); the media holds the bleed and, when asked, the crop
// marks outside it. Millimetres from the media's top-left corner, y down.

#include <array>
#include <optional>
#include <vector>

#include "document/user_message.h"
#include "print/print_drawing.h"
#include "print/print_geometry.h"
#include "print/press_settings.h"

namespace verstak {

inline constexpr double kCropMarkGap = 1.0;     // mm from the bleed's edge to a mark
inline constexpr double kCropMarkLength = 5.0;  // mm
inline constexpr double kCropMarkWidth = 0.1;   // mm

struct PressPage {
  double mediaWidth = 0;
  double mediaHeight = 0;
  PageBox bleed;
  PageBox trim;
};

// The page around a trim of `width` × `height` mm; every box edge and the
// bleed fall on 1/32 pt.
PressPage PageAroundTrim(double width, double height, const PressSettings& press);

// What of a drawing must lie inside the trim: its page (the grid and its
// margin) and the half of the frame's line outside the grid. In the
// drawing's own coordinates.
PageBox DrawingExtent(const Drawing& drawing);

// A drawing on a page: its own top-left corner (0, 0) lands on `origin`.
struct PlacedDrawing {
  const Drawing* drawing = nullptr;
  PagePoint origin;
};

struct PuzzlePage {
  PressPage page;
  PlacedDrawing placed;
};

struct PuzzlePageOutcome {
  std::optional<PuzzlePage> page;
  Failure failure;  // the puzzle is larger than the paper
};

// The one page of a puzzle: its extent is the trim, or it is centred on the
// paper of the settings.
PuzzlePageOutcome PuzzlePageOf(const Drawing& drawing, const PressSettings& press);

// Two lines at each corner of the trim, along its edges, outside the bleed.
std::vector<std::array<PagePoint, 2>> CropMarks(const PressPage& page);

}  // namespace verstak
