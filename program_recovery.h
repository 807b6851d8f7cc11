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

class ProgramRecovery : public QObject {
  Q_OBJECT

 public:
  // The question comes once `main` has started up. `folder` empty: the
  // user's application data folder.
  ProgramRecovery(DocumentSession& session, MainWindow& main, Prompter& prompter, const QString& folder = {},
                  std::chrono::milliseconds interval = Autosave::kInterval);

  RecoveryStore& store() { return store_; }

  // "Найдена несохранённая работа от …. Восстановить?" for each piece of
  // left-over work, newest first, until one is taken.
  void OfferLeftOverWork();

 private:
  // The work read back, as an unsaved document.
  void OpenRecoveredWork(const ScanwordFileResult& read);

  DocumentSession& session_;
  Prompter& prompter_;
  RecoveryStore store_;
  Autosave autosave_;
};

}  // namespace verstak
