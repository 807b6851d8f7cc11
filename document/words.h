#pragma once
// Words: a word is a maximal run of at least two letter cells across or
// down. Clue cells, pictures and codes no operation writes end a run, and so
// do bars, whether a bar's code stands as the kind or as the overlay: a bar
// on the right ends the across run after its cell, one on the left before
// it, one at the bottom the down run below it, one at the top above it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/arrow_rule.h"
#include "document/scanword_document.h"

namespace verstak {

// Letter cells: plain, arrows, the spare letter code and bars.
constexpr bool IsLetterKind(CellKind kind) {
  const std::uint8_t code = Code(kind);
  return code <= 15 || IsBarCode(code);
}

struct Word {
  std::uint8_t x = 0;  // the first letter
  std::uint8_t y = 0;
  WordDirection direction = WordDirection::Across;
  std::uint8_t length = 0;

  // The n-th letter cell, from 0.
  int letterX(int n) const { return x + (direction == WordDirection::Across ? n : 0); }
  int letterY(int n) const { return y + (direction == WordDirection::Down ? n : 0); }

  friend bool operator==(const Word&, const Word&) = default;
};

// Every word of the grid in reading order of its first letter, the across
// word before the down word that start in the same cell.
std::vector<Word> FindWords(const ScanwordDocument& document);

// True when a word can go on from cell (x, y) to the next cell in
// `direction` (both inside the grid and letter cells, no bar between).
bool RunContinues(const ScanwordDocument& document, int x, int y, WordDirection direction);

// The word's letters (cp1251) as the grid file gave them; nullopt when any
// of its cells has no letter.
std::optional<std::string> WordAnswer(const ScanwordDocument& document, const Word& word);

// "по горизонтали" or "по вертикали".
const char* DirectionName(WordDirection direction);

}  // namespace verstak
