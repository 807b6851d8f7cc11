#pragma once
// Where an arrow's clue stands and which word it leads into. Every arrow
// enters its letter cell from an edge or a corner, so it names the cell its
// clue stands in by that edge or corner; it ends pointing right (into the
// across word that starts in its cell) or down (into the down word).

#include <cstdint>
#include <optional>

namespace verstak {

enum class WordDirection : std::uint8_t { Across, Down };

struct ArrowRuleRow {
  std::uint8_t arrow;  // 1..14, as a kind or as an overlay
  std::int8_t clueDx;  // the clue cell, seen from the letter cell
  std::int8_t clueDy;
  WordDirection leadsInto;
};

inline constexpr ArrowRuleRow kArrowRule[] = {
    {1, -1, 0, WordDirection::Across},   // from the left edge, right
    {2, 0, -1, WordDirection::Down},     // from the top edge, down
    {3, -1, 0, WordDirection::Down},     // from the left edge, turning down
    {4, 0, -1, WordDirection::Across},   // from the top edge, turning right
    {5, -1, -1, WordDirection::Down},    // from the top-left corner, down
    {6, -1, -1, WordDirection::Across},  // from the top-left corner, right
    {7, 1, -1, WordDirection::Down},     // from the top-right corner, down
    {8, 1, -1, WordDirection::Across},   // from the top-right corner, right
    {9, 0, 1, WordDirection::Across},    // from the bottom edge, turning right
    {10, -1, 1, WordDirection::Across},  // from the bottom-left corner, right
    {11, -1, 1, WordDirection::Down},    // from the bottom-left corner, down
    {12, 1, 1, WordDirection::Across},   // from the bottom-right corner, right
    {13, 1, 1, WordDirection::Down},     // from the bottom-right corner, down
    {14, 1, 0, WordDirection::Down},     // from the right edge, turning down
};

// The row of arrow `code`; nullopt for every code that is no arrow.
constexpr std::optional<ArrowRuleRow> ArrowRule(std::uint8_t code) {
  if (code < 1 || code > 14) return std::nullopt;
  return kArrowRule[code - 1];
}

// How high the arrow leaves its clue cell: 0 from the top edge or a top
// corner (the letter lies a row above the clue), 1 from the middle of the
// left or right edge, 2 from the bottom. Within a cell split top and bottom
// the clue whose arrow leaves higher takes the top half.
constexpr int ExitHeight(const ArrowRuleRow& row) { return 1 - row.clueDy; }
// The same across: 0 from the left edge or a left corner, 2 from the right.
constexpr int ExitLeftness(const ArrowRuleRow& row) { return 1 - row.clueDx; }

}  // namespace verstak
