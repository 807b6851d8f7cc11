#include "document/check_definitions.h"

#include <string>

namespace verstak {

CheckResult CheckDefinitions(ScanwordDocument& document) {
  const DefinitionTable& table = document.definitions;
  int found = 0;
  int total = 0;
  int slot = 1;
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      GridCell& cell = document.cells.at(x, y);
      const int visits = slotCount(cell.kind);
      total += visits;
      // Each visit rewrites the cell, so for a split cell the second decides.
      for (int v = 0; v < visits; ++v, ++slot) {
        // Slots past the table's 10000 read as empty.
        if (!table.slotOrEmpty(slot).isEmpty()) {
          ++found;
          cell.kind = PlainKind(cell.kind);
        } else {
          cell.kind = MissingVariant(cell.kind);
        }
      }
    }
  }
  // A text right after the last clue slot is one too many; later ones go unseen.
  if (!table.slotOrEmpty(slot).isEmpty()) ++found;

  CheckResult result{CheckOutcome::AllRight, UserMessage::Success("Все правильно!"), total, found};
  if (total != found) {
    int texts = 0;
    for (int s = 1; s <= table.lastSlotWithText(); ++s) texts += table.slot(s).isEmpty() ? 0 : 1;
    const std::string counts =
        "Клеток для определений: " + std::to_string(total) + ", определений: " + std::to_string(texts) + ".";
    result.outcome = total < found ? CheckOutcome::TooMany : CheckOutcome::TooFew;
    result.message = UserMessage::Error(total < found ? "Много определений!" : "Мало определений!", counts);
  } else if (total == 0) {
    result.outcome = CheckOutcome::NoDefinitions;
    result.message = UserMessage::Error("Эй! Нет определений!");
  }
  return result;
}

}  // namespace verstak
