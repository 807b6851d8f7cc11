#include "editor/clue_pick.h"

#include "document/slot_numbering.h"

namespace verstak {
namespace {

// The second clue of a split cell is its bottom (or right) half.
bool InSecondHalf(CellKind kind, const CellBox& box, QPoint at) {
  switch (PlainKind(kind)) {
    case CellKind::ClueSplitHorizontal: return at.y() - box.top >= box.height / 2;
    case CellKind::ClueSplitVertical: return at.x() - box.left >= box.width / 2;
    default: return false;
  }
}

}  // namespace

std::optional<PickedClue> ClueAtPoint(const ScanwordDocument& document, const EditorState& editor, QPoint at) {
  const std::optional<CellPosition> cell = PointToCell(editor, at.x(), at.y());
  if (!cell || cell->x > document.gridWidth || cell->y > document.gridHeight) return std::nullopt;
  const std::optional<CellSlots> numbers = SlotNumbering(document, cell->x, cell->y);
  if (!numbers) return std::nullopt;
  const bool second = numbers->second != 0 && InSecondHalf(document.cells.at(cell->x, cell->y).kind,
                                                          CellBoxOf(editor, *cell), at);
  return PickedClue{*cell, second ? numbers->second : numbers->first};
}

}  // namespace verstak
