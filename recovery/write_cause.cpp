#include "recovery/write_cause.h"

#include <cerrno>

namespace verstak {
namespace {

struct Cause {
  int error;
  const char* words;
};

constexpr Cause kCauses[] = {
    {ENOSPC, "нет места на диске"},      {EDQUOT, "нет места на диске"},
    {EFBIG, "файл слишком велик"},       {EACCES, "нет доступа"},
    {EPERM, "нет доступа"},              {EROFS, "диск только для чтения"},
    {ENOENT, "папки нет"},               {ENOTDIR, "на месте папки стоит файл"},
    {EEXIST, "на месте папки стоит файл"}, {EIO, "ошибка диска"},
    {EISDIR, "на месте файла стоит папка"},
};

}  // namespace

QString WriteFailureCause(int error) {
  for (const Cause& cause : kCauses) {
    if (cause.error == error) return QString::fromUtf8(cause.words);
  }
  return QStringLiteral("ошибка записи (код %1)").arg(error);
}

}  // namespace verstak
