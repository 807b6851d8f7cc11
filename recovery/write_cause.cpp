#include "recovery/write_cause.h"

#include <sys/stat.h>

#include <cerrno>

#include "files/write_failure.h"

namespace verstak {

// The recovery message names no file, so a folder in the file's place is
// said as such rather than as "это папка".
QString WriteFailureCause(int error) {
  if (error == EISDIR) return QStringLiteral("на месте файла стоит папка");
  return QString::fromStdString(SystemErrorWords(error));
}

QString WriteFailureCause(const WriteFailure& failure) {
  if (failure.cause == WriteFailure::Cause::System) return WriteFailureCause(failure.error);
  if (failure.cause == WriteFailure::Cause::NotRegularFile && failure.fileType == S_IFDIR) {
    return WriteFailureCause(EISDIR);
  }
  return QString::fromStdString(WriteFailureWords(failure));
}

}  // namespace verstak
