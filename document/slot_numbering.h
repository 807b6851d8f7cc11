#pragma once
// Clue slots are numbered in reading order: rows top to bottom, cells left to
// right, a split clue cell taking two consecutive slots (top or left half
// first). Nothing stores a link from a cell to its slot; it is worked out here.

#include <optional>

#include "document/scanword_document.h"

namespace verstak {

struct CellSlots {
  int first = 0;
  int second = 0;  // 0 for a one-slot cell
};

// The slots of cell (x, y) of the grid; nullopt when it is not a clue cell or
// lies outside the grid.
std::optional<CellSlots> SlotNumbering(const ScanwordDocument& document, int x, int y);

// Number of clue slots of the whole grid (at most 19602 for 99 x 99 split cells).
int SlotTotal(const ScanwordDocument& document);

// Calls visit(x, y, cell) for every cell of the grid in reading order.
template <class Visit>
void ForEachCellInReadingOrder(const ScanwordDocument& document, Visit&& visit) {
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) visit(x, y, document.cells.at(x, y));
  }
}

}  // namespace verstak
