#include "document/scanword_document.h"

#include <stdexcept>
#include <utility>

namespace verstak {

const GridCell& CellGrid::at(int x, int y) const {
  if (!InRange(x, y)) throw std::out_of_range("cell out of range");
  // Row-major: reading order walks memory forwards.
  return cells_[static_cast<std::size_t>((y - 1) * kMaxGridSide + (x - 1))];
}

GridCell& CellGrid::at(int x, int y) { return const_cast<GridCell&>(std::as_const(*this).at(x, y)); }

void ClearCells(ScanwordDocument& document) {
  document.cells.clear();
  document.letters.clear();
}

void ClearDefinitions(ScanwordDocument& document) { document.definitions.clear(); }

}  // namespace verstak
