#include "document/slot_numbering.h"

namespace verstak {

std::optional<CellSlots> SlotNumbering(const ScanwordDocument& document, int x, int y) {
  if (!document.insideGrid(x, y) || slotCount(document.cells.at(x, y).kind) == 0) return std::nullopt;
  int before = 0;
  for (int row = 1; row <= y; ++row) {
    const int lastColumn = row < y ? document.gridWidth : x - 1;
    for (int column = 1; column <= lastColumn; ++column) before += slotCount(document.cells.at(column, row).kind);
  }
  const int count = slotCount(document.cells.at(x, y).kind);
  return CellSlots{before + 1, count == 2 ? before + 2 : 0};
}

int SlotTotal(const ScanwordDocument& document) {
  int total = 0;
  ForEachCellInReadingOrder(document, [&](int, int, const GridCell& cell) { total += slotCount(cell.kind); });
  return total;
}

}  // namespace verstak
