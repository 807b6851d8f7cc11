#include "session/edit_steps.h"

#include <algorithm>

#include "session/document_history.h"

namespace verstak {

void CellChanges::record(int x, int y, const GridCell& before, const GridCell& after) {
  const auto same = [&](const CellChange& c) { return c.x == x && c.y == y; };
  if (auto it = std::find_if(changes_.begin(), changes_.end(), same); it != changes_.end()) {
    it->after = after;
    return;
  }
  changes_.push_back({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), before, after});
}

std::vector<CellChange> CellChanges::take() {
  std::vector<CellChange> taken;
  for (const CellChange& change : changes_) {
    if (change.before != change.after) taken.push_back(change);
  }
  changes_.clear();
  taken.shrink_to_fit();
  return taken;
}

CellsStep::CellsStep(DocumentHistory& history, std::vector<CellChange> changes, bool marksOnly)
    : history_(history), changes_(std::move(changes)), marksOnly_(marksOnly) {}

void CellsStep::Apply(bool undo) {
  // The first redo is the push of a change already made and drawn.
  if (!undo && done_) {
    done_ = false;
    return;
  }
  for (const CellChange& change : changes_) {
    history_.document().cells.at(change.x, change.y) = undo ? change.before : change.after;
  }
  history_.cellsChanged(changes_);
}

ClueTextStep::ClueTextStep(DocumentHistory& history, int slot, DefinitionText before, DefinitionText after,
                           std::vector<CellChange> cell)
    : history_(history), slot_(slot), before_(std::move(before)), after_(std::move(after)), cell_(std::move(cell)) {}

void ClueTextStep::Apply(bool undo) {
  if (!undo && done_) {
    done_ = false;
    return;
  }
  ScanwordDocument& document = history_.document();
  document.definitions.slot(slot_) = undo ? before_ : after_;
  for (const CellChange& change : cell_) document.cells.at(change.x, change.y) = undo ? change.before : change.after;
  if (!cell_.empty()) history_.cellsChanged(cell_);
  history_.clueTextChanged(slot_);
}

ClueTextsStep::ClueTextsStep(DocumentHistory& history, std::vector<ClueTextChange> changes)
    : history_(history), changes_(std::move(changes)) {}

void ClueTextsStep::Apply(bool undo) {
  if (!undo && done_) {
    done_ = false;
    return;
  }
  ScanwordDocument& document = history_.document();
  for (const ClueTextChange& change : changes_) {
    document.definitions.slot(change.slot) = undo ? change.before : change.after;
    history_.clueTextChanged(change.slot);
  }
}

}  // namespace verstak
