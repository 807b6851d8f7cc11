#pragma once
// The one document the program edits: a grid of at most 99 x 99 cells and the
// table of clue texts. The cell array is always the full 99 x 99; the grid size
// only says how much of it is in use.

#include <array>
#include <cstdint>

#include "document/cell_kind.h"
#include "document/definition_text.h"
#include "document/letter_grid.h"

namespace verstak {

inline constexpr int kMaxGridSide = 99;
static_assert(LetterGrid::kSide == kMaxGridSide);

// The macro's page position of the grid's top-left corner, in 0.0001 mm.
// Fixed values: nothing in the program changes them.
inline constexpr int ScriptOriginX = -879912;
inline constexpr int ScriptOriginY = 1176556;

struct GridCell {
  CellKind kind = CellKind::Letter;
  std::uint8_t overlay = 0;  // 0, a second arrow 1..14, or a bar 17, 18, 21, 22

  friend bool operator==(const GridCell&, const GridCell&) = default;
};

class CellGrid {
 public:
  // Columns x and rows y run 1..99; anything else throws std::out_of_range.
  GridCell& at(int x, int y);
  const GridCell& at(int x, int y) const;

  static bool InRange(int x, int y) {
    return x >= 1 && x <= kMaxGridSide && y >= 1 && y <= kMaxGridSide;
  }

  void clear() { cells_.fill(GridCell{}); }

  friend bool operator==(const CellGrid&, const CellGrid&) = default;

 private:
  std::array<GridCell, kMaxGridSide * kMaxGridSide> cells_{};
};

struct ScanwordDocument {
  std::uint8_t gridWidth = 0;   // 0 before any grid, else 1..99
  std::uint8_t gridHeight = 0;  // 0 before any grid, else 1..99
  CellGrid cells;
  LetterGrid letters;  // the grid file's answers, cell by cell
  DefinitionTable definitions;

  bool insideGrid(int x, int y) const { return x >= 1 && y >= 1 && x <= gridWidth && y <= gridHeight; }

  friend bool operator==(const ScanwordDocument&, const ScanwordDocument&) = default;
};

// Every cell of the 99 x 99 array to kind 0 and overlay 0 and without a
// letter; the size stays.
void ClearCells(ScanwordDocument& document);
// Every line of all 10000 slots made empty.
void ClearDefinitions(ScanwordDocument& document);

}  // namespace verstak
