#pragma once
// The house rules of marking up: for a word, where its clue cell may stand
// (seen from its first letter), the arrow that says so and what that choice
// costs. Lower costs are preferred; the field's conventions put the across
// word's clue to its left and the down word's above it.

#include <cstdint>
#include <span>

#include "document/arrow_rule.h"
#include "document/cell_kind.h"

namespace verstak {

struct HouseRuleRow {
  WordDirection word;
  std::int8_t clueDx;  // the clue cell, seen from the word's first letter
  std::int8_t clueDy;
  std::uint8_t arrow;
  int cost;
};

inline constexpr HouseRuleRow kHouseRules[] = {
    {WordDirection::Across, -1, 0, 1, 0},     // left
    {WordDirection::Across, 0, -1, 4, 10},    // above
    {WordDirection::Across, 0, 1, 9, 11},     // below
    {WordDirection::Across, -1, -1, 6, 20},   // above-left
    {WordDirection::Across, -1, 1, 10, 21},   // below-left
    {WordDirection::Across, 1, -1, 8, 30},    // above-right
    {WordDirection::Across, 1, 1, 12, 31},    // below-right
    {WordDirection::Down, 0, -1, 2, 0},       // above
    {WordDirection::Down, -1, 0, 3, 10},      // left
    {WordDirection::Down, 1, 0, 14, 11},      // right
    {WordDirection::Down, -1, -1, 5, 20},     // above-left
    {WordDirection::Down, 1, -1, 7, 21},      // above-right
    {WordDirection::Down, -1, 1, 11, 30},     // below-left
    {WordDirection::Down, 1, 1, 13, 31},      // below-right
};

// The costliest candidate: what the assignment weighs a word left without a
// clue against.
inline constexpr int kHouseRuleMaxCost = 31;

// A clue cell holding one definition, and one holding two (top and bottom).
inline constexpr CellKind kOneClueKind = CellKind::Clue;
inline constexpr CellKind kTwoClueKind = CellKind::ClueSplitHorizontal;

// Every row names the arrow that points from its clue cell into its word,
// at a cost the assignment can weigh.
constexpr bool HouseRulesAgreeWithArrows(std::span<const HouseRuleRow> rules) {
  for (const HouseRuleRow& row : rules) {
    const std::optional<ArrowRuleRow> arrow = ArrowRule(row.arrow);
    if (!arrow || arrow->clueDx != row.clueDx || arrow->clueDy != row.clueDy || arrow->leadsInto != row.word ||
        row.cost > kHouseRuleMaxCost || row.cost < 0)
      return false;
  }
  return true;
}
static_assert(HouseRulesAgreeWithArrows(kHouseRules), "each house rule names the arrow that points that way");

}  // namespace verstak
