#include "print/arrow_start.h"

#include <optional>

#include "document/arrow_rule.h"

namespace verstak {
namespace {

enum class Split { None, TopBottom, LeftRight };

Split SplitOf(const ScanwordDocument& document, int x, int y) {
  if (x < 1 || y < 1 || x > document.gridWidth || y > document.gridHeight) return Split::None;
  switch (PlainKind(document.cells.at(x, y).kind)) {
    case CellKind::ClueSplitHorizontal: return Split::TopBottom;
    case CellKind::ClueSplitVertical: return Split::LeftRight;
    default: return Split::None;
  }
}

// Arrows that leave by the middle of an edge: the clue cell is a side
// neighbour, not a diagonal one.
bool FromEdge(const ArrowRuleRow& row) { return (row.clueDx == 0) != (row.clueDy == 0); }

// The other arrow of the cell (kind and overlay) that leaves by the same
// edge, if there is one.
bool SharesItsStart(const GridCell& cell, const ArrowRuleRow& row) {
  for (const std::uint8_t other : {Code(cell.kind), cell.overlay}) {
    const std::optional<ArrowRuleRow> rule = ArrowRule(other);
    if (rule && rule->arrow != row.arrow && rule->clueDx == row.clueDx && rule->clueDy == row.clueDy) return true;
  }
  return false;
}

}  // namespace

PagePoint ArrowStartShift(const ScanwordDocument& document, const ClueLinks& links, int x, int y, std::uint8_t code) {
  const std::optional<ArrowRuleRow> row = ArrowRule(code);
  if (!row || !FromEdge(*row)) return {};
  const bool verticalEdge = row->clueDx != 0;  // the clue cell is on the left or the right
  const Split split = SplitOf(document, x + row->clueDx, y + row->clueDy);
  double along = 0;  // in quarters of the edge, from its middle
  if (split == (verticalEdge ? Split::TopBottom : Split::LeftRight)) {
    const LinkedArrow* linked = links.arrowAt(x, y, code);
    if (linked != nullptr && linked->half != 0) along = linked->half == 1 ? -1 : 1;
  } else if (SharesItsStart(document.cells.at(x, y), *row)) {
    const bool across = row->leadsInto == WordDirection::Across;
    along = verticalEdge ? (across ? -1 : 1) : (across ? 1 : -1);
  }
  return verticalEdge ? PagePoint{0, along / 4} : PagePoint{along / 4, 0};
}

}  // namespace verstak
