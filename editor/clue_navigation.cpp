#include "editor/clue_navigation.h"

#include <algorithm>

#include "document/slot_numbering.h"

namespace verstak {
namespace {

bool FindClueBackward(const ScanwordDocument& document, EditorState& editor) {
  const int width = document.gridWidth;
  for (int y = std::min(editor.cursorY, int{document.gridHeight}); y >= 1; --y) {
    const int from = y == editor.cursorY ? std::min(editor.cursorX, width) : width;
    for (int x = from; x >= 1; --x) {
      if (IsClueKind(document.cells.at(x, y).kind)) {
        editor.cursorX = x;
        editor.cursorY = y;
        return true;
      }
    }
  }
  return false;
}

}  // namespace

void LocateSlot(const ScanwordDocument& document, EditorState& editor) {
  int slots = 0;
  ForEachCellInReadingOrder(document, [&](int x, int y, const GridCell& cell) {
    const int count = slotCount(cell.kind);
    if (x == editor.cursorX && y == editor.cursorY) {
      editor.currentSlot = slots + 1;
      if (count > 0) editor.cellClueCount = count;
    }
    slots += count;
  });
  if (editor.cellClueCount == 2 && editor.selectedHalf == 2) ++editor.currentSlot;
}

bool ClueSelected(const ScanwordDocument& document, const EditorState& editor) {
  return document.insideGrid(editor.cursorX, editor.cursorY) &&
         IsClueKind(document.cells.at(editor.cursorX, editor.cursorY).kind);
}

bool FindClueForward(const ScanwordDocument& document, EditorState& editor) {
  for (int y = std::max(editor.cursorY, 1); y <= document.gridHeight; ++y) {
    for (int x = y == editor.cursorY ? std::max(editor.cursorX, 1) : 1; x <= document.gridWidth; ++x) {
      if (IsClueKind(document.cells.at(x, y).kind)) {
        editor.cursorX = x;
        editor.cursorY = y;
        return true;
      }
    }
  }
  return false;
}

bool StepToNextClue(const ScanwordDocument& document, EditorState& editor) {
  if (editor.cellClueCount == 2 && editor.selectedHalf == 1) {
    editor.selectedHalf = 2;
  } else {
    ++editor.cursorX;
    editor.selectedHalf = 1;
  }
  if (editor.cursorX > document.gridWidth) {
    editor.cursorX = 1;
    if (++editor.cursorY > document.gridHeight) editor.cursorY = 1;
  }
  if (FindClueForward(document, editor)) return true;
  editor.cursorX = editor.cursorY = 1;
  return FindClueForward(document, editor);
}

bool StepToPreviousClue(const ScanwordDocument& document, EditorState& editor) {
  if (editor.cellClueCount == 2 && editor.selectedHalf == 2) {
    editor.selectedHalf = 1;
  } else {
    --editor.cursorX;
    editor.selectedHalf = 2;
  }
  if (editor.cursorX < 1) {
    editor.cursorX = document.gridWidth;
    if (--editor.cursorY < 1) editor.cursorY = document.gridHeight;
  }
  if (FindClueBackward(document, editor)) return true;
  editor.cursorX = document.gridWidth;
  editor.cursorY = document.gridHeight;
  return FindClueBackward(document, editor);
}

}  // namespace verstak
