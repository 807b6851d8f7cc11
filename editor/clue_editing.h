#pragma once
// Clue editing: the palette gives way to a text editor (`Memo1`) and the user
// steps through the clue cells in reading order, editing the text of one
// clue at a time. The text of a clue lives in the definition slot that the
// reading-order numbering gives the selected cell half.

#include <QObject>
#include <vector>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "session/edit_steps.h"
#include "editor/editor_state.h"
#include "editor/view_cells.h"

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace verstak {

class DocumentHistory;
class GridView;
class Prompter;
class ToolPalette;

// The main window's controls that clue editing uses, made by the window.
struct ClueEditorControls {
  QPlainTextEdit* memo = nullptr;                    // `Memo1`
  std::vector<QWidget*> shownWhileEditing;           // memo, guide bars, steps and their labels, commands
  std::vector<QWidget*> layoutCommands;              // off while editing: they replace or leave the document
  QAbstractButton* enter = nullptr;                  // "Редактор"
  QAbstractButton* check = nullptr;                  // "Проверить"
  QAbstractButton* font = nullptr;                   // "Шрифт"
  QAbstractButton* back = nullptr;                   // "Обратно"
  QAbstractButton* next = nullptr;                   // `SpeedButton26`
  QAbstractButton* previous = nullptr;               // `SpeedButton27`
  QLabel* position = nullptr;                        // which clue, where; notes on typing
};

class ClueEditing : public QObject {
  Q_OBJECT

 public:
  ClueEditing(ScanwordDocument& document, EditorState& editor, GridView& view, DocumentHistory& history,
              const ClueEditorControls& controls, ToolPalette& palette, Prompter& prompter, QObject* parent = nullptr);

  // "Редактор": the check, then the editor's controls in place of the
  // palette and the first clue of the grid selected.
  void EnterClueEditing();
  // "Обратно": back to the palette with tool 23; every missing mark cleared.
  void ReturnToLayout();
  void LeaveClueEditing();

  // The memo shows the text of the cursor cell's selected clue.
  void LoadClueText();
  // The memo's text into the selected clue's slot: 16 lines of at most 32
  // characters, characters code page 1251 lacks as "?". Nothing is stored
  // when no clue is selected or its slot lies past the table.
  void StoreClueText();
  // The cursor cell becomes the selected clue: its text in the memo, its
  // selected half in yellow.
  void SelectClue();
  // Store the text, then on to the next (previous) clue, wrapping round.
  void NextClue();
  void PreviousClue();
  // Store the text, then select the clue of `slot` in `cell` (either half of
  // a two-slot cell); false, nothing moved, when the cell holds no such slot.
  bool GoToClue(CellPosition cell, int slot);

  // "Проверить" and "Шрифт".
  void CheckCommand();
  void FontCommand();

 signals:
  // "Обратно" has put the palette back.
  void returnedToLayout();
  // "Проверить" has shown the count's message.
  void checked();
  // The selected clue's cell lies outside the view: scroll it in.
  void revealCell(CellPosition cell);

 private:
  void ShowEditorControls(bool shown);
  void StepClue(bool (*step)(const ScanwordDocument&, EditorState&));
  // The cursor cell's clue, in yellow when `highlighted`, also after every
  // repaint; drawn now if the view shows it.
  void DrawCursorClue(bool highlighted);
  void ShowPosition();
  // The check, its rewriting of kinds recorded as one step.
  UserMessage CheckWithMarks();
  std::vector<CellChange> ChangedCells(const CellGrid& before) const;

  ScanwordDocument& document_;
  EditorState& editor_;
  GridView& view_;
  DocumentHistory& history_;
  ClueEditorControls controls_;
  QPlainTextEdit& memo_;
  ToolPalette& palette_;
  Prompter& prompter_;
};

}  // namespace verstak
