#pragma once
// Which clue leads to which word. Every arrow of the grid (a cell's kind or
// its overlay, 1..14) names the cell its clue stands in (arrow_rule.h) and
// leads into the word that starts in its own cell, across or down.
//
// Within a clue cell the arrows take its slots in this order (the field's
// convention: top clue to the across word, bottom clue to the down word):
//   - in a cell split top and bottom (16, 106), and in one-slot cells, the
//     arrow that leaves the clue cell higher first: from its top edge or top
//     corners, then from the middle of its left or right edge, then from its
//     bottom edge or bottom corners;
//   - in a cell split left and right (20, 102) the one that leaves further
//     left first: left edge or left corners, middle of the top or bottom
//     edge, right edge or right corners;
//   - on a tie the arrow into an across word first, then the one whose cell
//     (where its word starts) comes first in reading order.
// The first arrow takes the cell's first slot (the top or left half), the
// second the second slot; arrows beyond the cell's slots take none.
//
//   ClueLinks links(document);
//   for (const LinkedArrow& arrow : links.arrows()) ... arrow.half ...
//   links.wordOfSlot(7)   // the word clue 7 leads to

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/scanword_document.h"
#include "document/words.h"

namespace verstak {

inline constexpr int kNone = -1;

struct LinkedArrow {
  std::uint8_t x = 0;  // the cell the arrow stands in
  std::uint8_t y = 0;
  std::uint8_t code = 0;  // 1..14
  bool asOverlay = false;
  int clueX = 0;  // the cell its clue stands in; may lie outside the grid
  int clueY = 0;
  WordDirection leadsInto = WordDirection::Across;
  int word = kNone;      // index into words(); kNone when no word of that direction starts here
  int clueCell = kNone;  // index into clueCells(); kNone when (clueX, clueY) is no clue cell
  int slot = 0;          // the clue slot it belongs to; 0 for none
  int half = 0;          // 1 (top or left) or 2 of a two-slot cell, 1 in a one-slot cell; 0 for none
};

struct LinkedClueCell {
  std::uint8_t x = 0;
  std::uint8_t y = 0;
  int firstSlot = 0;
  int slotCount = 0;        // 1 or 2
  std::vector<int> arrows;  // into arrows(), in slot order
  int words = 0;            // how many of them lead into a word
};

class ClueLinks {
 public:
  explicit ClueLinks(const ScanwordDocument& document);

  const std::vector<Word>& words() const { return words_; }
  // In reading order of their cells, the kind's arrow before the overlay's.
  const std::vector<LinkedArrow>& arrows() const { return arrows_; }
  // In reading order, which is slot order.
  const std::vector<LinkedClueCell>& clueCells() const { return clueCells_; }

  // The arrows from clue cells into word `word` (at most two: a cell
  // carries two marks at most).
  struct WordClues {
    int count = 0;
    std::array<int, 2> arrows{kNone, kNone};
  };
  const WordClues& cluesOf(int word) const { return wordClues_[static_cast<std::size_t>(word)]; }

  // The clue cell at (x, y) as an index into clueCells(), or kNone.
  int clueCellAt(int x, int y) const;
  // The arrow `code` standing in cell (x, y), or nullptr.
  const LinkedArrow* arrowAt(int x, int y, std::uint8_t code) const;
  // The arrow whose clue is in `slot`, or nullptr (no such slot, or no arrow
  // takes it).
  const LinkedArrow* arrowOfSlot(int slot) const;
  // The word the clue in `slot` leads to.
  std::optional<Word> wordOfSlot(int slot) const;

 private:
  void LinkArrow(const ScanwordDocument& document, int x, int y, std::uint8_t code, bool asOverlay);
  void OrderClueCell(const ScanwordDocument& document, LinkedClueCell& cell);
  int wordStartingAt(int x, int y, WordDirection direction) const;
  std::size_t cellIndex(int x, int y) const { return static_cast<std::size_t>((y - 1) * width_ + (x - 1)); }

  int width_ = 0;
  int height_ = 0;
  std::vector<Word> words_;
  std::vector<LinkedArrow> arrows_;
  std::vector<LinkedClueCell> clueCells_;
  std::vector<WordClues> wordClues_;
  std::vector<int> clueCellIndex_;                 // per cell of the grid
  std::vector<std::array<int, 2>> wordStartIndex_;  // per cell: across, down
};

}  // namespace verstak
