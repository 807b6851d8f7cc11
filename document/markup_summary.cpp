#include "document/markup_summary.h"

#include "document/clue_links.h"

namespace verstak {

MarkupSummary SummarizeMarkup(const ScanwordDocument& document) {
  const ClueLinks links(document);
  MarkupSummary summary;
  summary.words = static_cast<int>(links.words().size());
  for (std::size_t w = 0; w < links.words().size(); ++w) summary.defined += links.cluesOf(static_cast<int>(w)).count > 0;
  summary.clueCells = static_cast<int>(links.clueCells().size());
  for (const LinkedClueCell& cell : links.clueCells()) summary.slots += cell.slotCount;
  const DefinitionTable& table = document.definitions;
  for (int slot = 1; slot <= table.lastSlotWithText(); ++slot) summary.definitions += !table.slot(slot).isEmpty();
  summary.faults = CheckMarkup(links);
  return summary;
}

std::string SummaryLine(const MarkupSummary& summary) {
  return "Слов: " + std::to_string(summary.words) + ", клеток с определениями: " + std::to_string(summary.clueCells) +
         ", мест для определений: " + std::to_string(summary.slots) +
         ", определений: " + std::to_string(summary.definitions) + ", ошибок: " + std::to_string(summary.faults.size());
}

std::string CountMismatchLine(const MarkupSummary& summary) {
  if (summary.slots == summary.definitions) return {};
  return "Слов: " + std::to_string(summary.slots) + ", определений: " + std::to_string(summary.definitions);
}

std::string NoFaultsLine(const MarkupSummary& summary) {
  return "Разметка без ошибок: слов " + std::to_string(summary.words) + ", определений " +
         std::to_string(summary.definitions) + ".";
}

}  // namespace verstak
