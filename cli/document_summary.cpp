#include "cli/document_summary.h"

#include <algorithm>
#include <bitset>
#include <string_view>

#include "document/slot_numbering.h"

namespace verstak::batch {
namespace {

struct KindSymbol {
  CellKind kind;
  char symbol;
  std::string_view meaning;
};

// Arrows by the way they end; missing variants as marked by the check.
constexpr KindSymbol kSymbols[] = {
    {CellKind::Letter, '.', "буква"},
    {CellKind::ArrowFromLeftRight, '>', "стрелка вправо"},
    {CellKind::ArrowFromTopDown, 'v', "стрелка вниз"},
    {CellKind::ArrowFromLeftDown, 'v', "стрелка вниз"},
    {CellKind::ArrowFromTopRight, '>', "стрелка вправо"},
    {CellKind::ArrowFromTopLeftCornerDown, 'v', "стрелка вниз"},
    {CellKind::ArrowFromTopLeftCornerRight, '>', "стрелка вправо"},
    {CellKind::ArrowFromTopRightCornerDown, 'v', "стрелка вниз"},
    {CellKind::ArrowFromTopRightCornerRight, '>', "стрелка вправо"},
    {CellKind::ArrowFromBottomRight, '>', "стрелка вправо"},
    {CellKind::ArrowFromBottomLeftCornerRight, '>', "стрелка вправо"},
    {CellKind::ArrowFromBottomLeftCornerDown, 'v', "стрелка вниз"},
    {CellKind::ArrowFromBottomRightCornerRight, '>', "стрелка вправо"},
    {CellKind::ArrowFromBottomRightCornerDown, 'v', "стрелка вниз"},
    {CellKind::ArrowFromRightDown, 'v', "стрелка вниз"},
    {CellKind::ClueSplitHorizontal, '=', "два определения: верхнее и нижнее"},
    {CellKind::BarBottom, '_', "черта снизу"},
    {CellKind::BarLeft, '[', "черта слева"},
    {CellKind::Clue, '#', "определение"},
    {CellKind::ClueSplitVertical, 'H', "два определения: левое и правое"},
    {CellKind::BarRight, ']', "черта справа"},
    {CellKind::BarTop, '^', "черта сверху"},
    {CellKind::Picture, '*', "картинка"},
    {CellKind::ClueHalfLeft, 'L', "определение в левой половине"},
    {CellKind::ClueHalfTop, 'T', "определение в верхней половине"},
    {CellKind::ClueSplitVerticalMissing, '?', "нет определения"},
    {CellKind::ClueHalfLeftMissing, '?', "нет определения"},
    {CellKind::ClueHalfTopMissing, '?', "нет определения"},
    {CellKind::ClueSplitHorizontalMissing, '?', "нет определения"},
    {CellKind::ClueMissing, '?', "нет определения"},
};

// Codes no operation writes are shown as plain cells, as on screen.
const KindSymbol& SymbolOf(CellKind kind) {
  const auto found = std::ranges::find(kSymbols, kind, &KindSymbol::kind);
  return found != std::end(kSymbols) ? *found : kSymbols[0];
}

std::string Grid(const ScanwordDocument& document, std::bitset<128>& used) {
  std::string text;
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      const char symbol = SymbolOf(document.cells.at(x, y).kind).symbol;
      used.set(static_cast<unsigned char>(symbol));
      text += symbol;
    }
    text += '\n';
  }
  return text;
}

// Each symbol of the grid once, in the order of the table.
std::string Legend(const std::bitset<128>& used) {
  std::string legend;
  std::bitset<128> listed;
  for (const KindSymbol& entry : kSymbols) {
    const auto symbol = static_cast<unsigned char>(entry.symbol);
    if (!used.test(symbol) || listed.test(symbol)) continue;
    listed.set(symbol);
    legend += legend.empty() ? "Обозначения: " : ", ";
    legend += entry.symbol;
    legend += ' ';
    legend += entry.meaning;
  }
  return legend.empty() ? legend : legend + '\n';
}

int ClueCells(const ScanwordDocument& document) {
  int count = 0;
  ForEachCellInReadingOrder(document, [&](int, int, const GridCell& cell) { count += IsClueKind(cell.kind); });
  return count;
}

int FilledDefinitions(const ScanwordDocument& document) {
  int count = 0;
  for (int slot = 1, last = document.definitions.lastSlotWithText(); slot <= last; ++slot) {
    count += !document.definitions.slot(slot).isEmpty();
  }
  return count;
}

}  // namespace

char CellSymbol(CellKind kind) { return SymbolOf(kind).symbol; }

std::string DocumentSummary(const ScanwordDocument& document) {
  std::string text;
  if (document.gridWidth == 0 || document.gridHeight == 0) {
    text += "Сетки нет\n";
  } else {
    text += "Сетка: " + std::to_string(document.gridWidth) + " x " + std::to_string(document.gridHeight) + "\n";
  }
  text += "Клеток с определениями: " + std::to_string(ClueCells(document)) + "\n";
  text += "Мест для определений: " + std::to_string(SlotTotal(document)) + "\n";
  text += "Определений: " + std::to_string(FilledDefinitions(document)) + "\n";
  std::bitset<128> used;
  const std::string grid = Grid(document, used);
  if (!grid.empty()) text += "\n" + grid + "\n" + Legend(used);
  return text;
}

}  // namespace verstak::batch
