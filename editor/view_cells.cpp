#include "editor/view_cells.h"

namespace verstak {

std::optional<CellPosition> PointToCell(const EditorState& editor, int x, int y) {
  if (x < 0 || y < 0) return std::nullopt;
  const int column = x / editor.cellPixelWidth + 1;
  const int row = y / editor.cellPixelHeight + 1;
  if (column > editor.visibleColumns || row > editor.visibleRows) return std::nullopt;
  return CellPosition{editor.viewOriginX + column - 1, editor.viewOriginY + row - 1};
}

CellBox CellBoxOf(const EditorState& editor, CellPosition cell) {
  return {(cell.x - editor.viewOriginX) * editor.cellPixelWidth, (cell.y - editor.viewOriginY) * editor.cellPixelHeight,
          editor.cellPixelWidth, editor.cellPixelHeight};
}

bool CellOnScreen(const EditorState& editor, CellPosition cell) {
  return cell.x >= editor.viewOriginX && cell.x < editor.viewOriginX + editor.visibleColumns &&
         cell.y >= editor.viewOriginY && cell.y < editor.viewOriginY + editor.visibleRows;
}

}  // namespace verstak
