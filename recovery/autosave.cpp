#include "recovery/autosave.h"

#include "recovery/recovery_store.h"
#include "session/document_session.h"

namespace verstak {

Autosave::Autosave(RecoveryStore& store, const DocumentSession& session, std::chrono::milliseconds interval,
                   WaitClock& clock, QObject* parent)
    : QObject(parent), store_(store), session_(session), interval_(interval), timer_(clock.makeTimer()) {
  connect(timer_.get(), &WaitTimer::timeout, this, &Autosave::Write);
  connect(&written_, &QFutureWatcher<QString>::finished, this, &Autosave::WriteFinished);
}

// The first change after a write starts the wait; later ones join it.
void Autosave::documentEdited() {
  if (!session_.modified()) {
    timer_->stop();
    store_.discard();
    return;
  }
  WaitAgain();
}

// A write still under way is waited out with another interval, so that the
// last change is not left out when no further change comes.
void Autosave::Write() {
  if (!session_.modified()) return;
  if (const std::optional<QString> cause = store_.claim()) {
    Failed(*cause);
    return;
  }
  if (!store_.write(session_.document())) {
    WaitAgain();
    return;
  }
  written_.setFuture(store_.lastWrite());
}

// A copy that failed for work saved since is no matter any more.
void Autosave::WriteFinished() {
  const QString cause = written_.result();
  if (!cause.isEmpty() && session_.modified()) {
    Failed(cause);
    return;
  }
  failing_ = false;
}

void Autosave::Failed(const QString& cause) {
  if (!failing_) emit writeFailed(cause);
  failing_ = true;
  if (session_.modified()) WaitAgain();
}

void Autosave::WaitAgain() {
  if (!timer_->isActive()) timer_->start(interval_);
}

}  // namespace verstak
