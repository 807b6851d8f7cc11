#include "editor/view_cells.h"

namespace verstak {

bool PointToCell(EditorState& editor, int x, int y) {
  if (x < 0 || y < 0) return false;
  const int column = x / editor.cellPixelWidth + 1;
  const int row = y / editor.cellPixelHeight + 1;
  if (column > editor.visibleColumns || row > editor.visibleRows) return false;
  editor.cursorX = editor.viewOriginX + column - 1;
  editor.cursorY = editor.viewOriginY + row - 1;
  editor.cellLeft = (column - 1) * editor.cellPixelWidth;
  editor.cellTop = (row - 1) * editor.cellPixelHeight;
  return true;
}

void SetCorner(EditorState& editor, int x, int y) {
  editor.cellLeft = (x - editor.viewOriginX) * editor.cellPixelWidth;
  editor.cellTop = (y - editor.viewOriginY) * editor.cellPixelHeight;
}

bool CellOnScreen(const EditorState& editor, int x, int y) {
  return x >= editor.viewOriginX && x < editor.viewOriginX + editor.visibleColumns && y >= editor.viewOriginY &&
         y < editor.viewOriginY + editor.visibleRows;
}

}  // namespace verstak
