#include "document/check_markup.h"

#include <algorithm>
#include <tuple>

namespace verstak {
namespace {

const char* ArrowName(WordDirection direction) {
  return direction == WordDirection::Across ? "стрелка вправо" : "стрелка вниз";
}

MarkupFault Fault(int x, int y, MarkupFaultKind kind, const std::string& what) {
  return {x, y, kind, CellName(x, y) + ": " + what};
}

void WordFaults(const ClueLinks& links, std::vector<MarkupFault>& faults) {
  for (std::size_t w = 0; w < links.words().size(); ++w) {
    const Word& word = links.words()[w];
    const int clues = links.cluesOf(static_cast<int>(w)).count;
    const std::string direction = DirectionName(word.direction);
    if (clues == 0) {
      faults.push_back(Fault(word.x, word.y, MarkupFaultKind::WordWithoutClue, "у слова " + direction + " нет определения"));
    } else if (clues > 1) {
      faults.push_back(Fault(word.x, word.y, MarkupFaultKind::WordWithTwoClues, "у слова " + direction + " два определения"));
    }
  }
}

void ArrowFaults(const ClueLinks& links, std::vector<MarkupFault>& faults) {
  for (const LinkedArrow& arrow : links.arrows()) {
    const std::string name = ArrowName(arrow.leadsInto);
    if (arrow.word == kNone) {
      faults.push_back(Fault(arrow.x, arrow.y, MarkupFaultKind::ArrowStartsNoWord, name + " не начинает слова"));
    }
    if (arrow.clueCell == kNone) {
      faults.push_back(Fault(arrow.x, arrow.y, MarkupFaultKind::ArrowNotFromClue, name + " не от клетки с определением"));
    }
  }
}

void ClueCellFaults(const ClueLinks& links, std::vector<MarkupFault>& faults) {
  for (const LinkedClueCell& cell : links.clueCells()) {
    if (cell.words == cell.slotCount) continue;
    faults.push_back(Fault(cell.x, cell.y, MarkupFaultKind::SlotsDifferFromWords,
                           "мест для определений " + std::to_string(cell.slotCount) + ", слов " +
                               std::to_string(cell.words)));
  }
}

}  // namespace

std::string CellName(int x, int y) { return "строка " + std::to_string(y) + ", столбец " + std::to_string(x); }

std::vector<MarkupFault> CheckMarkup(const ClueLinks& links) {
  std::vector<MarkupFault> faults;
  WordFaults(links, faults);
  ArrowFaults(links, faults);
  ClueCellFaults(links, faults);
  // Reading order of the cells; within a cell in the order of the kinds.
  std::ranges::stable_sort(faults, [](const MarkupFault& a, const MarkupFault& b) {
    return std::tie(a.y, a.x, a.kind) < std::tie(b.y, b.x, b.kind);
  });
  return faults;
}

std::vector<MarkupFault> CheckMarkup(const ScanwordDocument& document) { return CheckMarkup(ClueLinks(document)); }

}  // namespace verstak
