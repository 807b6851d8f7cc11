// The main window's side of the preview: "Просмотр" and F5, the preview
// kept up to date with the document, a clue chosen in its list of clues
// that do not fit, "Перенести строки", and the export's files.

#include <QPlainTextEdit>

#include "editor/clue_editing.h"
#include "editor/osnova.h"
#include "preview/preview_window.h"
#include "preview/print_export.h"
#include "print/rebreak_clues.h"
#include "script/makros.h"
#include "session/document_session.h"
#include "widgets/prompter.h"

namespace verstak {

void MainWindow::ConnectPreview() {
  PreviewWindow* preview = dialogs_.preview;
  if (!preview) return;
  connect(preview, &PreviewWindow::clueChosen, this, &MainWindow::ShowClue, Qt::UniqueConnection);
  connect(preview, &PreviewWindow::rebreakRequested, this, &MainWindow::RebreakCommand, Qt::UniqueConnection);
}

// What is typed in the memo shows: it is stored first.
void MainWindow::PreviewCommand() {
  if (!dialogs_.preview || editor_.mode == EditorMode::Painting) return;
  clueEditing_->StoreClueText();
  if (dialogs_.exportDialog) dialogs_.preview->setExportChoice(dialogs_.exportDialog->choice());
  dialogs_.preview->ShowPreview();
}

void MainWindow::ShowClue(int column, int row, int slot) {
  if (editor_.mode == EditorMode::Painting) return;
  if (editor_.mode != EditorMode::ClueEditing) clueEditing_->EnterClueEditing();
  if (editor_.mode != EditorMode::ClueEditing) return;
  clueEditing_->GoToClue({column, row}, slot);
  activateWindow();
  memo_->setFocus();
}

void MainWindow::ExportFile(const QString& name, OutputFormat format, const ExportChoice& choice, bool strict) {
  WindowOutput output{.typeset = dialogs_.preview ? dialogs_.preview->typesetting() : TypesetSettings{},
                      .choice = choice,
                      .title = session_.printTitle(),
                      .press = WindowPress(session_.name().scanwordFile),
                      .strict = strict};
  FontOutcome font;
  if (OutputOf(format).setsClues) {
    font = LoadTypesetFont(output.typeset.font);
    if (font.failure) {
      prompter_.showMessage(*font.failure);
      return;
    }
    output.font = &*font.font;
  }
  const OutputMade written = WriteWindowOutput(document_, settings_, output, format, LocalPath(name));
  prompter_.showMessage(written.failure ? *written.failure : PrintDoneMessage(written));
}

void MainWindow::RebreakCommand() {
  if (!dialogs_.preview) return;
  if (editor_.mode == EditorMode::ClueEditing) clueEditing_->StoreClueText();
  const FontOutcome& font = dialogs_.preview->typesetFont();
  if (font.failure) {
    prompter_.showMessage(*font.failure);
    return;
  }
  const CluesRebroken rebroken = RebreakClues(document_, settings_, dialogs_.preview->typesetting(), *font.font);
  std::vector<ClueTextChange> changes;
  for (const RebrokenClue& clue : rebroken.changed) {
    changes.push_back({clue.slot, document_.definitions.slot(clue.slot), clue.text});
  }
  ApplyRebroken(document_, rebroken);
  DocumentHistory& history = session_.history();
  history.pushClueTexts(std::move(changes));
  // The memo shows a slot whose text changed.
  for (const RebrokenClue& clue : rebroken.changed) history.clueTextChanged(clue.slot);
  if (rebroken.refused.empty()) return;
  std::string refused;
  for (const std::string& line : rebroken.refused) refused += (refused.empty() ? "" : "\n") + line;
  prompter_.showMessage(
      UserMessage::Error("Не перенесено определений: " + std::to_string(rebroken.refused.size()), refused));
}

}  // namespace verstak
