#include "recovery/autosave.h"

#include <QFile>

#include "recovery/recovery_store.h"
#include "session/document_session.h"

namespace verstak {
namespace {

RecoveryNotes NotesOf(const DocumentSession& session) {
  const DocumentName& name = session.name();
  RecoveryNotes notes{name.name.toStdString(), QFile::encodeName(name.scanwordFile).toStdString(), name.puzzleNumber,
                      0, {}};
  if (const std::optional<TypedClueText>& typed = session.typedClueText()) {
    notes.typedSlot = typed->slot;
    notes.typedText = typed->text;
  }
  return notes;
}

}  // namespace

Autosave::Autosave(RecoveryStore& store, const DocumentSession& session, std::chrono::milliseconds interval,
                   WaitClock& clock, QObject* parent)
    : QObject(parent), store_(store), session_(session), interval_(interval), timer_(clock.makeTimer()) {
  connect(timer_.get(), &WaitTimer::timeout, this, &Autosave::Write);
  connect(&written_, &QFutureWatcher<QString>::finished, this, &Autosave::WriteFinished);
}

// The first change after a write starts the wait; later ones join it.
void Autosave::documentEdited() {
  if (!session_.holdsUnsavedWork()) {
    timer_->stop();
    store_.discard();
    return;
  }
  WaitAgain();
}

// A write still under way is waited out with another interval, so that the
// last change is not left out when no further change comes.
void Autosave::Write() {
  if (!session_.holdsUnsavedWork()) return;
  if (const std::optional<QString> cause = store_.claim()) {
    Failed(*cause);
    return;
  }
  if (!store_.write(session_.document(), NotesOf(session_))) {
    WaitAgain();
    return;
  }
  written_.setFuture(store_.lastWrite());
}

// A copy that failed for work saved since is no matter any more.
void Autosave::WriteFinished() {
  const QString cause = written_.result();
  if (!cause.isEmpty() && session_.holdsUnsavedWork()) {
    Failed(cause);
    return;
  }
  failing_ = false;
}

void Autosave::Failed(const QString& cause) {
  if (!failing_) emit writeFailed(cause);
  failing_ = true;
  if (session_.holdsUnsavedWork()) WaitAgain();
}

void Autosave::WaitAgain() {
  if (!timer_->isActive()) timer_->start(interval_);
}

}  // namespace verstak
