#pragma once
// While the document has unsaved changes, a copy of it goes to the recovery
// file soon after a change (within the interval, and at most once in it),
// without holding up the editor; once nothing is unsaved, the file goes.

#include <QObject>
#include <QTimer>
#include <chrono>

#include "document/scanword_document.h"
#include "editor/editor_state.h"

namespace verstak {

class RecoveryStore;

class Autosave : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kInterval{10000};

  Autosave(RecoveryStore& store, const ScanwordDocument& document, const EditorState& editor,
           std::chrono::milliseconds interval = kInterval, QObject* parent = nullptr);

  // The document changed, or its mark of unsaved changes did.
  void documentEdited();

 private:
  void Write();

  RecoveryStore& store_;
  const ScanwordDocument& document_;
  const EditorState& editor_;
  QTimer timer_;
};

}  // namespace verstak
