#include "document/clue_links.h"

#include <algorithm>
#include <tuple>

#include "document/slot_numbering.h"

namespace verstak {
namespace {

bool SplitLeftRight(CellKind kind) { return PlainKind(kind) == CellKind::ClueSplitVertical; }

// The arrow's place in its clue cell's order; smaller comes first.
std::tuple<int, int, int, int> OrderKey(const LinkedArrow& arrow, bool leftRight) {
  const ArrowRuleRow row = *ArrowRule(arrow.code);
  const int exit = leftRight ? ExitLeftness(row) : ExitHeight(row);
  return {exit, arrow.leadsInto == WordDirection::Across ? 0 : 1, arrow.y, arrow.x};
}

}  // namespace

ClueLinks::ClueLinks(const ScanwordDocument& document)
    : width_(document.gridWidth), height_(document.gridHeight), words_(FindWords(document)) {
  const std::size_t cells = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  clueCellIndex_.assign(cells, kNone);
  wordStartIndex_.assign(cells, {kNone, kNone});
  for (std::size_t w = 0; w < words_.size(); ++w) {
    const Word& word = words_[w];
    wordStartIndex_[cellIndex(word.x, word.y)][static_cast<std::size_t>(word.direction)] = static_cast<int>(w);
  }
  int slot = 1;
  ForEachCellInReadingOrder(document, [&](int x, int y, const GridCell& cell) {
    const int count = slotCount(cell.kind);
    if (count == 0) return;
    clueCellIndex_[cellIndex(x, y)] = static_cast<int>(clueCells_.size());
    clueCells_.push_back({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), slot, count, {}, 0});
    slot += count;
  });
  ForEachCellInReadingOrder(document, [&](int x, int y, const GridCell& cell) {
    if (IsArrowKind(cell.kind)) LinkArrow(document, x, y, Code(cell.kind), false);
    if (IsArrowCode(cell.overlay)) LinkArrow(document, x, y, cell.overlay, true);
  });
  wordClues_.assign(words_.size(), {});
  for (LinkedClueCell& cell : clueCells_) OrderClueCell(document, cell);
  for (std::size_t a = 0; a < arrows_.size(); ++a) {
    const LinkedArrow& arrow = arrows_[a];
    if (arrow.word == kNone || arrow.clueCell == kNone) continue;
    WordClues& clues = wordClues_[static_cast<std::size_t>(arrow.word)];
    if (clues.count < 2) clues.arrows[static_cast<std::size_t>(clues.count)] = static_cast<int>(a);
    ++clues.count;
  }
}

void ClueLinks::LinkArrow(const ScanwordDocument& document, int x, int y, std::uint8_t code, bool asOverlay) {
  const ArrowRuleRow row = *ArrowRule(code);
  LinkedArrow arrow;
  arrow.x = static_cast<std::uint8_t>(x);
  arrow.y = static_cast<std::uint8_t>(y);
  arrow.code = code;
  arrow.asOverlay = asOverlay;
  arrow.clueX = x + row.clueDx;
  arrow.clueY = y + row.clueDy;
  arrow.leadsInto = row.leadsInto;
  // Only a letter cell starts a word: an arrow on a clue cell leads nowhere.
  if (IsLetterKind(document.cells.at(x, y).kind)) arrow.word = wordStartingAt(x, y, row.leadsInto);
  arrow.clueCell = clueCellAt(arrow.clueX, arrow.clueY);
  if (arrow.clueCell != kNone) clueCells_[static_cast<std::size_t>(arrow.clueCell)].arrows.push_back(static_cast<int>(arrows_.size()));
  arrows_.push_back(arrow);
}

void ClueLinks::OrderClueCell(const ScanwordDocument& document, LinkedClueCell& cell) {
  const bool leftRight = SplitLeftRight(document.cells.at(cell.x, cell.y).kind);
  std::ranges::sort(cell.arrows, [&](int a, int b) {
    return OrderKey(arrows_[static_cast<std::size_t>(a)], leftRight) < OrderKey(arrows_[static_cast<std::size_t>(b)], leftRight);
  });
  for (std::size_t n = 0; n < cell.arrows.size(); ++n) {
    LinkedArrow& arrow = arrows_[static_cast<std::size_t>(cell.arrows[n])];
    cell.words += arrow.word != kNone;
    if (static_cast<int>(n) >= cell.slotCount) continue;
    arrow.slot = cell.firstSlot + static_cast<int>(n);
    arrow.half = static_cast<int>(n) + 1;
  }
}

int ClueLinks::wordStartingAt(int x, int y, WordDirection direction) const {
  return wordStartIndex_[cellIndex(x, y)][static_cast<std::size_t>(direction)];
}

int ClueLinks::clueCellAt(int x, int y) const {
  if (x < 1 || y < 1 || x > width_ || y > height_) return kNone;
  return clueCellIndex_[cellIndex(x, y)];
}

const LinkedArrow* ClueLinks::arrowAt(int x, int y, std::uint8_t code) const {
  const auto found = std::ranges::find_if(arrows_, [&](const LinkedArrow& arrow) {
    return arrow.x == x && arrow.y == y && arrow.code == code;
  });
  return found == arrows_.end() ? nullptr : &*found;
}

const LinkedArrow* ClueLinks::arrowOfSlot(int slot) const {
  // The last clue cell whose first slot is not past `slot`.
  const auto after = std::ranges::upper_bound(clueCells_, slot, {}, &LinkedClueCell::firstSlot);
  if (after == clueCells_.begin()) return nullptr;
  const LinkedClueCell& cell = *std::prev(after);
  const int order = slot - cell.firstSlot;
  if (order >= cell.slotCount || order >= static_cast<int>(cell.arrows.size())) return nullptr;
  return &arrows_[static_cast<std::size_t>(cell.arrows[static_cast<std::size_t>(order)])];
}

std::optional<Word> ClueLinks::wordOfSlot(int slot) const {
  const LinkedArrow* arrow = arrowOfSlot(slot);
  if (arrow == nullptr || arrow->word == kNone) return std::nullopt;
  return words_[static_cast<std::size_t>(arrow->word)];
}

}  // namespace verstak
