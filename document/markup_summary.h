#pragma once
// What a markup came to: its words, clue cells, slots and clue texts, and
// the markup check's faults (the words left without a clue, the clue cells
// that define no word), for the command line and the windows alike.

#include <string>
#include <vector>

#include "document/check_markup.h"
#include "document/scanword_document.h"

namespace verstak {

struct MarkupSummary {
  int words = 0;
  int defined = 0;  // words with a clue
  int clueCells = 0;
  int slots = 0;
  int definitions = 0;  // clue texts in the table
  std::vector<MarkupFault> faults;

  // Every word has a clue, and there is a text for every slot.
  bool complete() const { return defined == words && slots == definitions; }
};

MarkupSummary SummarizeMarkup(const ScanwordDocument& document);

// "Слов: W, клеток с определениями: C, мест для определений: S, определений: D, ошибок: F"
std::string SummaryLine(const MarkupSummary& summary);

// "Слов: N, определений: M" when the slots differ from the clue texts, else empty.
std::string CountMismatchLine(const MarkupSummary& summary);

// "Разметка без ошибок: слов N, определений M."
std::string NoFaultsLine(const MarkupSummary& summary);

}  // namespace verstak
