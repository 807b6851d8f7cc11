#include "editor/editor_state.h"

namespace verstak {

void EditorState::Reset() {
  mode = EditorMode::Idle;
  currentTool = ToolPicture;
  currentSlot = 1;
  cursorX = cursorY = 1;
  selectedCellX = selectedCellY = 1;
  viewOriginX = viewOriginY = 1;
  cellPixelWidth = cellPixelHeight = 40;
}

}  // namespace verstak
