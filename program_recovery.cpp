#include "program_recovery.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTimer>

#include "editor/osnova.h"
#include "session/document_session.h"
#include "widgets/prompter.h"

namespace verstak {
namespace {

// How soon a report held back by a drag is tried again.
constexpr std::chrono::milliseconds kReportRetry{200};

}  // namespace

ProgramRecovery::ProgramRecovery(DocumentSession& session, MainWindow& main, Prompter& prompter,
                                 const RecoveryOptions& options)
    : session_(session),
      prompter_(prompter),
      store_(options.folder, options.sessionId),
      autosave_(store_, session, options.interval, options.clock ? *options.clock : WaitClock::System()) {
  connect(&session, &DocumentSession::changed, &autosave_, &Autosave::documentEdited);
  connect(&autosave_, &Autosave::writeFailed, this, &ProgramRecovery::ReportWriteFailure);
  connect(&main, &MainWindow::startedUp, this, &ProgramRecovery::OfferLeftOverWork);
}

// Да opens the work as an unsaved document; Нет removes it; Позже (Esc, the
// close box) keeps it for the next start. A damaged file is reported and kept
// aside.
void ProgramRecovery::OfferLeftOverWork() {
  store_.sweepStaleLocks();
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
      SetAsideDamaged(orphan);
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

// A damaged file that cannot be renamed stays and is offered again.
void ProgramRecovery::SetAsideDamaged(const RecoveryStore::Orphan& orphan) {
  const RecoveryStore::SetAside aside = RecoveryStore::setAside(orphan);
  if (!aside.failure) return;
  prompter_.showMessage(UserMessage::Error(
      "Не удаётся отложить повреждённую копию для восстановления: " + aside.failure->toStdString(),
      orphan.path.toStdString()));
}

// A box in the middle of a drag would take the mouse from it.
void ProgramRecovery::ReportWriteFailure(const QString& cause) {
  if (QGuiApplication::mouseButtons() != Qt::NoButton) {
    QTimer::singleShot(kReportRetry, this, [this, cause] { ReportWriteFailure(cause); });
    return;
  }
  prompter_.showMessage(UserMessage::Error("Не удаётся сохранять копию для восстановления: " + cause.toStdString(),
                                           store_.folder().toStdString()));
}

}  // namespace verstak
