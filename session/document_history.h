#pragma once
// Undo and redo of the document: a bounded stack of steps, and the mark of
// changes not yet saved, which follows it. Undoing back to what was saved
// clears the mark; the check's marks alone never set it.

#include <QObject>
#include <QUndoStack>
#include <vector>

#include "document/scanword_document.h"
#include "session/edit_steps.h"

namespace verstak {

class DocumentHistory : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDefaultLimit = 1000;

  explicit DocumentHistory(ScanwordDocument& document, int limit = kDefaultLimit, QObject* parent = nullptr);
  ~DocumentHistory() override;

  ScanwordDocument& document() { return document_; }

  // Steps already carried out on the document; empty changes add no step.
  void pushCells(std::vector<CellChange> changes, bool marksOnly = false);
  void pushClueText(int slot, const DefinitionText& before, const DefinitionText& after,
                    std::vector<CellChange> cell);
  void pushClueTexts(std::vector<ClueTextChange> changes);

  // Changes not yet saved: the mark the title shows.
  bool edited() const { return edited_; }

  bool canUndo() const { return stack_.canUndo(); }
  bool canRedo() const { return stack_.canRedo(); }
  // The next step to undo (redo) changes cells beyond the check's marks.
  bool undoChangesCells() const;
  bool redoChangesCells() const;
  void undo() { stack_.undo(); }
  void redo() { stack_.redo(); }

  // A save wrote the document as it is now.
  void markSaved();
  // A new or opened document: no steps. `editsRemain` when the document
  // still holds unsaved edits (only one of its parts was read).
  void restart(bool editsRemain);

  int count() const { return stack_.count(); }
  // What the steps hold, in bytes.
  std::size_t bytes() const;

  // For the steps: report what they changed.
  void cellsChanged(const std::vector<CellChange>& changes) { emit cellsRestored(changes); }
  void clueTextChanged(int slot) { emit clueTextRestored(slot); }

 signals:
  // An undo or redo put these cells (this slot's text) back.
  void cellsRestored(const std::vector<CellChange>& changes);
  void clueTextRestored(int slot);
  // The mark of unsaved changes may have changed.
  void markChanged(bool edited);
  // A step was made, undone or redone, the document saved or replaced.
  void changed();

 private:
  void UpdateMark();
  bool EditedSinceSave() const;
  static bool IsMarksOnly(const QUndoCommand* command);

  ScanwordDocument& document_;
  QUndoStack stack_;
  bool editedBeforeHistory_ = false;
  bool edited_ = false;  // EditedSinceSave() as last announced
};

}  // namespace verstak
