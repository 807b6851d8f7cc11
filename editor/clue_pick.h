#pragma once
// Which clue a click in clue editing means: the clue cell under the point
// and, of a split cell, the half the point lies in.

#include <QPoint>
#include <optional>

#include "document/scanword_document.h"
#include "editor/editor_state.h"
#include "editor/view_cells.h"

namespace verstak {

struct PickedClue {
  CellPosition cell;
  int slot = 0;

  friend bool operator==(const PickedClue&, const PickedClue&) = default;
};

// nullopt when the point addresses no clue cell of the grid.
std::optional<PickedClue> ClueAtPoint(const ScanwordDocument& document, const EditorState& editor, QPoint at);

}  // namespace verstak
