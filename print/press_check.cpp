#include "print/press_check.h"

#include "document/check_definitions.h"
#include "document/check_markup.h"
#include "document/slot_numbering.h"

namespace verstak {
namespace {

// Texts in slots past the last one a clue cell takes.
int TextsPastTheGrid(const ScanwordDocument& document) {
  int texts = 0;
  const DefinitionTable& table = document.definitions;
  for (int slot = SlotTotal(document) + 1; slot <= table.lastSlotWithText(); ++slot)
    texts += table.slot(slot).isEmpty() ? 0 : 1;
  return texts;
}

std::string CountFault(const ScanwordDocument& document) {
  // The check marks the cells it finds without text: a copy takes the marks.
  ScanwordDocument checked = document;
  const CheckResult count = CheckDefinitions(checked);
  if (count.outcome == CheckOutcome::AllRight) return {};
  return count.message.details.empty() ? count.message.text : count.message.text + " " + count.message.details;
}

}  // namespace

std::vector<std::string> PressFaults(const ScanwordDocument& document, const FitReport& fit) {
  std::vector<std::string> faults;
  if (std::string count = CountFault(document); !count.empty()) faults.push_back(std::move(count));
  if (const int past = TextsPastTheGrid(document); past > 0) {
    faults.push_back("Определений больше, чем мест для них: " + std::to_string(past) + " не будет напечатано");
  }
  for (const MarkupFault& fault : CheckMarkup(document)) faults.push_back(fault.text);
  for (const ClueFit& clue : fit.clues) faults.push_back(FitReportLine(clue));
  return faults;
}

UserMessage StrictRefusal(const std::vector<std::string>& faults) {
  std::string details;
  for (const std::string& fault : faults) details += (details.empty() ? "" : "\n") + fault;
  return UserMessage::Error("Файл не записан: сканворд не готов к печати.", details);
}

std::string WarningLine(const std::string& fault) { return "Предупреждение: " + fault; }

}  // namespace verstak
