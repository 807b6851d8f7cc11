#pragma once
// While the document has unsaved changes, a copy of it goes to the recovery
// file soon after a change (within the interval, and at most once in it),
// without holding up the editor; once nothing is unsaved, the file goes. A
// copy that cannot be written is said once and tried again each interval.

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

#include "session/wait_clock.h"

namespace verstak {

class DocumentSession;
class RecoveryStore;

class Autosave : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kInterval{10000};

  Autosave(RecoveryStore& store, const DocumentSession& session, std::chrono::milliseconds interval = kInterval,
           WaitClock& clock = WaitClock::System(), QObject* parent = nullptr);

  // The document changed, its mark of unsaved changes, or the typing not yet stored.
  void documentEdited();

 signals:
  // Copies cannot be written, and why: said once, and again only after a
  // copy was written in between.
  void writeFailed(const QString& cause);

 private:
  void Write();
  void WriteFinished();
  void Failed(const QString& cause);
  void WaitAgain();

  RecoveryStore& store_;
  const DocumentSession& session_;
  std::chrono::milliseconds interval_;
  std::unique_ptr<WaitTimer> timer_;
  QFutureWatcher<QString> written_;
  bool failing_ = false;
};

}  // namespace verstak
