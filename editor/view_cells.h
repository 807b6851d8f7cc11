#pragma once
// Between pixels of the grid view and cells of the grid: the view shows
// visibleColumns x visibleRows whole cells from the view origin on.

#include <optional>

#include "editor/cell_drawing.h"
#include "editor/editor_state.h"

namespace verstak {

// A cell of the grid: column x and row y, from 1.
struct CellPosition {
  int x = 1;
  int y = 1;

  friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// The cell under pixel (x, y) of the grid view. A point outside the view's
// whole cells (left of or above the view, or past its last whole column or
// row, as a drag can report) addresses no cell.
std::optional<CellPosition> PointToCell(const EditorState& editor, int x, int y);

// Where grid cell `cell` is drawn in the view; it may lie outside the view.
CellBox CellBoxOf(const EditorState& editor, CellPosition cell);

// True when grid cell `cell` is one of the whole cells the view shows.
bool CellOnScreen(const EditorState& editor, CellPosition cell);

}  // namespace verstak
