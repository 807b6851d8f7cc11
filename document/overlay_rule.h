#pragma once
// Which second mark (an arrow 1..14 or a bar 17, 18, 21, 22) may be added to a
// cell of which kind. The palette, the model's invariant and the tests all use
// this one table.

#include <array>
#include <cstdint>
#include <initializer_list>

#include "document/cell_kind.h"

namespace verstak {

struct OverlayRuleRow {
  std::uint8_t overlay;
  std::initializer_list<std::uint8_t> kinds;
};

// As the compiler's layout guide gives it: mark, then the kinds it may join.
inline constexpr OverlayRuleRow kOverlayRule[] = {
    {1, {2, 3, 5, 7, 11, 13, 17, 22}},
    {2, {1, 4, 6, 8, 10, 12, 18, 21}},
    {3, {1, 4, 6, 8, 10, 12, 21}},
    {4, {2, 3, 5, 7, 11, 13, 17, 22}},
    {5, {1, 4, 8, 10, 12, 18, 21, 22}},
    {6, {2, 3, 7, 11, 13, 17, 18, 22}},
    {7, {1, 4, 6, 10, 12, 18, 21, 22}},
    {8, {2, 3, 5, 7, 11, 13, 17, 18, 22}},
    {9, {18, 22}},
    {10, {2, 3, 5, 7, 13, 17, 18, 22}},
    {11, {1, 4, 6, 8, 12, 18, 21, 22}},
    {12, {2, 3, 5, 7, 11, 17, 22}},
    {13, {1, 4, 6, 8, 10, 18, 21, 22}},
    {14, {18, 22}},
    {17, {1, 4, 6, 8, 10, 12}},
    {18, {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
    {21, {2, 3, 5, 7, 11, 13}},
    {22, {1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
};

namespace detail {
// Bit k of entry m is set when mark m may stand on kind k (all kinds are < 32).
constexpr std::array<std::uint32_t, 23> BuildOverlayMasks() {
  std::array<std::uint32_t, 23> masks{};
  for (const OverlayRuleRow& row : kOverlayRule) {
    for (std::uint8_t kind : row.kinds) masks[row.overlay] |= std::uint32_t{1} << kind;
  }
  return masks;
}
inline constexpr std::array<std::uint32_t, 23> kOverlayMasks = BuildOverlayMasks();
}  // namespace detail

// True when mark `overlay` may be added to a cell of `kind` (whose overlay is 0).
constexpr bool OverlayAllowed(std::uint8_t overlay, CellKind kind) {
  const std::uint8_t code = Code(kind);
  return overlay < detail::kOverlayMasks.size() && code < 32 &&
         (detail::kOverlayMasks[overlay] >> code & 1U) != 0;
}

}  // namespace verstak
