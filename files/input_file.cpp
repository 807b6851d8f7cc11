#include "files/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace verstak {

InputFile::InputFile(const std::filesystem::path& path, std::uint64_t offset) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    missing_ = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG;
    return;
  }
  struct stat status {};
  const bool folder = ::fstat(fd_, &status) == 0 && S_ISDIR(status.st_mode);
  const bool placed = offset == 0 || ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) >= 0;
  if (folder || !placed) {
    ::close(fd_);
    fd_ = -1;
    missing_ = folder;
  }
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

// A read error ends the bytes for good: what came before it is sound, what
// would have come after is unknown.
std::size_t InputFile::read(char* into, std::size_t size) {
  std::size_t done = 0;
  while (fd_ >= 0 && !failed_ && done < size) {
    const ssize_t got = ::read(fd_, into + done, size - done);
    if (got > 0) {
      done += static_cast<std::size_t>(got);
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      failed_ = true;
    }
  }
  return done;
}

}  // namespace verstak
