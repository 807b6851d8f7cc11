#include "recovery/recovery_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace verstak {
namespace {

const QString kPrefix = QStringLiteral("work-");
const QString kSuffix = QStringLiteral(".skw");

QString LockPathOf(const QString& path) { return path.chopped(kSuffix.size()) + QStringLiteral(".lock"); }

std::filesystem::path NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

RecoveryStore::RecoveryStore(const QString& folder)
    : folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                                     QStringLiteral("/recovery")
                               : folder) {
  if (!QDir().mkpath(folder_)) return;
  path_ = QDir(folder_).filePath(kPrefix + QString::number(QCoreApplication::applicationPid()) + kSuffix);
  // The lock is ours for the whole run: nobody else takes over the file.
  lock_ = std::make_unique<QLockFile>(LockPathOf(path_));
  if (!lock_->tryLock(0)) lock_.reset();
}

RecoveryStore::~RecoveryStore() {
  finishWriting();
  discard();
}

bool RecoveryStore::write(ScanwordDocument document) {
  if (!usable() || writing_.isRunning()) return false;
  writing_ = QtConcurrent::run(
      [path = NativePath(path_), document = std::move(document)] { WriteScanwordFile(path, document); });
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

ScanwordFileResult RecoveryStore::read(const Orphan& orphan) { return ReadScanwordFile(NativePath(orphan.path)); }

void RecoveryStore::remove(const Orphan& orphan) {
  QFile::remove(orphan.path);
  orphan.lock->unlock();
}

// Under a name no later start takes for left-over work.
QString RecoveryStore::setAside(const Orphan& orphan) {
  const QFileInfo file(orphan.path);
  const QString aside = file.dir().filePath(QStringLiteral("повреждён-") + file.completeBaseName() + QLatin1Char('-') +
                                            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) +
                                            kSuffix);
  QFile::rename(orphan.path, aside);
  orphan.lock->unlock();
  return aside;
}

}  // namespace verstak
