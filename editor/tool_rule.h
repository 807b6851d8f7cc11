#pragma once
// How a palette tool changes one cell, and what has to be drawn at once to
// show the change. Drawing itself belongs to the grid view.

#include <cstdint>

#include "document/scanword_document.h"

namespace verstak {

enum class ToolDrawing {
  Nothing,    // the cell stays as it was
  EmptyCell,  // the cell was cleared: a white cell in its frame
  WholeCell,  // the cell's new kind, drawn over the whole cell
  Mark,       // an arrow drawn over what the cell shows
  BarMark,    // a bar drawn over what the cell shows
};

struct ToolEffect {
  ToolDrawing drawing = ToolDrawing::Nothing;
  std::uint8_t code = 0;  // the kind or mark to draw

  friend bool operator==(const ToolEffect&, const ToolEffect&) = default;
};

// Tool 0 and 15 clear the cell; 16, 19, 20, 23, 24 and 25 write their kind
// whatever the cell held; an arrow or a bar goes onto an empty cell, or joins
// a cell as its second mark where the overlay rule allows it. Tools outside
// 0..25 (the tool of clue editing among them) change nothing.
ToolEffect ApplyToolRule(int tool, GridCell& cell);

}  // namespace verstak
