#pragma once
// Auto-markup: every word of the grid gets one clue cell touching its first
// letter and the arrow that says from where, by the house rules
// (house_rules.h): the most words defined, then the least total cost. A clue
// cell defines at most two words; a letter starting two words carries two
// arrows, the kind and the overlay, in an order the overlay rule allows.
// Pictures and bars stay as the grid has them; arrows, clue kinds and
// overlays are replaced; the clue texts are not touched.
//
//   const MarkupPlan plan = PlanMarkup(document);
//   ApplyMarkup(plan, document);
//
// The same grid always gives the same markup.

#include <cstdint>
#include <vector>

#include "document/scanword_document.h"
#include "document/words.h"

namespace verstak {

struct MarkupPlan {
  std::vector<Word> words;           // FindWords' order
  std::vector<std::uint8_t> arrows;  // per word: its arrow, 0 when it gets no clue
  int defined = 0;                   // words with a clue
  long long cost = 0;                // of the arrows chosen
  int solves = 0;                    // how often the assignment was solved
};

MarkupPlan PlanMarkup(const ScanwordDocument& document);

// The cells of `document`, marked up as planned; nothing else changes.
void ApplyMarkup(const MarkupPlan& plan, ScanwordDocument& document);

// Both: the plan for the document as it is, applied to it.
MarkupPlan AutoMarkup(ScanwordDocument& document);

// True when an across arrow and a down arrow may share one letter cell.
bool ArrowPairAllowed(std::uint8_t across, std::uint8_t down);

}  // namespace verstak
