#pragma once
// While the document has unsaved changes, a copy of it goes to the recovery
// file soon after a change (within the interval, and at most once in it),
// without holding up the editor; once nothing is unsaved, the file goes.

#include <QObject>
#include <QTimer>
#include <chrono>


namespace verstak {

class DocumentSession;
class RecoveryStore;

class Autosave : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kInterval{10000};

  Autosave(RecoveryStore& store, const DocumentSession& session, std::chrono::milliseconds interval = kInterval,
           QObject* parent = nullptr);

  // The document changed, or its mark of unsaved changes did.
  void documentEdited();

 private:
  void Write();

  RecoveryStore& store_;
  const DocumentSession& session_;
  QTimer timer_;
};

}  // namespace verstak
