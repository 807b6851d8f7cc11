// The main window's markup commands: "Разметить" marks up the whole grid,
// and the markup check's faults, after it or after "Проверить", show in a
// list beside the window.

// Before any Qt header: the summary has a field Qt's "slots" keyword would hide.
#include "document/markup_summary.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "document/auto_markup.h"
#include "document/check_markup.h"
#include "document/slot_numbering.h"
#include "editor/clue_editing.h"
#include "editor/grid_view.h"
#include "editor/markup_fault_list.h"
#include "editor/osnova.h"
#include "session/document_session.h"
#include "widgets/prompter.h"

namespace verstak {
namespace {

std::vector<CellChange> ChangedCells(const ScanwordDocument& document, const CellGrid& before) {
  CellChanges changes;
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      if (before.at(x, y) != document.cells.at(x, y)) changes.record(x, y, before.at(x, y), document.cells.at(x, y));
    }
  }
  return changes.take();
}

std::vector<CellPosition> FaultCells(const std::vector<MarkupFault>& faults) {
  std::vector<CellPosition> cells;
  for (const MarkupFault& fault : faults) cells.push_back({fault.x, fault.y});
  return cells;
}

}  // namespace

void MainWindow::MarkupCommand() {
  if (editor_.mode != EditorMode::Idle) return;
  const CellGrid before = document_.cells;
  AutoMarkup(document_);
  session_.history().pushCells(ChangedCells(document_, before));
  grid_->RepaintGrid();
  const MarkupSummary summary = SummarizeMarkup(document_);
  if (!summary.faults.empty()) {
    faultList_->ShowFaults(summary.faults, QString::fromStdString(CountMismatchLine(summary)));
    grid_->setFaultMarks(FaultCells(summary.faults), std::nullopt);
  } else if (!summary.complete()) {
    faultList_->close();
    prompter_.showMessage(UserMessage::Error(CountMismatchLine(summary)));
  } else {
    faultList_->close();
    prompter_.showMessage(UserMessage::Success(NoFaultsLine(summary)));
  }
}

void MainWindow::ShowMarkupFaults() {
  const std::vector<MarkupFault> faults = CheckMarkup(document_);
  if (faults.empty()) {
    faultList_->close();
    return;
  }
  faultList_->ShowFaults(faults, QString());
  grid_->setFaultMarks(FaultCells(faults), std::nullopt);
}

// In clue editing a clue cell's fault selects its first clue, as a step to
// it would; elsewhere the cell becomes the selected one.
void MainWindow::ChooseFault(CellPosition cell) {
  grid_->setFaultMarks(FaultCells(faultList_->faults()), cell);
  const std::optional<CellSlots> numbers = SlotNumbering(document_, cell.x, cell.y);
  if (editor_.mode == EditorMode::ClueEditing && numbers && clueEditing_->GoToClue(cell, numbers->first)) {
    RevealCell(cell);
    return;
  }
  editor_.selectedCellX = cell.x;
  editor_.selectedCellY = cell.y;
  RevealCell(cell);
}

void MainWindow::FaultListClosed() {
  grid_->setFaultMarks({}, std::nullopt);
  activateWindow();
  if (editor_.mode == EditorMode::ClueEditing) {
    memo_->setFocus();
  } else {
    FocusScrollBar1();
  }
}

}  // namespace verstak
