#pragma once
// The editing state the editor window's parts share: interaction mode, tool,
// cursor, view origin, clue-editing selection. Plain data without Qt, so that
// the tests reach it. Whether the document has unsaved changes is the
// document session's.

namespace verstak {

enum class EditorMode {
  Idle,
  Painting,  // a mouse button is held over the grid view
  ClueEditing,
};

inline constexpr int ToolNone = 50;  // the tool while clue editing: applies nothing
inline constexpr int ToolPicture = 23;

struct EditorState {
  EditorMode mode = EditorMode::Idle;
  int currentTool = ToolPicture;
  int cursorX = 1;
  int cursorY = 1;
  int viewOriginX = 1;
  int viewOriginY = 1;
  int visibleColumns = 12;
  int visibleRows = 12;
  int cellPixelWidth = 40;
  int cellPixelHeight = 40;
  int zoomPercent = 100;  // the grid view's, one of kGridZoomSteps
  int currentSlot = 1;
  int cellClueCount = 1;  // 1 or 2: clue slots of the clue cell last located
  int selectedHalf = 1;   // 1 or 2: the selected clue of a two-slot cell
  int selectedCellX = 1;
  int selectedCellY = 1;
  bool GridPainted = true;  // false after the open or settings dialog closed

  // The values ResetDocument gives (the document is then unchanged).
  // cellClueCount, selectedHalf, the visible counts, the zoom and
  // GridPainted are not reset.
  void Reset();
};

}  // namespace verstak
