#pragma once
// Setting every clue of a puzzle: one size for the puzzle where it can be
// (see kMisfitsPerHundred); the clues that do not fit at it are set apart
// at a second size, the largest at which all of them fit, so that a puzzle
// shows two sizes at most; a clue that fits at no size is set at the
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

struct PuzzleSizes {
  double puzzle = 0;  // pt: most clues
  double apart = 0;   // pt: those that do not fit at the puzzle's size
};

// From the largest size at which each clue with text fits (nullopt: none);
// see kMisfitsPerHundred.
PuzzleSizes ChoosePuzzleSizes(const std::vector<std::optional<double>>& largestFits, const TypesetSettings& settings);

// The blocks in the order of `clues`; their fits' places are the caller's.
std::vector<TextBlock> SetPuzzleClues(const std::vector<ClueToSet>& clues, const TypesetSettings& settings,
                                      const TypesetFont& font);

}  // namespace verstak
