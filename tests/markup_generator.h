#pragma once
// Puzzles made up for the auto-markup's tests and benchmarks: clue cells
// placed at random (the same seed, the same grid), random letters elsewhere,
// and the grid and definitions files a compiler would write for them.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "document/house_rules.h"
#include "document/overlay_rule.h"
#include "document/scanword_document.h"
#include "document/words.h"

namespace verstak::testing {

struct GeneratedGrid {
  int width = 0;
  int height = 0;
  std::vector<bool> clue;       // per cell, row after row
  std::vector<std::uint8_t> letters;  // cp1251 capitals; 0 in clue cells

  std::size_t index(int x, int y) const { return static_cast<std::size_t>((y - 1) * width + (x - 1)); }
  bool isClue(int x, int y) const { return clue[index(x, y)]; }
};

// About `cluePercent` of the cells clue cells, more of them along the top
// row and the left column, as in a printed scanword.
inline GeneratedGrid RandomGrid(std::uint32_t seed, int width, int height, int cluePercent) {
  std::mt19937 random(seed);
  GeneratedGrid grid{width, height, {}, {}};
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x) {
      const int percent = x == 1 || y == 1 ? 50 : cluePercent;
      const bool clue = static_cast<int>(random() % 100) < percent;
      grid.clue.push_back(clue);
      grid.letters.push_back(clue ? 0 : static_cast<std::uint8_t>(0xC0 + random() % 32));
    }
  }
  return grid;
}

// The grid as the grid file reader leaves it: clue cells of one clue, letters kept.
inline ScanwordDocument DocumentOf(const GeneratedGrid& grid) {
  ScanwordDocument document;
  document.gridWidth = static_cast<std::uint8_t>(grid.width);
  document.gridHeight = static_cast<std::uint8_t>(grid.height);
  for (int y = 1; y <= grid.height; ++y) {
    for (int x = 1; x <= grid.width; ++x) {
      if (grid.isClue(x, y)) document.cells.at(x, y).kind = CellKind::Clue;
      document.letters.set(x, y, grid.letters[grid.index(x, y)]);
    }
  }
  return document;
}

// Puzzle `number` as a grid file: a tab for a clue cell, a letter and its
// separating tab for a letter cell; cp1251, CR LF.
inline std::string GridFileText(const GeneratedGrid& grid, int number) {
  std::string text = "\xB9 " + std::to_string(number) + "\r\n";
  for (int y = 1; y <= grid.height; ++y) {
    for (int x = 1; x <= grid.width; ++x) {
      if (!grid.isClue(x, y)) text += static_cast<char>(grid.letters[grid.index(x, y)]);
      if (grid.isClue(x, y) || x < grid.width) text += '\t';
    }
    text += "\r\n";
  }
  return text + "\r\n";
}

// The clues of puzzle `number` as a definitions file, one line each.
inline std::string DefinitionsFileText(const std::vector<std::string>& clues, int number) {
  std::string text = "\xB9 " + std::to_string(number) + "\r\n";
  for (const std::string& clue : clues) text += "* " + clue + "\r\n";
  return text + "\r\n";
}

// A word's candidate as a layout person reads the house rules.
struct Candidate {
  int clueX = 0;
  int clueY = 0;
  std::uint8_t arrow = 0;
  int cost = 0;
};

inline std::vector<Candidate> CandidatesOf(const ScanwordDocument& document, const Word& word) {
  std::vector<Candidate> candidates;
  for (const HouseRuleRow& rule : kHouseRules) {
    const int cx = word.x + rule.clueDx;
    const int cy = word.y + rule.clueDy;
    if (rule.word == word.direction && document.insideGrid(cx, cy) && IsClueKind(document.cells.at(cx, cy).kind))
      candidates.push_back({cx, cy, rule.arrow, rule.cost});
  }
  return candidates;
}

inline bool PairAllowedByOverlayRule(std::uint8_t across, std::uint8_t down) {
  return OverlayAllowed(down, KindFromCode(across)) || OverlayAllowed(across, KindFromCode(down));
}

// What keeps each word's cheapest candidate from being a valid markup, at
// the first cell where it shows: a word without a candidate, a clue cell
// for three words, an arrow pair the overlay rule refuses (all mended by
// making the word's first letter a clue cell), a clue cell for no word
// (mended by making it a letter).
struct MarkupObstacle {
  int x = 0;
  int y = 0;
  bool makeClue = true;
};

inline std::optional<MarkupObstacle> FirstObstacle(const ScanwordDocument& document, const std::vector<Word>& words,
                                                   std::vector<Candidate>& chosen) {
  chosen.clear();
  std::vector<int> uses(static_cast<std::size_t>(kMaxGridSide) * kMaxGridSide);
  for (std::size_t w = 0; w < words.size(); ++w) {
    const Word& word = words[w];
    const std::vector<Candidate> candidates = CandidatesOf(document, word);
    if (candidates.empty()) return MarkupObstacle{word.x, word.y, true};
    chosen.push_back(candidates.front());
    if (++uses[static_cast<std::size_t>((chosen.back().clueY - 1) * kMaxGridSide + chosen.back().clueX - 1)] > 2)
      return MarkupObstacle{word.x, word.y, true};
    const bool sameStart = w > 0 && words[w - 1].x == word.x && words[w - 1].y == word.y;
    if (sameStart && !PairAllowedByOverlayRule(chosen[w - 1].arrow, chosen[w].arrow))
      return MarkupObstacle{word.x, word.y, true};
  }
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      const bool idle = uses[static_cast<std::size_t>((y - 1) * kMaxGridSide + x - 1)] == 0;
      if (idle && IsClueKind(document.cells.at(x, y).kind)) return MarkupObstacle{x, y, false};
    }
  }
  return std::nullopt;
}

// Each word's cheapest candidate; the costs of one direction all differ, so
// when these together are a valid markup with every clue cell in use, it is
// the only best one. nullopt otherwise.
inline std::optional<std::vector<Candidate>> CheapestMarkup(const ScanwordDocument& document,
                                                            const std::vector<Word>& words) {
  std::vector<Candidate> chosen;
  if (FirstObstacle(document, words, chosen)) return std::nullopt;
  return chosen;
}

// A random grid mended cell by cell until each word's cheapest candidate is
// its only best markup: the intended markup is chosen first, the grid files
// are written from it. nullopt when the mending does not settle.
inline std::optional<GeneratedGrid> GridWithIntendedMarkup(std::uint32_t seed, int width, int height,
                                                          int cluePercent) {
  GeneratedGrid grid = RandomGrid(seed, width, height, cluePercent);
  std::vector<Candidate> chosen;
  ScanwordDocument document = DocumentOf(grid);
  for (int step = 0; step < 4 * width * height; ++step) {
    const std::optional<MarkupObstacle> obstacle = FirstObstacle(document, FindWords(document), chosen);
    if (!obstacle) return grid;
    const std::size_t cell = grid.index(obstacle->x, obstacle->y);
    grid.clue[cell] = obstacle->makeClue;
    grid.letters[cell] = obstacle->makeClue ? 0 : static_cast<std::uint8_t>(0xC0 + (seed + cell) % 32);
    document.cells.at(obstacle->x, obstacle->y).kind = obstacle->makeClue ? CellKind::Clue : CellKind::Letter;
    document.letters.set(obstacle->x, obstacle->y, grid.letters[cell]);
  }
  return std::nullopt;
}

// The clue texts in slot order for the intended markup: clue cells in
// reading order; within a cell the clue whose letter lies higher first, the
// across word's on a tie, then the word that starts first.
inline std::vector<std::string> SlotTexts(const ScanwordDocument& document, const std::vector<Word>& words,
                                          const std::vector<Candidate>& chosen) {
  std::vector<std::size_t> order(words.size());
  for (std::size_t w = 0; w < order.size(); ++w) order[w] = w;
  auto key = [&](std::size_t w) {
    const Word& word = words[w];
    return std::make_tuple(chosen[w].clueY, chosen[w].clueX, word.y - chosen[w].clueY,
                           word.direction == WordDirection::Across ? 0 : 1, word.y, word.x);
  };
  std::ranges::sort(order, [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  std::vector<std::string> texts;
  for (std::size_t w : order) texts.push_back(*WordAnswer(document, words[w]));
  return texts;
}

// The arrows standing in cell (x, y), kind and overlay.
inline bool Carries(const ScanwordDocument& document, int x, int y, std::uint8_t arrow) {
  const GridCell& cell = document.cells.at(x, y);
  return Code(cell.kind) == arrow || cell.overlay == arrow;
}

}  // namespace verstak::testing
