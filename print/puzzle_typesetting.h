#pragma once
// Setting every clue of a puzzle: one size for the puzzle where it can be
// (see kMisfitsPerHundred); a clue that does not fit at that size takes the
// largest size at which it fits, alone; one that fits at none is set at the
// minimum and clipped.

#include <optional>
#include <vector>

#include "document/definition_text.h"
#include "print/clue_typesetting.h"

namespace verstak {

struct ClueToSet {
  const DefinitionText* clue = nullptr;
  PageBox box;
  bool upright = false;
};

// From the largest size at which each clue with text fits (nullopt: none);
// see kMisfitsPerHundred.
double PuzzleSize(const std::vector<std::optional<double>>& largestFits, const TypesetSettings& settings);

// The blocks in the order of `clues`; their fits' places are the caller's.
std::vector<TextBlock> SetPuzzleClues(const std::vector<ClueToSet>& clues, const TypesetSettings& settings,
                                      const TypesetFont& font);

}  // namespace verstak
