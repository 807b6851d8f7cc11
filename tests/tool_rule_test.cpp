#include "editor/tool_rule.h"

#include <gtest/gtest.h>

#include <set>
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

// The palette makes exactly the second marks the overlay table allows, and
// nothing on clue, picture or empty cells.
TEST(ToolRule, SecondMarksAreExactlyThoseOfTheOverlayTable) {
  std::set<Pair> fromTable;
  for (const OverlayRuleRow& row : kOverlayRule) {
    for (std::uint8_t kind : row.kinds) fromTable.insert({kind, row.overlay});
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
    editor.cursorX = editor.cursorY = 0;
    EXPECT_EQ(PointToCell(editor, c.x, c.y), c.hit) << c.x << "," << c.y;
    if (!c.hit) {
      EXPECT_EQ(editor.cursorX, 0);
      continue;
    }
    EXPECT_EQ(editor.cursorX, c.column);
    EXPECT_EQ(editor.cursorY, c.row);
    EXPECT_EQ(editor.cellLeft, (c.column - 4) * 40);
    EXPECT_EQ(editor.cellTop, (c.row - 3) * 40);
  }
}

}  // namespace
}  // namespace verstak
