#include "recovery/recovery_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "files/atomic_file.h"
#include "recovery/write_cause.h"

namespace verstak {
namespace {

const QString kPrefix = QStringLiteral("work-");
const QString kSuffix = QStringLiteral(".skw");
const QString kLockSuffix = QStringLiteral(".lock");
constexpr int kIdAttempts = 16;

QString LockPathOf(const QString& path) { return path.chopped(kSuffix.size()) + kLockSuffix; }
QString WorkPathOf(const QString& lockPath) { return lockPath.chopped(kLockSuffix.size()) + kSuffix; }

std::filesystem::path NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString NewSessionId() {
  return QStringLiteral("%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// The file written, or why not.
QString WriteCopy(const std::filesystem::path& path, const ScanwordDocument& document, const RecoveryNotes& notes) {
  const WriteOutcome written = WriteFileAtomically(path, RecoveryFileBytes(document, notes));
  return written ? QString() : WriteFailureCause(*written.failure);
}

}  // namespace

RecoveryStore::RecoveryStore(const QString& folder, const QString& sessionId)
    : folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                                     QStringLiteral("/recovery")
                               : folder),
      sessionId_(sessionId) {
  // A folder that cannot be had now is tried again at the first write.
  claim();
}

RecoveryStore::~RecoveryStore() {
  finishWriting();
  discard();
}

std::optional<QString> RecoveryStore::claim() {
  if (usable()) return std::nullopt;
  std::error_code error;
  std::filesystem::create_directories(NativePath(folder_), error);
  if (error) return WriteFailureCause(error.value());
  if (::access(NativePath(folder_).c_str(), W_OK) != 0) return WriteFailureCause(errno);
  for (int attempt = 0; attempt < kIdAttempts; ++attempt) {
    const QString id = attempt == 0 && !sessionId_.isEmpty() ? sessionId_ : NewSessionId();
    const QString path = QDir(folder_).filePath(kPrefix + id + kSuffix);
    if (QFileInfo::exists(path) || QFileInfo::exists(LockPathOf(path))) continue;
    // The lock is ours for the whole run: nobody else takes over the file.
    auto lock = std::make_unique<QLockFile>(LockPathOf(path));
    errno = 0;
    if (lock->tryLock(0)) {
      path_ = path;
      lock_ = std::move(lock);
      return std::nullopt;
    }
    // Not taken by another run, but not written either (a full disk).
    if (lock->error() != QLockFile::LockFailedError) return WriteFailureCause(errno != 0 ? errno : EACCES);
  }
  return WriteFailureCause(EEXIST);
}

bool RecoveryStore::write(ScanwordDocument document, RecoveryNotes notes) {
  if (!usable() || writing_.isRunning()) return false;
  writing_ = QtConcurrent::run([path = NativePath(path_), document = std::move(document), notes = std::move(notes)] {
    return WriteCopy(path, document, notes);
  });
  return true;
}

void RecoveryStore::discard() {
  if (!usable()) return;
  finishWriting();
  QFile::remove(path_);
}

void RecoveryStore::finishWriting() { writing_.waitForFinished(); }

std::vector<RecoveryStore::Orphan> RecoveryStore::orphans() const {
  std::vector<Orphan> found;
  const QFileInfoList files =
      QDir(folder_).entryInfoList({kPrefix + QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Time);
  for (const QFileInfo& file : files) {
    if (file.absoluteFilePath() == QFileInfo(path_).absoluteFilePath()) continue;
    // A lock held by a VERSTAK still running is not ours to take.
    auto lock = std::make_shared<QLockFile>(LockPathOf(file.absoluteFilePath()));
    if (!lock->tryLock(0)) continue;
    found.push_back({file.absoluteFilePath(), file.lastModified(), std::move(lock)});
  }
  return found;
}

void RecoveryStore::sweepLeftovers() const {
  RemoveStaleTemporaryFiles(NativePath(folder_));
  const QFileInfoList locks = QDir(folder_).entryInfoList({kPrefix + QStringLiteral("*") + kLockSuffix}, QDir::Files);
  for (const QFileInfo& file : locks) {
    const QString lockPath = file.absoluteFilePath();
    if (!path_.isEmpty() && lockPath == QFileInfo(LockPathOf(path_)).absoluteFilePath()) continue;
    // Left-over work is offered with its lock.
    if (QFileInfo::exists(WorkPathOf(lockPath))) continue;
    // Taken only when no VERSTAK holds it; unlocking removes it.
    QLockFile stale(lockPath);
    if (stale.tryLock(0)) stale.unlock();
  }
}

RecoveryFileResult RecoveryStore::read(const Orphan& orphan) { return ReadRecoveryFile(NativePath(orphan.path)); }

void RecoveryStore::remove(const Orphan& orphan) {
  QFile::remove(orphan.path);
  orphan.lock->unlock();
}

// Under a name no later start takes for left-over work; an existing file of
// that name is never replaced.
RecoveryStore::SetAside RecoveryStore::setAside(const Orphan& orphan) {
  const QFileInfo file(orphan.path);
  const QString aside = file.dir().filePath(QStringLiteral("повреждён-") + file.completeBaseName() + QLatin1Char('-') +
                                            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) +
                                            kSuffix);
  const bool renamed = ::renameat2(AT_FDCWD, NativePath(orphan.path).c_str(), AT_FDCWD, NativePath(aside).c_str(),
                                   RENAME_NOREPLACE) == 0;
  const int error = errno;
  orphan.lock->unlock();
  if (renamed) return {aside, std::nullopt};
  return {aside, WriteFailureCause(error)};
}

}  // namespace verstak
