// The main window's commands that run the other windows: open, save,
// settings, export, about; and the question before the program ends.

#include <QCloseEvent>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/Help1.h"
#include "dialogs/Ustan.h"
#include "editor/clue_editing.h"
#include "editor/grid_view.h"
#include "editor/osnova.h"
#include "files/novi.h"
#include "files/otkritie.h"
#include "files/scanword_file.h"
#include "script/corel_script_writer.h"
#include "script/makros.h"
#include "widgets/file_filter.h"
#include "widgets/prompter.h"

namespace verstak {
namespace {

const char* const kScanwordFilter = "Файлы сканвордов: *.skw|*.skw";
const char* const kMacroFilter = "Файлы  макросов: *.csc|*.csc";  // two blanks after Файлы

}  // namespace

void MainWindow::ReportDone() { prompter_.showMessage(UserMessage::Success(std::string(kDoneMessage))); }

// "Открыть": the files the dialog names are read into the document;
// "Выполнено!" and the range rule when something was read.
void MainWindow::OpenCommand() {
  if (!dialogs_.open) return;
  grid_->ClearPaintArea();
  if (const std::optional<OpenRequest> request = dialogs_.open->AskFiles()) {
    const OpenOutcome outcome = OpenFiles(document_, request->names, request->puzzleNumber);
    // The messages show over what was read.
    grid_->RepaintGrid();
    for (const UserMessage& message : outcome.messages) prompter_.showMessage(message);
    // Edits are no longer at stake once grid and clue texts both came from files.
    if (outcome.wholeDocumentReplaced) editor_.documentChanged = false;
    if (outcome.fileDone) {
      ReportDone();
      FitScrollRanges();
    }
  }
  editor_.GridPainted = false;
  grid_->RepaintGrid();
  FocusScrollBar1();
}

// "Сохранить": an existing file is replaced without a question, but only by a
// complete one; a failed save is reported and leaves the file as it was.
bool MainWindow::SaveDocument() {
  const QString name = prompter_.saveFileName(QtFileFilter(QString::fromUtf8(kScanwordFilter)), QStringLiteral("skw"),
                                              false);
  bool saved = false;
  if (!name.isEmpty()) {
    if (Failure failure = WriteScanwordFile(QFile::encodeName(name).toStdString(), document_)) {
      prompter_.showMessage(*failure);
    } else {
      editor_.documentChanged = false;
      saved = true;
    }
  }
  grid_->RepaintGrid();
  return saved;
}

void MainWindow::SettingsCommand() {
  grid_->ClearPaintArea();
  if (dialogs_.settings) settings_ = dialogs_.settings->AskSettings(settings_);
  editor_.GridPainted = false;
  grid_->RepaintGrid();
  FocusScrollBar1();
}

// "Mакрос": the file name is asked after the dialog's OK; "Выполнено!" only
// when the macro was written.
void MainWindow::ExportCommand() {
  grid_->ClearPaintArea();
  if (const std::optional<ExportChoice> choice = dialogs_.exportDialog ? dialogs_.exportDialog->AskChoice()
                                                                        : std::nullopt) {
    const QString name =
        prompter_.saveFileName(QtFileFilter(QString::fromUtf8(kMacroFilter)), QStringLiteral("csc"), true);
    if (!name.isEmpty()) {
      const std::filesystem::path path(QFile::encodeName(name).toStdString());
      if (Failure failure = CorelScriptWriter(document_, settings_).writeFile(path, *choice)) {
        prompter_.showMessage(*failure);
      } else {
        ReportDone();
      }
    }
  }
  grid_->RepaintGrid();
  FocusScrollBar1();
}

// "Новый": the chosen size, then an empty document of it.
void MainWindow::NewGridCommand() {
  grid_->ClearPaintArea();
  if (const std::optional<GridSize> size = dialogs_.newGrid ? dialogs_.newGrid->AskGridSize() : std::nullopt) {
    memo_->clear();
    document_.gridWidth = static_cast<std::uint8_t>(size->width);
    document_.gridHeight = static_cast<std::uint8_t>(size->height);
    ResetDocument();
  }
  grid_->RepaintGrid();
  FocusScrollBar1();
}

void MainWindow::AboutCommand() {
  if (dialogs_.about) dialogs_.about->exec();
}

// Да saves through the save dialog and ends only if the save succeeded; Нет
// ends; Отмена stays.
void MainWindow::closeEvent(QCloseEvent* event) {
  // Text typed in clue editing counts as a change to save.
  clueEditing_->StoreClueText();
  if (!editor_.documentChanged) {
    QWidget::closeEvent(event);
    return;
  }
  switch (prompter_.ask(QStringLiteral("Сохранить изменения?"))) {
    case Prompter::Answer::Yes:
      event->setAccepted(SaveDocument());
      break;
    case Prompter::Answer::No:
      event->accept();
      break;
    case Prompter::Answer::Cancel:
      event->ignore();
      break;
  }
}

}  // namespace verstak
