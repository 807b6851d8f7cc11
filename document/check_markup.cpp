#include "document/check_markup.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace verstak {
namespace {

std::string_view ArrowName(WordDirection direction) {
  return direction == WordDirection::Across ? "стрелка вправо" : "стрелка вниз";
}

// A fault found, before its line is written: a whole grid of faults is
// sorted as these small records, and each line is written once, in place.
struct Found {
  int x;
  int y;
  MarkupFaultKind kind;
  WordDirection direction = WordDirection::Across;
  int slots = 0;
  int words = 0;
};

void Append(std::string& text, int number) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  text.append(digits, end);
}

void AppendCellName(std::string& text, int x, int y) {
  text += "строка ";
  Append(text, y);
  text += ", столбец ";
  Append(text, x);
}

std::string Line(const Found& found) {
  std::string text;
  text.reserve(96);
  AppendCellName(text, found.x, found.y);
  text += ": ";
  switch (found.kind) {
    case MarkupFaultKind::WordWithoutClue:
    case MarkupFaultKind::WordWithTwoClues:
      text += "у слова ";
      text += DirectionName(found.direction);
      text += found.kind == MarkupFaultKind::WordWithoutClue ? " нет определения" : " два определения";
      break;
    case MarkupFaultKind::ArrowStartsNoWord:
      text += ArrowName(found.direction);
      text += " не начинает слова";
      break;
    case MarkupFaultKind::ArrowNotFromClue:
      text += ArrowName(found.direction);
      text += " не от клетки с определением";
      break;
    case MarkupFaultKind::SlotsDifferFromWords:
      text += "мест для определений ";
      Append(text, found.slots);
      text += ", слов ";
      Append(text, found.words);
      break;
  }
  return text;
}

std::vector<Found> FindFaults(const ClueLinks& links) {
  std::vector<Found> found;
  const auto add = [&found](int x, int y, MarkupFaultKind kind, WordDirection direction, int slots, int words) {
    found.push_back({x, y, kind, direction, slots, words});
  };
  for (std::size_t w = 0; w < links.words().size(); ++w) {
    const Word& word = links.words()[w];
    const int clues = links.cluesOf(static_cast<int>(w)).count;
    if (clues == 0) add(word.x, word.y, MarkupFaultKind::WordWithoutClue, word.direction, 0, 0);
    if (clues > 1) add(word.x, word.y, MarkupFaultKind::WordWithTwoClues, word.direction, 0, 0);
  }
  for (const LinkedArrow& arrow : links.arrows()) {
    if (arrow.word == kNone) add(arrow.x, arrow.y, MarkupFaultKind::ArrowStartsNoWord, arrow.leadsInto, 0, 0);
    if (arrow.clueCell == kNone) add(arrow.x, arrow.y, MarkupFaultKind::ArrowNotFromClue, arrow.leadsInto, 0, 0);
  }
  for (const LinkedClueCell& cell : links.clueCells()) {
    if (cell.words != cell.slotCount)
      add(cell.x, cell.y, MarkupFaultKind::SlotsDifferFromWords, WordDirection::Across, cell.slotCount, cell.words);
  }
  return found;
}

}  // namespace

std::string CellName(int x, int y) {
  std::string text;
  AppendCellName(text, x, y);
  return text;
}

std::vector<MarkupFault> CheckMarkup(const ClueLinks& links) {
  const std::vector<Found> found = FindFaults(links);
  // Reading order of the cells; within a cell in the order of the kinds, and
  // then as found: a counting sort, stable, on the cell and the kind.
  constexpr int kKinds = static_cast<int>(MarkupFaultKind::SlotsDifferFromWords) + 1;
  const auto key = [](const Found& fault) {
    return static_cast<std::size_t>(((fault.y - 1) * kMaxGridSide + (fault.x - 1)) * kKinds +
                                    static_cast<int>(fault.kind));
  };
  std::vector<int> start(static_cast<std::size_t>(kMaxGridSide * kMaxGridSide * kKinds) + 1, 0);
  for (const Found& fault : found) ++start[key(fault) + 1];
  for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
  std::vector<const Found*> sorted(found.size());
  for (const Found& fault : found) sorted[static_cast<std::size_t>(start[key(fault)]++)] = &fault;
  std::vector<MarkupFault> faults;
  faults.reserve(found.size());
  for (const Found* fault : sorted) faults.push_back({fault->x, fault->y, fault->kind, Line(*fault)});
  return faults;
}

std::vector<MarkupFault> CheckMarkup(const ScanwordDocument& document) { return CheckMarkup(ClueLinks(document)); }

}  // namespace verstak
