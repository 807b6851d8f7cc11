#pragma once
// Between pixels of the grid view and cells of the grid: the view shows
// visibleColumns x visibleRows whole cells from the view origin on.

#include "editor/editor_state.h"

namespace verstak {

// The cell under pixel (x, y) of the grid view becomes the cursor cell, and
// its pixel corner the corner the drawing routines use. A point outside the
// view's whole cells (left of or above the view, or past its last whole
// column or row, as a drag can report) addresses no cell: it returns false
// and leaves the cursor alone.
bool PointToCell(EditorState& editor, int x, int y);

// cellLeft and cellTop := the pixel corner of grid cell (x, y), which may lie
// outside the view.
void SetCorner(EditorState& editor, int x, int y);

// True when grid cell (x, y) is one of the whole cells the view shows.
bool CellOnScreen(const EditorState& editor, int x, int y);

}  // namespace verstak
