#pragma once
// The check of the markup, cell by cell, beside the count of the clue texts:
// each fault names its cell as "строка R, столбец C" (from 1) and says what
// is wrong there:
//   - a word without a clue, at its first letter, across or down;
//   - a word with two clues, likewise;
//   - an arrow that starts no word, or whose clue cell is no clue cell;
//   - a clue cell whose slots differ from the words its arrows lead to.
// The faults come in reading order of their cells.

#include <string>
#include <vector>

#include "document/clue_links.h"
#include "document/scanword_document.h"

namespace verstak {

enum class MarkupFaultKind {
  WordWithoutClue,
  WordWithTwoClues,
  ArrowStartsNoWord,
  ArrowNotFromClue,
  SlotsDifferFromWords,
};

struct MarkupFault {
  int x = 0;  // the cell: column and row from 1
  int y = 0;
  MarkupFaultKind kind = MarkupFaultKind::WordWithoutClue;
  std::string text;  // the whole line, UTF-8: "строка R, столбец C: ..."

  friend bool operator==(const MarkupFault&, const MarkupFault&) = default;
};

std::vector<MarkupFault> CheckMarkup(const ClueLinks& links);
std::vector<MarkupFault> CheckMarkup(const ScanwordDocument& document);

// "строка R, столбец C"
std::string CellName(int x, int y);

}  // namespace verstak
