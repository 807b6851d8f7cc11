#include "print/rebreak_clues.h"

#include <algorithm>

#include "document/cp1251.h"
#include "print/fit_report.h"
#include "print/print_drawing.h"

namespace verstak {
namespace {

std::string Place(const ClueFit& fit) {
  std::string place = "Определение " + std::to_string(fit.slot) + " (строка " + std::to_string(fit.row) +
                      ", столбец " + std::to_string(fit.column);
  if (fit.half != ClueHalf::Whole) place += ", " + std::string(HalfName(fit.half));
  return place + "): ";
}

// Why the set lines cannot be stored; empty when they can.
std::string Unstorable(const TextBlock& block) {
  if (block.lines.size() > static_cast<std::size_t>(kDefinitionLines)) {
    return "набрано строк: " + std::to_string(block.lines.size()) + ", а определение вмещает " +
           std::to_string(kDefinitionLines);
  }
  for (const SetLine& line : block.lines) {
    if (line.text.size() > static_cast<std::size_t>(kDefinitionLineCapacity)) {
      return "строка «" + Cp1251ToUtf8(line.text) + "» длиннее " + std::to_string(kDefinitionLineCapacity) + " знаков";
    }
  }
  return {};
}

}  // namespace

CluesRebroken RebreakClues(const ScanwordDocument& document, const PrintSettings& settings,
                           const TypesetSettings& typeset, const TypesetFont& font) {
  CluesRebroken rebroken;
  const Drawing drawing = PrintDrawing(document, settings, typeset, font, ExportChoice{});
  for (const Shape& shape : drawing.shapes) {
    const auto* block = std::get_if<TextBlock>(&shape.form);
    if (block == nullptr || !block->fit.rebroken || block->fit.empty || !DefinitionTable::InRange(block->fit.slot)) {
      continue;
    }
    if (const std::string why = Unstorable(*block); !why.empty()) {
      rebroken.refused.push_back(Place(block->fit) + why);
      continue;
    }
    RebrokenClue clue{block->fit.slot, {}};
    int number = 1;
    for (const SetLine& line : block->lines) clue.text.line(number++).assign(line.text);
    if (clue.text != document.definitions.slot(clue.slot)) rebroken.changed.push_back(std::move(clue));
  }
  std::ranges::sort(rebroken.changed, {}, &RebrokenClue::slot);
  return rebroken;
}

void ApplyRebroken(ScanwordDocument& document, const CluesRebroken& rebroken) {
  for (const RebrokenClue& clue : rebroken.changed) document.definitions.slot(clue.slot) = clue.text;
}

}  // namespace verstak
