#pragma once
// Walking the clue cells in reading order, as clue editing steps from clue to
// clue, and finding the definition slot of the clue under the cursor.

#include "document/scanword_document.h"
#include "editor/editor_state.h"

namespace verstak {

// currentSlot := the slot of the cursor cell's clue (its second clue when the
// second half of a two-slot cell is selected); cellClueCount := the number of
// clues of the cursor cell when it is a clue cell.
void LocateSlot(const ScanwordDocument& document, EditorState& editor);

// True when the cursor cell is a clue cell of the grid: in clue editing, the
// clue that is selected. After a step that found no clue cell it is not.
bool ClueSelected(const ScanwordDocument& document, const EditorState& editor);

// From the cursor cell on to the grid's last cell in reading order, the first
// clue cell becomes the cursor cell; false (cursor unchanged) when none.
bool FindClueForward(const ScanwordDocument& document, EditorState& editor);

// The steps of NextClue and PreviousClue after the text is stored: on to the
// second half of a two-slot cell, or to the next clue cell, wrapping round
// the grid once; backwards, a two-slot cell is entered at its second half.
// False when the grid has no clue cell; the cursor is then at the first
// (forwards) or last (backwards) cell of the grid.
bool StepToNextClue(const ScanwordDocument& document, EditorState& editor);
bool StepToPreviousClue(const ScanwordDocument& document, EditorState& editor);

}  // namespace verstak
