#pragma once
// The recovery folder: while this VERSTAK runs, its unsaved work is written
// to a file of its own there, guarded by a lock that a second VERSTAK
// respects. A file whose lock nobody holds is work left by a VERSTAK that
// ended without saving (a crash, a kill, a power cut).

#include <QDateTime>
#include <QFuture>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

#include "document/scanword_document.h"
#include "files/scanword_file.h"

namespace verstak {

class RecoveryStore {
 public:
  // Left-over work found at start, its lock now held by this process.
  struct Orphan {
    QString path;
    QDateTime written;
    std::shared_ptr<QLockFile> lock;
  };

  // `folder` is made when missing. Empty: the user's application data folder.
  explicit RecoveryStore(const QString& folder = {});
  // Waits for a write under way, then removes this process's file.
  ~RecoveryStore();

  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // False when the folder or the lock could not be had: nothing is written then.
  bool usable() const { return lock_ != nullptr && lock_->isLocked(); }
  QString path() const { return path_; }

  // Writes `document` (a copy the caller took) in the background, through a
  // temporary file and a rename, as every save does. False, and nothing
  // started, while one is under way or the store is not usable.
  bool write(ScanwordDocument document);
  // This process's file removed (no unsaved work any more).
  void discard();
  // Waits for a write under way.
  void finishWriting();

  // Files whose VERSTAK is gone, newest first.
  std::vector<Orphan> orphans() const;
  static ScanwordFileResult read(const Orphan& orphan);
  static void remove(const Orphan& orphan);
  // A damaged file is kept aside under a new name, never deleted.
  static QString setAside(const Orphan& orphan);

 private:
  QString folder_;
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  QFuture<void> writing_;
};

}  // namespace verstak
