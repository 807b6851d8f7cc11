// The main window's commands that run the other windows: open, save,
// settings, export, about; and the question before the program ends.

#include <QCloseEvent>
#include <QFile>
#include <QPushButton>

#include "dialogs/Help1.h"
#include "dialogs/Ustan.h"
#include "dialogs/file_filter.h"
#include "dialogs/prompter.h"
#include "editor/grid_view.h"
#include "editor/osnova.h"
#include "files/otkritie.h"
#include "files/scanword_file.h"
#include "script/makros.h"

namespace verstak {
namespace {

const char* const kScanwordFilter = "Файлы сканвордов: *.skw|*.skw";

}  // namespace

void MainWindow::ConnectDialogCommands() {
  const auto command = [this](const char* name, void (MainWindow::*run)()) {
    connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this, run);
  };
  command("Button3", &MainWindow::OpenCommand);
  command("Button7", &MainWindow::SettingsCommand);
  command("Button1", &MainWindow::ExportCommand);
  command("Button12", &MainWindow::AboutCommand);
  connect(findChild<QPushButton*>(QStringLiteral("Button4")), &QPushButton::clicked, this, [this] { SaveDocument(); });
}

void MainWindow::ReportDone() { prompter_.showMessage(UserMessage::Success(std::string(kDoneMessage))); }

// "Открыть": the dialog preset with the last puzzle number; "Выполнено!" and
// the range rule when it read something.
void MainWindow::OpenCommand() {
  TForm3* open = dialogs_.open;
  if (!open) return;
  open->presetPuzzleNumber(open->LastPuzzleNumber);
  grid_->ClearPaintArea();
  open->exec();
  if (open->FileDoneFlag) {
    ReportDone();
    FitScrollRanges();
    open->FileDoneFlag = false;
  }
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
  ShowOverClearedGrid(dialogs_.settings);
  FocusScrollBar1();
}

// "Mакрос": "Выполнено!" only when a macro file was written in this showing.
void MainWindow::ExportCommand() {
  TForm5* exportDialog = dialogs_.exportDialog;
  grid_->ClearPaintArea();
  if (exportDialog) {
    exportDialog->exec();
    if (exportDialog->ExportDoneFlag) {
      ReportDone();
      exportDialog->ExportDoneFlag = false;
    }
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
