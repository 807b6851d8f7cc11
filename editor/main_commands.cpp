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
#include "preview/preview_window.h"
#include "preview/print_export.h"
#include "script/makros.h"
#include "session/document_session.h"
#include "widgets/file_filter.h"
#include "widgets/prompter.h"

namespace verstak {
namespace {

const char* const kScanwordFilter = "Файлы сканвордов: *.skw|*.skw";

}  // namespace

void MainWindow::ReportDone() { prompter_.showMessage(UserMessage::Success(std::string(kDoneMessage))); }

// "Открыть": the files the dialog names are read into the document;
// "Выполнено!" and a view fitted to the grid when something was read.
void MainWindow::OpenCommand() {
  if (!dialogs_.open) return;
  grid_->ClearPaintArea();
  if (const std::optional<OpenRequest> request = dialogs_.open->AskFiles()) OpenPuzzle(*request);
  editor_.GridPainted = false;
  grid_->RepaintGrid();
  FocusScrollBar1();
}

// The files are read into a copy first: unsaved work is asked about only
// once the read has found something to open, and Отмена drops what was read.
void MainWindow::OpenPuzzle(const OpenRequest& request, bool reportDone) {
  ScanwordDocument read = document_;
  const OpenOutcome outcome = OpenFiles(read, request.names, request.puzzleNumber);
  if (outcome.fileDone && !MayDiscardChanges()) return;
  if (outcome.fileDone) {
    document_ = std::move(read);
    if (outcome.choice == OpenChoice::ScanwordFile) {
      session_.setName(DocumentName::OfScanwordFile(QFile::decodeName(request.names.scanword.c_str())));
    } else if (outcome.gridRead) {
      session_.setName(DocumentName::OfPuzzle(request.puzzleNumber));
    }
    // Edits are no longer at stake once grid and clue texts both came from
    // files; with only one part read the other may still hold them.
    session_.restart(!outcome.wholeDocumentReplaced && session_.modified());
  }
  // The messages show over what was read.
  grid_->RepaintGrid();
  for (const UserMessage& message : outcome.messages) prompter_.showMessage(message);
  if (outcome.fileDone && reportDone) ReportDone();
}

void MainWindow::OpenScanwordFile(const QString& path) {
  OpenRequest request;
  request.names.scanword = QFile::encodeName(path).toStdString();
  OpenPuzzle(request, false);
  FocusScrollBar1();
}

// "Сохранить": asks for a name (and before replacing a file); Ctrl+S and the
// close question save to the document's own scanword file once it has one.
// Only a complete file replaces the old one; a failed save is reported and
// leaves the file as it was.
bool MainWindow::SaveDocument(bool reuseName) {
  QString name = reuseName ? session_.name().scanwordFile : QString();
  if (name.isEmpty()) {
    name = prompter_.saveFileName(QtFileFilter(QString::fromUtf8(kScanwordFilter)), QStringLiteral("skw"), true,
                                  nullptr, session_.suggestedFileName());
  }
  bool saved = false;
  if (!name.isEmpty()) {
    if (Failure failure = WriteScanwordFile(QFile::encodeName(name).toStdString(), document_)) {
      prompter_.showMessage(*failure);
    } else {
      session_.markSaved(name);
      saved = true;
    }
  }
  grid_->RepaintGrid();
  if (editor_.mode != EditorMode::ClueEditing) FocusScrollBar1();
  return saved;
}

bool MainWindow::MayDiscardChanges() {
  if (!session_.modified()) return true;
  switch (prompter_.ask(QStringLiteral("Сохранить изменения?"))) {
    case Prompter::Answer::Yes: return SaveDocument(true);
    case Prompter::Answer::No: return true;
    case Prompter::Answer::Cancel: return false;
  }
  return false;
}

void MainWindow::UpdateTitle() { setWindowTitle(session_.windowTitle()); }

void MainWindow::SettingsCommand() {
  grid_->ClearPaintArea();
  if (dialogs_.settings) {
    settings_ = dialogs_.settings->AskSettings(settings_);
    emit printSettingsChosen();
  }
  if (dialogs_.preview) dialogs_.preview->ScheduleRender();
  editor_.GridPainted = false;
  grid_->RepaintGrid();
  FocusScrollBar1();
}

// "Mакрос": the file name is asked after the dialog's OK; its extension, or
// else the filter chosen, says whether the macro, the PDF or the SVG is
// written. "Выполнено!" only when the file was written.
void MainWindow::ExportCommand() {
  grid_->ClearPaintArea();
  if (const std::optional<ExportChoice> choice = dialogs_.exportDialog ? dialogs_.exportDialog->AskChoice()
                                                                        : std::nullopt) {
    if (dialogs_.preview) dialogs_.preview->setExportChoice(*choice);
    QString filter;
    const QString name = prompter_.saveFileName(QtFileFilter(ExportFilter()),
                                                QString::fromUtf8(OutputOf(OutputFormat::Macro).extension), true, &filter,
                                                session_.suggestedFileName());
    if (!name.isEmpty()) ExportFile(name, ChosenExportFormat(name, filter), *choice, dialogs_.exportDialog->strict());
  }
  grid_->RepaintGrid();
  FocusScrollBar1();
}

// "Новый": the chosen size, then, once unsaved work is dealt with, an empty
// document of it.
void MainWindow::NewGridCommand() {
  grid_->ClearPaintArea();
  const std::optional<GridSize> size = dialogs_.newGrid ? dialogs_.newGrid->AskGridSize() : std::nullopt;
  if (size && MayDiscardChanges()) {
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
  FocusScrollBar1();
}

// Да saves through the save dialog and ends only if the save succeeded; Нет
// ends; Отмена stays.
void MainWindow::closeEvent(QCloseEvent* event) {
  // Text typed in clue editing counts as a change to save.
  clueEditing_->StoreClueText();
  event->setAccepted(MayDiscardChanges());
}

}  // namespace verstak
