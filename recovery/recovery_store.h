#pragma once
// The recovery folder: while this VERSTAK runs, its unsaved work is written
// to a file of its own there, guarded by a lock that a second VERSTAK
// respects. A file whose lock nobody holds is work left by a VERSTAK that
// ended without saving (a crash, a kill, a power cut).
//
// A run's file is named by a session id drawn at random, never by the
// process id: after a reboot a new VERSTAK may get a crashed one's process
// id, and must still find that one's work left over, not take it for its own.

#include <QDateTime>
#include <QFuture>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "document/scanword_document.h"
#include "recovery/recovery_file.h"

namespace verstak {

class RecoveryStore {
 public:
  // Left-over work found at start, its lock now held by this process.
  struct Orphan {
    QString path;
    QDateTime written;
    std::shared_ptr<QLockFile> lock;
  };

  // `folder` is made when missing. Empty: the user's application data
  // folder. `sessionId` names this run's file, "work-ID.skw"; empty, or the
  // id of a file or lock already there, and another is drawn at random.
  explicit RecoveryStore(const QString& folder = {}, const QString& sessionId = {});
  // Waits for a write under way, then removes this process's file.
  ~RecoveryStore();

  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // Makes the folder and takes this run's file name and lock, unless they
  // are had already: nullopt then, else why not (the folder read-only, say).
  std::optional<QString> claim();
  // False while the folder or the lock could not be had: nothing is written then.
  bool usable() const { return lock_ != nullptr && lock_->isLocked(); }
  QString folder() const { return folder_; }
  QString path() const { return path_; }

  // Writes `document` (a copy the caller took) with its `notes` in the
  // background, through a temporary file and a rename, as every save does.
  // False, and nothing started, while one is under way or the store is not usable.
  bool write(ScanwordDocument document, RecoveryNotes notes = {});
  // The write last started: empty once it has written the file, else why
  // it could not.
  QFuture<QString> lastWrite() const { return writing_; }
  // This process's file removed (no unsaved work any more).
  void discard();
  // Waits for a write under way.
  void finishWriting();

  // Files whose VERSTAK is gone, newest first.
  std::vector<Orphan> orphans() const;
  // What killed runs left in the folder removed: locks that no VERSTAK
  // holds and no work goes with (a window killed with nothing unsaved), and
  // the temporary files of recovery writes killed before their rename, once
  // a minute old.
  void sweepLeftovers() const;
  static RecoveryFileResult read(const Orphan& orphan);
  static void remove(const Orphan& orphan);
  // A damaged file is kept aside under a new name, never deleted.
  struct SetAside {
    QString path;                    // the new name
    std::optional<QString> failure;  // why it could not be renamed; it then stays where it is
  };
  static SetAside setAside(const Orphan& orphan);

 private:
  QString folder_;
  QString sessionId_;
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  QFuture<QString> writing_;
};

}  // namespace verstak
