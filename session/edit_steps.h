#pragma once
// The steps of the undo history, each what the user sees as one action, kept
// as compact differences: the cells a step changed with their old and new
// contents, or one slot's old and new text.

#include <QUndoCommand>
#include <cstdint>
#include <vector>

#include "document/scanword_document.h"

namespace verstak {

class DocumentHistory;

struct CellChange {
  std::uint8_t x = 1;
  std::uint8_t y = 1;
  GridCell before;
  GridCell after;
};

// Collects the changes of one action, a cell's first `before` and last `after`.
class CellChanges {
 public:
  void record(int x, int y, const GridCell& before, const GridCell& after);
  // Changes whose cell ended as it began are dropped.
  std::vector<CellChange> take();
  bool empty() const { return changes_.empty(); }

 private:
  std::vector<CellChange> changes_;
};

// Cells changed by a press and its drag, or the check's rewriting of kinds to
// and from their missing variants (`marksOnly`: not an edit of the work).
class CellsStep final : public QUndoCommand {
 public:
  CellsStep(DocumentHistory& history, std::vector<CellChange> changes, bool marksOnly);

  void undo() override { Apply(true); }
  void redo() override { Apply(false); }
  bool marksOnly() const { return marksOnly_; }
  std::size_t bytes() const { return sizeof(*this) + changes_.capacity() * sizeof(CellChange); }

 private:
  void Apply(bool undo);

  DocumentHistory& history_;
  std::vector<CellChange> changes_;
  bool marksOnly_;
  bool done_ = true;  // pushed after the change was made on screen
};

// One stored clue text, with the kind of its cell that storing set plain.
class ClueTextStep final : public QUndoCommand {
 public:
  ClueTextStep(DocumentHistory& history, int slot, DefinitionText before, DefinitionText after,
               std::vector<CellChange> cell);

  void undo() override { Apply(true); }
  void redo() override { Apply(false); }
  std::size_t bytes() const { return sizeof(*this) + cell_.capacity() * sizeof(CellChange); }

 private:
  void Apply(bool undo);

  DocumentHistory& history_;
  int slot_;
  DefinitionText before_;
  DefinitionText after_;
  std::vector<CellChange> cell_;
  bool done_ = true;
};

// Many stored clue texts at once, as "Перенести строки" writes them.
struct ClueTextChange {
  int slot = 0;
  DefinitionText before;
  DefinitionText after;
};

class ClueTextsStep final : public QUndoCommand {
 public:
  ClueTextsStep(DocumentHistory& history, std::vector<ClueTextChange> changes);

  void undo() override { Apply(true); }
  void redo() override { Apply(false); }
  std::size_t bytes() const { return sizeof(*this) + changes_.capacity() * sizeof(ClueTextChange); }

 private:
  void Apply(bool undo);

  DocumentHistory& history_;
  std::vector<ClueTextChange> changes_;
  bool done_ = true;
};

}  // namespace verstak
