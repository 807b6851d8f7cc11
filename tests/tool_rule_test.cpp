#include "editor/tool_rule.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "document/overlay_rule.h"
#include "editor/editor_state.h"
#include "editor/view_cells.h"

namespace verstak {
namespace {

using Pair = std::pair<int, int>;  // kind, overlay

// Every cell the palette can make from an empty cell, tool after tool.
std::set<Pair> ReachableCells() {
  std::set<Pair> seen{{0, 0}};
  std::vector<Pair> open{{0, 0}};
  while (!open.empty()) {
    const Pair from = open.back();
    open.pop_back();
    for (int tool = 0; tool <= 25; ++tool) {
      GridCell cell{KindFromCode(static_cast<std::uint8_t>(from.first)), static_cast<std::uint8_t>(from.second)};
      ApplyToolRule(tool, cell);
      const Pair to{Code(cell.kind), cell.overlay};
      if (seen.insert(to).second) open.push_back(to);
    }
  }
  return seen;
}

// The overlay rule as the user documentation prints it, typed here apart
// from the program's table: each mark and the kinds it may be added to.
const char* const kPrintedOverlayRule[] = {
    "1: 2, 3, 5, 7, 11, 13, 17, 22",           "2: 1, 4, 6, 8, 10, 12, 18, 21",
    "3: 1, 4, 6, 8, 10, 12, 21",               "4: 2, 3, 5, 7, 11, 13, 17, 22",
    "5: 1, 4, 8, 10, 12, 18, 21, 22",          "6: 2, 3, 7, 11, 13, 17, 18, 22",
    "7: 1, 4, 6, 10, 12, 18, 21, 22",          "8: 2, 3, 5, 7, 11, 13, 17, 18, 22",
    "9: 18, 22",                               "10: 2, 3, 5, 7, 13, 17, 18, 22",
    "11: 1, 4, 6, 8, 12, 18, 21, 22",          "12: 2, 3, 5, 7, 11, 17, 22",
    "13: 1, 4, 6, 8, 10, 18, 21, 22",          "14: 18, 22",
    "17: 1, 4, 6, 8, 10, 12",                  "18: 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14",
    "21: 2, 3, 5, 7, 11, 13",                  "22: 1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14",
};

std::set<Pair> PrintedOverlays() {
  std::set<Pair> pairs;
  for (const char* row : kPrintedOverlayRule) {
    std::istringstream in(row);
    int overlay = 0;
    char separator = 0;
    in >> overlay >> separator;
    for (int kind = 0; in >> kind; in >> separator) pairs.insert({kind, overlay});
  }
  return pairs;
}

// The palette makes exactly the second marks the printed rule allows, and
// nothing on clue, picture or empty cells; the program's own table agrees.
TEST(ToolRule, SecondMarksAreExactlyThoseOfThePrintedRule) {
  const std::set<Pair> fromTable = PrintedOverlays();
  ASSERT_EQ(fromTable.size(), 135u);
  for (const auto& [kind, overlay] : fromTable) {
    EXPECT_TRUE(OverlayAllowed(static_cast<std::uint8_t>(overlay), KindFromCode(static_cast<std::uint8_t>(kind))))
        << overlay << " on " << kind;
  }
  std::set<Pair> marked;
  std::set<int> kinds;
  for (const Pair& cell : ReachableCells()) {
    kinds.insert(cell.first);
    if (cell.second != 0) marked.insert(cell);
  }
  EXPECT_EQ(marked, fromTable);
  const std::set<int> allButReserved{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                     13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};
  EXPECT_EQ(kinds, allButReserved);
}

TEST(ViewCells, PointsAddressOnlyTheVisibleCells) {
  EditorState editor;
  editor.visibleColumns = 12;
  editor.visibleRows = 10;
  editor.viewOriginX = 4;
  editor.viewOriginY = 3;
  struct Case {
    int x, y;
    bool hit;
    int column, row;
  };
  const Case cases[] = {
      {0, 0, true, 4, 3},    {39, 39, true, 4, 3},  {40, 0, true, 5, 3},  {479, 399, true, 15, 12},
      {480, 0, false, 0, 0}, {0, 400, false, 0, 0}, {-1, 5, false, 0, 0}, {5, -1, false, 0, 0},
      {-50, 5, false, 0, 0}, {5, -41, false, 0, 0},
  };
  for (const Case& c : cases) {
    const std::optional<CellPosition> cell = PointToCell(editor, c.x, c.y);
    EXPECT_EQ(cell.has_value(), c.hit) << c.x << "," << c.y;
    if (!cell) continue;
    EXPECT_EQ(*cell, (CellPosition{c.column, c.row}));
    const CellBox box = CellBoxOf(editor, *cell);
    EXPECT_EQ(box.left, (c.column - 4) * 40);
    EXPECT_EQ(box.top, (c.row - 3) * 40);
  }
}

}  // namespace
}  // namespace verstak
