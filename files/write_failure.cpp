#include "files/write_failure.h"

#include <sys/stat.h>

#include <cerrno>

namespace verstak {
namespace {

struct ErrorWords {
  int error;
  std::string_view words;
};

constexpr ErrorWords kErrorWords[] = {
    {ENOSPC, "нет места на диске"},
    {EDQUOT, "нет места на диске"},
    {EFBIG, "файл слишком велик"},
    {EACCES, "нет доступа"},
    {EPERM, "нет доступа"},
    {EROFS, "диск только для чтения"},
    {ENOENT, "папки нет"},
    {ENOTDIR, "на месте папки стоит файл"},
    {EEXIST, "на месте папки стоит файл"},
    {EIO, "ошибка диска"},
    {EISDIR, "это папка"},
    {ENAMETOOLONG, "слишком длинное имя"},
    {ELOOP, "ссылки ведут по кругу"},
    {ETXTBSY, "файл занят"},
    {EBUSY, "файл занят"},
    {EPIPE, "вывод закрыт"},
    {EMFILE, "открыто слишком много файлов"},
    {ENFILE, "открыто слишком много файлов"},
    {ENOMEM, "не хватает памяти"},
};

struct TypeWords {
  unsigned fileType;
  std::string_view words;
};

constexpr TypeWords kTypeWords[] = {
    {S_IFDIR, "это папка"},          {S_IFIFO, "это канал (FIFO)"}, {S_IFCHR, "это устройство"},
    {S_IFBLK, "это устройство"},     {S_IFSOCK, "это сокет"},       {S_IFLNK, "это ссылка"},
};

}  // namespace

std::string SystemErrorWords(int error) {
  for (const ErrorWords& entry : kErrorWords) {
    if (entry.error == error) return std::string(entry.words);
  }
  return "ошибка системы (код " + std::to_string(error) + ")";
}

std::string_view FileTypeWords(unsigned fileType) {
  for (const TypeWords& entry : kTypeWords) {
    if (entry.fileType == fileType) return entry.words;
  }
  return "это не обычный файл";
}

std::string WriteFailureWords(const WriteFailure& failure) {
  switch (failure.cause) {
    case WriteFailure::Cause::System: return SystemErrorWords(failure.error);
    case WriteFailure::Cause::NotRegularFile: return std::string(FileTypeWords(failure.fileType));
    case WriteFailure::Cause::ReadOnlyFile: return "файл только для чтения";
    case WriteFailure::Cause::ForeignLink: return "ссылка чужого пользователя";
    case WriteFailure::Cause::NoName: return "нет имени файла";
  }
  return SystemErrorWords(failure.error);
}

UserMessage WriteFailedMessage(std::string_view start, const std::filesystem::path& path, const WriteFailure& failure) {
  const std::string name = path.empty() ? std::string("(без имени)") : path.string();
  return UserMessage::Error(std::string(start) + "\n" + name + ": " + WriteFailureWords(failure));
}

}  // namespace verstak
