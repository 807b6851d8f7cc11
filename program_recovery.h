#pragma once
// The program level of crash recovery: unsaved work goes to the recovery
// folder while the program runs, and work a VERSTAK left there is offered
// back after the splash.

#include <QObject>
#include <chrono>

#include "recovery/autosave.h"
#include "recovery/recovery_store.h"

namespace verstak {

class DocumentSession;
class MainWindow;
class Prompter;
class WaitClock;

struct RecoveryOptions {
  QString folder;  // empty: the user's application data folder
  std::chrono::milliseconds interval = Autosave::kInterval;
  QString sessionId;           // empty: one drawn at random (tests name it)
  WaitClock* clock = nullptr;  // the autosave's; none: real time
};

class ProgramRecovery : public QObject {
  Q_OBJECT

 public:
  // The question comes once `main` has started up.
  ProgramRecovery(DocumentSession& session, MainWindow& main, Prompter& prompter, const RecoveryOptions& options = {});

  RecoveryStore& store() { return store_; }

  // "Найдена несохранённая работа [над «имя»] от …. Восстановить?" for each piece of
  // left-over work, newest first, until one is taken; before that, what
  // killed runs left in the recovery folder is swept away.
  void OfferLeftOverWork();

 private:
  static QString Question(const RecoveryStore::Orphan& orphan, const RecoveryFileResult& read);
  // The work read back, as an unsaved document.
  void OpenRecoveredWork(const RecoveryFileResult& read);
  void SetAsideDamaged(const RecoveryStore::Orphan& orphan, UserMessage damage);
  // "Не удаётся сохранять копию для восстановления: …", not in the middle
  // of a drag over the grid.
  void ReportWriteFailure(const QString& cause);

  DocumentSession& session_;
  MainWindow& main_;
  Prompter& prompter_;
  RecoveryStore store_;
  Autosave autosave_;
};

}  // namespace verstak
