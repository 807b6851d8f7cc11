#include "recovery/autosave.h"

#include "recovery/recovery_store.h"
#include "session/document_session.h"

namespace verstak {

Autosave::Autosave(RecoveryStore& store, const DocumentSession& session, std::chrono::milliseconds interval,
                   QObject* parent)
    : QObject(parent), store_(store), session_(session) {
  timer_.setSingleShot(true);
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &Autosave::Write);
}

// The first change after a write starts the wait; later ones join it.
void Autosave::documentEdited() {
  if (!session_.modified()) {
    timer_.stop();
    store_.discard();
    return;
  }
  if (!timer_.isActive()) timer_.start();
}

// A write still under way is waited out with another interval, so that the
// last change is not left out when no further change comes.
void Autosave::Write() {
  if (session_.modified() && store_.usable() && !store_.write(session_.document())) timer_.start();
}

}  // namespace verstak
