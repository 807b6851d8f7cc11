#pragma once
// The numeric vocabulary of the grid, shared by the screen, the grid and
// scanword files and the macro. Any byte value can stand in a cell (a
// scanword file may hold one); only the codes below are ever produced.

#include <cstdint>

namespace verstak {

enum class CellKind : std::uint8_t {
  Letter = 0,
  ArrowFromLeftRight = 1,
  ArrowFromTopDown = 2,
  ArrowFromLeftDown = 3,
  ArrowFromTopRight = 4,
  ArrowFromTopLeftCornerDown = 5,
  ArrowFromTopLeftCornerRight = 6,
  ArrowFromTopRightCornerDown = 7,
  ArrowFromTopRightCornerRight = 8,
  ArrowFromBottomRight = 9,
  ArrowFromBottomLeftCornerRight = 10,
  ArrowFromBottomLeftCornerDown = 11,
  ArrowFromBottomRightCornerRight = 12,
  ArrowFromBottomRightCornerDown = 13,
  ArrowFromRightDown = 14,
  Reserved15 = 15,
  ClueSplitHorizontal = 16,
  BarBottom = 17,
  BarLeft = 18,
  Clue = 19,
  ClueSplitVertical = 20,
  BarRight = 21,
  BarTop = 22,
  Picture = 23,
  ClueHalfLeft = 24,
  ClueHalfTop = 25,
  ClueSplitVerticalMissing = 102,
  ClueHalfLeftMissing = 104,
  ClueHalfTopMissing = 105,
  ClueSplitHorizontalMissing = 106,
  ClueMissing = 109,
};

constexpr std::uint8_t Code(CellKind kind) { return static_cast<std::uint8_t>(kind); }
constexpr CellKind KindFromCode(std::uint8_t code) { return static_cast<CellKind>(code); }

constexpr bool IsArrowCode(std::uint8_t code) { return code >= 1 && code <= 14; }
constexpr bool IsArrowKind(CellKind kind) { return IsArrowCode(Code(kind)); }

constexpr bool IsBarCode(std::uint8_t code) {
  return code == 17 || code == 18 || code == 21 || code == 22;
}
constexpr bool IsBarKind(CellKind kind) { return IsBarCode(Code(kind)); }

// The plain clue kind of a missing variant (inverse of MissingVariant);
// identity for every other code.
constexpr CellKind PlainKind(CellKind kind) {
  switch (kind) {
    case CellKind::ClueSplitVerticalMissing: return CellKind::ClueSplitVertical;
    case CellKind::ClueHalfLeftMissing: return CellKind::ClueHalfLeft;
    case CellKind::ClueHalfTopMissing: return CellKind::ClueHalfTop;
    case CellKind::ClueSplitHorizontalMissing: return CellKind::ClueSplitHorizontal;
    case CellKind::ClueMissing: return CellKind::Clue;
    default: return kind;
  }
}

// The variant that marks a clue cell whose definition is missing;
// identity for every code that is not a plain clue kind.
constexpr CellKind MissingVariant(CellKind kind) {
  switch (kind) {
    case CellKind::ClueSplitVertical: return CellKind::ClueSplitVerticalMissing;
    case CellKind::ClueHalfLeft: return CellKind::ClueHalfLeftMissing;
    case CellKind::ClueHalfTop: return CellKind::ClueHalfTopMissing;
    case CellKind::ClueSplitHorizontal: return CellKind::ClueSplitHorizontalMissing;
    case CellKind::Clue: return CellKind::ClueMissing;
    default: return kind;
  }
}

constexpr bool IsMissingVariant(CellKind kind) { return PlainKind(kind) != kind; }

// Number of clue slots a cell of this kind takes in reading order: 2 for the
// split clue cells, 1 for the single clue cells, 0 for everything else.
constexpr int slotCount(CellKind kind) {
  switch (PlainKind(kind)) {
    case CellKind::ClueSplitHorizontal:
    case CellKind::ClueSplitVertical: return 2;
    case CellKind::Clue:
    case CellKind::ClueHalfLeft:
    case CellKind::ClueHalfTop: return 1;
    default: return 0;
  }
}

constexpr bool IsClueKind(CellKind kind) { return slotCount(kind) > 0; }

}  // namespace verstak
