#pragma once
// The program level of crash recovery: unsaved work goes to the recovery
// folder while the program runs, and work a VERSTAK left there is offered
// back after the splash.

#include <QObject>
#include <chrono>

#include "recovery/autosave.h"
#include "recovery/recovery_store.h"

namespace verstak {

class Prompter;
struct ProgramWindows;

class ProgramRecovery : public QObject {
  Q_OBJECT

 public:
  // `folder` empty: the user's application data folder.
  ProgramRecovery(ProgramWindows& windows, ScanwordDocument& document, EditorState& editor, Prompter& prompter,
                  const QString& folder = {}, std::chrono::milliseconds interval = Autosave::kInterval);

  RecoveryStore& store() { return store_; }

  // "Найдена несохранённая работа от …. Восстановить?" for each piece of
  // left-over work, newest first, until one is taken.
  void OfferLeftOverWork();

 private:
  ProgramWindows& windows_;
  Prompter& prompter_;
  RecoveryStore store_;
  Autosave autosave_;
};

}  // namespace verstak
