#pragma once
// The largest grid using every kind, its missing variants and every kind
// with each mark it may carry, the pattern repeated row after row. Shared by
// the tests and the benchmarks.

#include <cstdint>
#include <vector>

#include "document/overlay_rule.h"
#include "document/scanword_document.h"

namespace verstak::testing {

// Sets the grid to 99 x 99 and fills its cells; the clues are left alone.
inline void FillEveryKind(ScanwordDocument& document) {
  std::vector<GridCell> pattern;
  for (int kind = 0; kind <= 25; ++kind) pattern.push_back({KindFromCode(static_cast<std::uint8_t>(kind)), 0});
  for (int kind : {102, 104, 105, 106, 109}) pattern.push_back({KindFromCode(static_cast<std::uint8_t>(kind)), 0});
  for (const OverlayRuleRow& row : kOverlayRule) {
    for (std::uint8_t kind : row.kinds) pattern.push_back({KindFromCode(kind), row.overlay});
  }
  document.gridWidth = kMaxGridSide;
  document.gridHeight = kMaxGridSide;
  std::size_t next = 0;
  for (int y = 1; y <= kMaxGridSide; ++y) {
    for (int x = 1; x <= kMaxGridSide; ++x) document.cells.at(x, y) = pattern[next++ % pattern.size()];
  }
}

}  // namespace verstak::testing
