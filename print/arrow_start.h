#pragma once
// Where the print output starts an arrow that leaves its clue cell from the
// middle of an edge. The macro starts it there whatever the clue cell is; on
// paper an arrow from a cell split along that edge's middle would start on
// the dividing line, and two arrows from one point would lie one over the
// other. So, in print only:
//   - an arrow from a cell split across the edge it leaves by starts at the
//     middle of its own half (a quarter of the edge from the middle), its
//     half given by the slot-to-word rule;
//   - two arrows of one letter cell that leave by the same edge of a cell
//     not split across it start a quarter apart, each towards where its word
//     runs: on a left or right edge the across arrow above, on a top or
//     bottom edge the down arrow on the left.
// Arrows from corners start where the macro starts them: they part at once.

#include <cstdint>

#include "document/clue_links.h"
#include "document/scanword_document.h"
#include "print/print_geometry.h"

namespace verstak {

// The shift of arrow `code` of letter cell (x, y), in cells (a quarter of
// the cell's width or height, or nothing); the whole arrow moves by it.
PagePoint ArrowStartShift(const ScanwordDocument& document, const ClueLinks& links, int x, int y, std::uint8_t code);

}  // namespace verstak
