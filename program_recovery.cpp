#include "program_recovery.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>

#include "document/cp1251.h"
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
      main_(main),
      prompter_(prompter),
      store_(options.folder, options.sessionId),
      autosave_(store_, session, options.interval, options.clock ? *options.clock : WaitClock::System()) {
  connect(&session, &DocumentSession::changed, &autosave_, &Autosave::documentEdited);
  connect(&session, &DocumentSession::typingChanged, &autosave_, &Autosave::documentEdited);
  connect(&autosave_, &Autosave::writeFailed, this, &ProgramRecovery::ReportWriteFailure);
  connect(&main, &MainWindow::startedUp, this, &ProgramRecovery::OfferLeftOverWork);
}

// Да opens the work as an unsaved document; Нет removes it; Позже (Esc, the
// close box) keeps it for the next start. The file is read first, so that the
// question names the document; a damaged file is reported at Да and kept aside.
void ProgramRecovery::OfferLeftOverWork() {
  store_.sweepLeftovers();
  for (const RecoveryStore::Orphan& orphan : store_.orphans()) {
    const RecoveryFileResult read = RecoveryStore::read(orphan);
    const Prompter::Answer answer = prompter_.ask(Question(orphan, read), QStringLiteral("Позже"));
    if (answer == Prompter::Answer::No) {
      RecoveryStore::remove(orphan);
      continue;
    }
    if (answer != Prompter::Answer::Yes) continue;
    if (read.work.failure) {
      SetAsideDamaged(orphan, *read.work.failure);
      continue;
    }
    OpenRecoveredWork(read);
    RecoveryStore::remove(orphan);
    return;
  }
}

// "Найдена несохранённая работа над «имя.skw» от 08.12.2026, 22:10. Восстановить?"
QString ProgramRecovery::Question(const RecoveryStore::Orphan& orphan, const RecoveryFileResult& read) {
  const QString when = QLocale(QLocale::Russian).toString(orphan.written, QStringLiteral("dd.MM.yyyy, HH:mm"));
  const QString name = read.work.failure ? QString() : QString::fromStdString(read.notes.name);
  if (name.isEmpty()) return QStringLiteral("Найдена несохранённая работа от %1. Восстановить?").arg(when);
  return QStringLiteral("Найдена несохранённая работа над «%1» от %2. Восстановить?").arg(name, when);
}

// The document keeps its name and file, so Ctrl+S saves where it did; the
// typing not yet stored is back in the clue editor, still not stored.
void ProgramRecovery::OpenRecoveredWork(const RecoveryFileResult& read) {
  read.work.applyTo(session_.document());
  const RecoveryNotes& notes = read.notes;
  if (notes.name.empty()) {
    session_.setName({QStringLiteral("восстановленная работа"), {}, 0});
  } else {
    session_.setName({QString::fromStdString(notes.name), QFile::decodeName(notes.scanwordFile.c_str()),
                      notes.puzzleNumber});
  }
  session_.restart(true);
  if (notes.typedSlot > 0) {
    main_.ResumeTyping(notes.typedSlot, QString::fromStdString(Cp1251ToUtf8(notes.typedText)));
  }
}

// What is wrong with the file, and the name it is kept under; a damaged file
// that cannot be renamed stays and is offered again.
void ProgramRecovery::SetAsideDamaged(const RecoveryStore::Orphan& orphan, UserMessage damage) {
  const RecoveryStore::SetAside aside = RecoveryStore::setAside(orphan);
  if (!aside.failure) {
    if (!damage.details.empty()) damage.details += '\n';
    damage.details += "Копия сохранена как «" + aside.path.toStdString() + "».";
    prompter_.showMessage(damage);
    return;
  }
  prompter_.showMessage(damage);
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
