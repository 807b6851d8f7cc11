#include "editor/clue_editing.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <algorithm>

#include "widgets/prompter.h"
#include "document/check_definitions.h"
#include "document/cp1251.h"
#include "document/slot_numbering.h"
#include "editor/clue_answer.h"
#include "editor/clue_memo_checks.h"
#include "editor/clue_navigation.h"
#include "session/document_history.h"
#include "editor/grid_view.h"
#include "editor/tool_palette.h"
#include "editor/view_cells.h"

namespace verstak {
namespace {

// The slot's lines at their own line numbers up to its last line with text,
// then one empty line; an empty slot gives an empty memo.
QString MemoText(const DefinitionText& text) {
  int last = 0;
  for (int i = 1; i <= kDefinitionLines; ++i) {
    if (!text.line(i).empty()) last = i;
  }
  QStringList lines;
  for (int i = 1; i <= last; ++i) lines << QString::fromStdString(Cp1251ToUtf8(text.line(i).text()));
  if (last > 0) lines << QString();
  return lines.join(QLatin1Char('\n'));
}

// Memo lines after the 16th and characters after a line's 32nd are cut.
DefinitionText DefinitionFromMemo(const QString& memo) {
  DefinitionText text;
  const QStringList lines = memo.split(QLatin1Char('\n'));
  const int count = std::min(static_cast<int>(lines.size()), kDefinitionLines);
  for (int i = 0; i < count; ++i) {
    if (!lines[i].isEmpty()) text.line(i + 1).assign(Utf8ToCp1251(lines[i].toStdString()));
  }
  return text;
}

}  // namespace

ClueEditing::ClueEditing(ScanwordDocument& document, EditorState& editor, GridView& view, DocumentHistory& history,
                         const ClueEditorControls& controls, ToolPalette& palette, Prompter& prompter,
                         QObject* parent)
    : QObject(parent),
      document_(document),
      editor_(editor),
      view_(view),
      history_(history),
      controls_(controls),
      memo_(*controls.memo),
      palette_(palette),
      prompter_(prompter) {
  connect(controls.enter, &QAbstractButton::clicked, this, &ClueEditing::EnterClueEditing);
  connect(controls.check, &QAbstractButton::clicked, this, &ClueEditing::CheckCommand);
  connect(controls.font, &QAbstractButton::clicked, this, &ClueEditing::FontCommand);
  connect(controls.back, &QAbstractButton::clicked, this, &ClueEditing::ReturnToLayout);
  connect(controls.next, &QAbstractButton::clicked, this, &ClueEditing::NextClue);
  connect(controls.previous, &QAbstractButton::clicked, this, &ClueEditing::PreviousClue);
  auto* checks = new ClueMemoChecks(memo_);
  connect(checks, &ClueMemoChecks::charactersRefused, this, [this](const QString& characters) {
    controls_.position->setText(QStringLiteral("Нет в кодировке 1251, не вводится: %1").arg(characters));
  });
  // An undone or redone text of the clue in the memo shows there at once.
  connect(&history, &DocumentHistory::clueTextRestored, this, [this](int slot) {
    if (editor_.mode != EditorMode::ClueEditing || !ClueSelected(document_, editor_)) return;
    LocateSlot(document_, editor_);
    if (slot == editor_.currentSlot) LoadClueText();
  });
}

// The check's rewriting of kinds is a step of its own in the history.
UserMessage ClueEditing::CheckWithMarks() {
  const CellGrid before = document_.cells;
  const CheckResult result = CheckDefinitions(document_);
  history_.pushCells(ChangedCells(before), true);
  return result.message;
}

std::vector<CellChange> ClueEditing::ChangedCells(const CellGrid& before) const {
  CellChanges changes;
  for (int y = 1; y <= document_.gridHeight; ++y) {
    for (int x = 1; x <= document_.gridWidth; ++x) {
      if (before.at(x, y) != document_.cells.at(x, y)) changes.record(x, y, before.at(x, y), document_.cells.at(x, y));
    }
  }
  return changes.take();
}

void ClueEditing::EnterClueEditing() {
  prompter_.showMessage(CheckWithMarks());
  palette_.SetShown(false);
  ShowEditorControls(true);
  memo_.setFocus();
  view_.RepaintGrid();
  editor_.mode = EditorMode::ClueEditing;
  editor_.currentTool = ToolNone;
  editor_.cursorX = editor_.cursorY = 1;
  if (FindClueForward(document_, editor_)) SelectClue();
}

// What the user typed is kept: it goes into the selected clue's slot before
// the memo is emptied.
void ClueEditing::ReturnToLayout() {
  StoreClueText();
  editor_.selectedCellX = editor_.selectedCellY = 1;
  palette_.SelectTool(ToolPicture);
  memo_.clear();
  const CellGrid before = document_.cells;
  ForEachCellInReadingOrder(
      document_, [this](int x, int y, const GridCell& cell) { document_.cells.at(x, y).kind = PlainKind(cell.kind); });
  history_.pushCells(ChangedCells(before), true);
  LeaveClueEditing();
  view_.RepaintGrid();
  emit returnedToLayout();
}

void ClueEditing::LeaveClueEditing() {
  view_.setHighlightedClue(std::nullopt);
  ShowEditorControls(false);
  palette_.SetShown(true);
  editor_.mode = EditorMode::Idle;
}

void ClueEditing::ShowEditorControls(bool shown) {
  for (QWidget* command : controls_.layoutCommands) command->setEnabled(!shown);
  for (QWidget* control : controls_.shownWhileEditing) control->setVisible(shown);
}

void ClueEditing::LoadClueText() {
  LocateSlot(document_, editor_);
  memo_.setPlainText(MemoText(document_.definitions.slotOrEmpty(editor_.currentSlot)));
}

// A text that really changed is a step of the history, with the kind its
// cell takes; a kind made plain alone is one of the check's marks.
void ClueEditing::StoreClueText() {
  LocateSlot(document_, editor_);
  if (editor_.mode != EditorMode::ClueEditing || !ClueSelected(document_, editor_)) return;
  if (!DefinitionTable::InRange(editor_.currentSlot)) return;
  DefinitionText& slot = document_.definitions.slot(editor_.currentSlot);
  const DefinitionText before = slot;
  const DefinitionText typed = DefinitionFromMemo(memo_.toPlainText());
  slot = typed;
  GridCell& cell = document_.cells.at(editor_.cursorX, editor_.cursorY);
  CellChanges kind;
  if (!slot.isEmpty()) {
    const GridCell old = cell;
    cell.kind = PlainKind(cell.kind);
    kind.record(editor_.cursorX, editor_.cursorY, old, cell);
  }
  if (!(before == typed)) {
    history_.pushClueText(editor_.currentSlot, before, typed, kind.take());
  } else {
    history_.pushCells(kind.take(), true);
  }
}

void ClueEditing::SelectClue() {
  editor_.selectedCellX = editor_.cursorX;
  editor_.selectedCellY = editor_.cursorY;
  LoadClueText();
  DrawCursorClue(true);
  ShowPosition();
}

// "Определение 17 из 147, строка 3, столбец 12 — ответ: ПАРИЖ".
void ClueEditing::ShowPosition() {
  const QString line = QStringLiteral("Определение %1 из %2, строка %3, столбец %4 — %5")
                           .arg(editor_.currentSlot)
                           .arg(SlotTotal(document_))
                           .arg(editor_.cursorY)
                           .arg(editor_.cursorX)
                           .arg(ClueAnswer(document_, ClueLinks(document_), editor_.currentSlot));
  // A long line is set narrower rather than cut: the answer is its end.
  QLabel& label = *controls_.position;
  QFont font = label.font();
  font.setStretch(QFont::Unstretched);
  // Set stretches are not quite proportional: narrower until it fits.
  for (int stretch = 100; stretch > 50 && QFontMetrics(font).horizontalAdvance(line) > label.width() - 2; stretch -= 3)
    font.setStretch(stretch - 3);
  label.setFont(font);
  label.setText(line);
  label.setToolTip(line);
}

void ClueEditing::NextClue() { StepClue(StepToNextClue); }

void ClueEditing::PreviousClue() { StepClue(StepToPreviousClue); }

bool ClueEditing::GoToClue(CellPosition cell, int slot) {
  if (editor_.mode != EditorMode::ClueEditing) return false;
  const std::optional<CellSlots> numbers = SlotNumbering(document_, cell.x, cell.y);
  if (!numbers || (slot != numbers->first && slot != numbers->second)) return false;
  StoreClueText();
  DrawCursorClue(false);
  editor_.cursorX = cell.x;
  editor_.cursorY = cell.y;
  editor_.selectedHalf = slot == numbers->second ? 2 : 1;
  SelectClue();
  return true;
}

// Both directions store the memo, drop the highlight, move and select.
void ClueEditing::StepClue(bool (*step)(const ScanwordDocument&, EditorState&)) {
  if (editor_.mode != EditorMode::ClueEditing) return;
  StoreClueText();
  DrawCursorClue(false);
  if (step(document_, editor_)) SelectClue();
}

// The typed text is stored first, so that the check counts it and the
// reselection shows it again instead of dropping it.
void ClueEditing::CheckCommand() {
  StoreClueText();
  prompter_.showMessage(CheckWithMarks());
  view_.RepaintGrid();
  if (ClueSelected(document_, editor_)) SelectClue();
  memo_.setFocus();
  emit checked();
}

// The dialog starts on the face the memo really shows, not on a design font
// this system may lack: OK without a change leaves the memo as it was.
void ClueEditing::FontCommand() {
  const QFontInfo shown(memo_.font());
  QFont initial(shown.family());
  initial.setStyleName(shown.styleName());
  initial.setPointSizeF(shown.pointSizeF());
  initial.setWeight(static_cast<QFont::Weight>(shown.weight()));
  initial.setItalic(shown.italic());
  if (const std::optional<QFont> font = prompter_.chooseFont(initial)) memo_.setFont(*font);
  memo_.setFocus();
}

void ClueEditing::DrawCursorClue(bool highlighted) {
  if (!ClueSelected(document_, editor_)) return;
  const GridView::HighlightedClue clue{{editor_.cursorX, editor_.cursorY}, editor_.selectedHalf};
  // A repaint while editing (scrolling, resizing) shows the selected clue in
  // yellow again but leaves the memo as typed.
  view_.setHighlightedClue(highlighted ? std::optional(clue) : std::nullopt);
  // A selected clue off the view is scrolled in; that repaint shows it.
  if (highlighted && !CellOnScreen(editor_, clue.cell)) {
    emit revealCell(clue.cell);
  } else {
    view_.DrawClue(clue, highlighted);
  }
}

}  // namespace verstak
