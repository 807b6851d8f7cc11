#include "program_recovery.h"

#include <QLocale>

#include "editor/document_history.h"
#include "program_windows.h"
#include "widgets/prompter.h"

namespace verstak {

ProgramRecovery::ProgramRecovery(ProgramWindows& windows, ScanwordDocument& document, EditorState& editor,
                                 Prompter& prompter, const QString& folder, std::chrono::milliseconds interval)
    : windows_(windows), prompter_(prompter), store_(folder), autosave_(store_, document, editor, interval) {
  connect(&windows.main.history(), &DocumentHistory::changed, &autosave_, &Autosave::documentEdited);
  connect(&windows.main, &MainWindow::startedUp, this, &ProgramRecovery::OfferLeftOverWork);
}

// Да opens the work as an unsaved document; Нет removes it; Позже (Esc, the
// close box) keeps it for the next start. A damaged file is reported and kept
// aside.
void ProgramRecovery::OfferLeftOverWork() {
  for (const RecoveryStore::Orphan& orphan : store_.orphans()) {
    const QString when = QLocale(QLocale::Russian).toString(orphan.written, QStringLiteral("dd.MM.yyyy, HH:mm"));
    const Prompter::Answer answer =
        prompter_.ask(QStringLiteral("Найдена несохранённая работа от %1. Восстановить?").arg(when), QStringLiteral("Позже"));
    if (answer == Prompter::Answer::No) {
      RecoveryStore::remove(orphan);
      continue;
    }
    if (answer != Prompter::Answer::Yes) continue;
    const ScanwordFileResult read = RecoveryStore::read(orphan);
    if (read.failure) {
      prompter_.showMessage(*read.failure);
      RecoveryStore::setAside(orphan);
      continue;
    }
    windows_.main.OpenRecoveredWork(read);
    RecoveryStore::remove(orphan);
    return;
  }
}

}  // namespace verstak
