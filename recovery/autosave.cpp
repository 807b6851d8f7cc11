#include "recovery/autosave.h"

#include "recovery/recovery_store.h"

namespace verstak {

Autosave::Autosave(RecoveryStore& store, const ScanwordDocument& document, const EditorState& editor,
                   std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), store_(store), document_(document), editor_(editor) {
  timer_.setSingleShot(true);
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &Autosave::Write);
}

// The first change after a write starts the wait; later ones join it.
void Autosave::documentEdited() {
  if (!editor_.documentChanged) {
    timer_.stop();
    store_.discard();
    return;
  }
  if (!timer_.isActive()) timer_.start();
}

// A write still under way is waited out with another interval, so that the
// last change is not left out when no further change comes.
void Autosave::Write() {
  if (editor_.documentChanged && store_.usable() && !store_.write(document_)) timer_.start();
}

}  // namespace verstak
