#include "session/document_history.h"

#include <QSignalBlocker>

namespace verstak {

DocumentHistory::DocumentHistory(ScanwordDocument& document, int limit, QObject* parent)
    : QObject(parent), document_(document) {
  stack_.setUndoLimit(limit);
  connect(&stack_, &QUndoStack::indexChanged, this, &DocumentHistory::UpdateMark);
  connect(&stack_, &QUndoStack::cleanChanged, this, &DocumentHistory::UpdateMark);
  connect(&stack_, &QUndoStack::indexChanged, this, &DocumentHistory::changed);
}

// The stack clears itself as it goes, and says so; by then the window
// listening may be half gone.
DocumentHistory::~DocumentHistory() { stack_.blockSignals(true); }

void DocumentHistory::pushCells(std::vector<CellChange> changes, bool marksOnly) {
  if (changes.empty()) return;
  stack_.push(new CellsStep(*this, std::move(changes), marksOnly));
}

void DocumentHistory::pushClueText(int slot, const DefinitionText& before, const DefinitionText& after,
                                   std::vector<CellChange> cell) {
  stack_.push(new ClueTextStep(*this, slot, before, after, std::move(cell)));
}

void DocumentHistory::pushClueTexts(std::vector<ClueTextChange> changes) {
  if (changes.empty()) return;
  stack_.push(new ClueTextsStep(*this, std::move(changes)));
}

bool DocumentHistory::IsMarksOnly(const QUndoCommand* command) {
  const auto* cells = dynamic_cast<const CellsStep*>(command);
  return cells && cells->marksOnly();
}

bool DocumentHistory::undoChangesCells() const {
  const auto* cells = stack_.canUndo() ? dynamic_cast<const CellsStep*>(stack_.command(stack_.index() - 1)) : nullptr;
  return cells && !cells->marksOnly();
}

bool DocumentHistory::redoChangesCells() const {
  const auto* cells = stack_.canRedo() ? dynamic_cast<const CellsStep*>(stack_.command(stack_.index())) : nullptr;
  return cells && !cells->marksOnly();
}

void DocumentHistory::markSaved() {
  editedBeforeHistory_ = false;
  stack_.setClean();
  UpdateMark();
  emit changed();
}

// Said once, whether or not there were steps to clear.
void DocumentHistory::restart(bool editsRemain) {
  {
    const QSignalBlocker quiet(stack_);
    stack_.clear();
  }
  editedBeforeHistory_ = editsRemain;
  UpdateMark();
  emit changed();
}

std::size_t DocumentHistory::bytes() const {
  std::size_t total = 0;
  for (int i = 0; i < stack_.count(); ++i) {
    const QUndoCommand* command = stack_.command(i);
    if (const auto* cells = dynamic_cast<const CellsStep*>(command)) total += cells->bytes();
    if (const auto* text = dynamic_cast<const ClueTextStep*>(command)) total += text->bytes();
    if (const auto* texts = dynamic_cast<const ClueTextsStep*>(command)) total += texts->bytes();
  }
  return total;
}

// Edited when a step other than the check's marks lies between the saved
// state and now, or when the saved state fell off the bounded stack.
bool DocumentHistory::EditedSinceSave() const {
  if (editedBeforeHistory_) return true;
  const int clean = stack_.cleanIndex();
  if (clean < 0) return true;
  const int from = std::min(clean, stack_.index());
  const int to = std::max(clean, stack_.index());
  for (int i = from; i < to; ++i) {
    if (!IsMarksOnly(stack_.command(i))) return true;
  }
  return false;
}

void DocumentHistory::UpdateMark() {
  const bool edited = EditedSinceSave();
  if (edited == edited_) return;
  edited_ = edited;
  emit markChanged(edited);
}

}  // namespace verstak
