#include "program_recovery.h"

#include <QLocale>

#include "editor/osnova.h"
#include "session/document_session.h"
#include "widgets/prompter.h"

namespace verstak {

ProgramRecovery::ProgramRecovery(DocumentSession& session, MainWindow& main, Prompter& prompter, const QString& folder,
                                 std::chrono::milliseconds interval)
    : session_(session), prompter_(prompter), store_(folder), autosave_(store_, session, interval) {
  connect(&session, &DocumentSession::changed, &autosave_, &Autosave::documentEdited);
  connect(&main, &MainWindow::startedUp, this, &ProgramRecovery::OfferLeftOverWork);
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
    OpenRecoveredWork(read);
    RecoveryStore::remove(orphan);
    return;
  }
}

void ProgramRecovery::OpenRecoveredWork(const ScanwordFileResult& read) {
  read.applyTo(session_.document());
  session_.setName({QStringLiteral("восстановленная работа"), {}, 0});
  session_.restart(true);
}

}  // namespace verstak
