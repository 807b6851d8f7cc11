#include "print/puzzle_typesetting.h"

#include <algorithm>

namespace verstak {

// A clue that fits at no size is clipped whatever the puzzle's size, so it
// does not pull the others down.
PuzzleSizes ChoosePuzzleSizes(const std::vector<std::optional<double>>& largestFits, const TypesetSettings& settings) {
  const auto fitting = static_cast<std::size_t>(std::ranges::count_if(largestFits, [](const auto& fit) { return fit.has_value(); }));
  const std::size_t allowed = fitting * kMisfitsPerHundred / 100;
  PuzzleSizes sizes{settings.minimumSize, settings.minimumSize};
  for (const double size : TriedSizes(settings)) {
    const auto misfits = static_cast<std::size_t>(std::ranges::count_if(
        largestFits, [&](const std::optional<double>& fit) { return fit && *fit < size - 1e-9; }));
    if (misfits <= allowed) {
      sizes.puzzle = size;
      break;
    }
  }
  sizes.apart = sizes.puzzle;
  for (const std::optional<double>& fit : largestFits) {
    if (fit) sizes.apart = std::min(sizes.apart, *fit);
  }
  return sizes;
}

// Measured twice rather than kept: a 99 x 99 grid has some 20000 clues.
std::vector<TextBlock> SetPuzzleClues(const std::vector<ClueToSet>& clues, const TypesetSettings& settings,
                                      const TypesetFont& font) {
  WordHyphenation hyphenation(RussianHyphenation());
  std::vector<std::optional<double>> largest(clues.size());
  std::vector<std::optional<double>> withText;
  for (std::size_t i = 0; i < clues.size(); ++i) {
    const ClueSetting setting(*clues[i].clue, clues[i].box, clues[i].upright, settings, font, hyphenation);
    largest[i] = setting.largestFit();
    if (!clues[i].clue->isEmpty()) withText.push_back(largest[i]);
  }
  const PuzzleSizes sizes = ChoosePuzzleSizes(withText, settings);
  std::vector<TextBlock> blocks;
  blocks.reserve(clues.size());
  for (std::size_t i = 0; i < clues.size(); ++i) {
    const ClueSetting setting(*clues[i].clue, clues[i].box, clues[i].upright, settings, font, hyphenation);
    const double size = !largest[i]                            ? settings.minimumSize
                        : *largest[i] >= sizes.puzzle - 1e-9 ? sizes.puzzle
                                                             : sizes.apart;
    blocks.push_back(setting.setAt(size));
  }
  return blocks;
}

}  // namespace verstak
