#include "files/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>

namespace verstak {
namespace {

// Temporary files are hidden, short whatever the target's name, and of one
// pattern, so that those a killed save left behind can be found again.
constexpr std::string_view kTemporaryPrefix = ".~verstak-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryNameLength = kTemporaryPrefix.size() + 16 + kTemporarySuffix.size();
// A temporary file this old belongs to no save still running.
constexpr auto kStaleAge = std::chrono::minutes(1);
constexpr int kMaxLinks = 40;  // as the system's own limit on a chain of symbolic links

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { reset(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closing reports the last write errors of some file systems.
  bool close() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Unique within the process by a counter, across processes by the pid and
// the clock; mixed so that the names do not run in sequence.
std::string TemporaryName() {
  static std::atomic<std::uint64_t> counter{0};
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::uint64_t x = (static_cast<std::uint64_t>(::getpid()) << 40) ^ now ^ (counter++ * 0x9E3779B97F4A7C15ULL);
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  x ^= x >> 31;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name(kTemporaryPrefix);
  for (int shift = 60; shift >= 0; shift -= 4) name += kHex[(x >> shift) & 0xF];
  return name.append(kTemporarySuffix);
}

bool IsTemporaryName(std::string_view name) {
  return name.size() == kTemporaryNameLength && name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix);
}

// Ours to follow: the user's own, or root's. A link another user planted
// (in /tmp, say) must not lead a write to a file the user may replace.
bool Trusted(const struct stat& status) { return status.st_uid == ::geteuid() || status.st_uid == 0; }

// The file a name stands for once symbolic links are followed, so that a
// link stays a link and its target is what gets replaced. Only links that
// are trusted, and a target that is, are followed.
std::variant<std::filesystem::path, WriteFailure> FollowLinks(std::filesystem::path path) {
  bool followed = false;
  for (int link = 0; link <= kMaxLinks; ++link) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
      if (followed && ::lstat(path.c_str(), &status) == 0 && !Trusted(status)) {
        return WriteFailure{WriteFailure::Cause::ForeignLink};
      }
      return path;
    }
    if (!Trusted(status)) return WriteFailure{WriteFailure::Cause::ForeignLink};
    std::error_code error;
    const std::filesystem::path to = std::filesystem::read_symlink(path, error);
    if (error) return WriteFailure::FromErrno(error.value());
    path = to.is_absolute() ? to : path.parent_path() / to;
    followed = true;
  }
  return WriteFailure::FromErrno(ELOOP);
}

// Removes the temporary files of killed saves from the folder, at most once a
// minute per folder and process: a run that writes thousands of files into
// one folder looks through it once.
void RemoveStaleTemporaries(int folder, const std::filesystem::path& folderPath) {
  struct stat status {};
  if (::fstat(folder, &status) != 0) return;
  using Key = std::tuple<std::string, dev_t, ino_t>;
  static std::mutex mutex;
  static std::map<Key, std::chrono::steady_clock::time_point> lastLook;
  {
    const std::lock_guard lock(mutex);
    const auto now = std::chrono::steady_clock::now();
    const auto [last, first] = lastLook.try_emplace(Key{folderPath.string(), status.st_dev, status.st_ino}, now);
    if (!first && now - last->second < kStaleAge) return;
    last->second = now;
  }
  const int listing = ::dup(folder);
  DIR* entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
  if (entries == nullptr) {
    if (listing >= 0) ::close(listing);
    return;
  }
  const auto staleBefore = std::chrono::system_clock::now() - kStaleAge;
  while (const dirent* entry = ::readdir(entries)) {
    if (!IsTemporaryName(entry->d_name)) continue;
    struct stat temporary {};
    if (::fstatat(folder, entry->d_name, &temporary, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(temporary.st_mode)) continue;
    const auto modified = std::chrono::system_clock::from_time_t(temporary.st_mtim.tv_sec);
    if (modified < staleBefore) ::unlinkat(folder, entry->d_name, 0);
  }
  ::closedir(entries);
}

WriteFailure Errno() { return WriteFailure::FromErrno(errno != 0 ? errno : EIO); }

// A write that takes nothing and says no error is a full device.
std::optional<WriteFailure> WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) return Errno();
    if (done == 0) return WriteFailure::FromErrno(ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
  return std::nullopt;
}

struct Temporary {
  std::string name;  // empty when `failure` says why
  WriteFailure failure;
};

// The bytes on disk in a new file of the folder, named by the returned name,
// with the mode and, where allowed, the owner of the file it is to replace.
// An unnamed file (O_TMPFILE) is named only when complete, so that a kill
// while it is written leaves nothing behind; where the file system cannot,
// the name is there from the start.
Temporary WriteTemporary(int folder, std::string_view bytes, const struct stat* replaced, bool unnamed, SyncMode sync) {
  std::string name;
  Descriptor file;
  if (unnamed) {
    file.reset(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (!file.valid()) return {{}, Errno()};
  } else {
    for (int attempt = 0; attempt < 16 && !file.valid(); ++attempt) {
      name = TemporaryName();
      file.reset(::openat(folder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666));
      if (!file.valid() && errno != EEXIST) return {{}, Errno()};
    }
    if (!file.valid()) return {{}, WriteFailure::FromErrno(EEXIST)};
  }
  std::optional<WriteFailure> failed = WriteAll(file.get(), bytes);
  if (!failed && replaced != nullptr) {
    [[maybe_unused]] const int owner = ::fchown(file.get(), replaced->st_uid, replaced->st_gid);  // where permitted
    if (::fchmod(file.get(), replaced->st_mode & 07777) != 0) failed = Errno();
  }
  if (!failed && sync == SyncMode::EachWrite && ::fsync(file.get()) != 0) failed = Errno();
  if (!failed && unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(file.get());
    failed = WriteFailure::FromErrno(EEXIST);
    for (int attempt = 0; attempt < 16 && failed; ++attempt) {
      name = TemporaryName();
      if (::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        failed.reset();
      } else if (errno != EEXIST) {
        failed = Errno();
        break;
      }
    }
  }
  if (!file.close() && !failed) failed = Errno();
  if (!failed) return {name, {}};
  if (!name.empty() && !unnamed) ::unlinkat(folder, name.c_str(), 0);
  return {{}, *failed};
}

}  // namespace

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
  const Descriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (opened.valid()) RemoveStaleTemporaries(opened.get(), std::filesystem::absolute(folder));
}

WriteOutcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  return WriteFileAtomically(path, bytes, SyncMode::EachWrite);
}

WriteOutcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, SyncMode sync) {
  const auto failed = [](WriteFailure failure) { return WriteOutcome{failure}; };
  if (path.empty() || !path.has_filename()) return failed({WriteFailure::Cause::NoName});
  const auto followed = FollowLinks(path);
  if (const auto* refused = std::get_if<WriteFailure>(&followed)) return failed(*refused);
  const auto* target = &std::get<std::filesystem::path>(followed);

  struct stat existing {};
  const bool replacing = ::stat(target->c_str(), &existing) == 0;
  if (!replacing && errno != ENOENT) return failed(Errno());
  // Only a regular file is replaced, and only one its owner may write: a
  // read-only file is refused as an editor would refuse it.
  if (replacing && !S_ISREG(existing.st_mode)) {
    return failed({WriteFailure::Cause::NotRegularFile, 0, static_cast<unsigned>(existing.st_mode & S_IFMT)});
  }
  if (replacing && (existing.st_mode & 0222) == 0) return failed({WriteFailure::Cause::ReadOnlyFile});
  if (replacing && ::access(target->c_str(), W_OK) != 0) return failed(Errno());

  const std::filesystem::path folderPath = target->has_parent_path() ? target->parent_path() : ".";
  Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.valid()) return failed(Errno());
  RemoveStaleTemporaries(folder.get(), std::filesystem::absolute(folderPath));

  const struct stat* replaced = replacing ? &existing : nullptr;
  Temporary temporary = WriteTemporary(folder.get(), bytes, replaced, true, sync);
  if (temporary.name.empty()) temporary = WriteTemporary(folder.get(), bytes, replaced, false, sync);
  if (temporary.name.empty()) return failed(temporary.failure);
  const std::string name = target->filename().string();
  if (::renameat(folder.get(), temporary.name.c_str(), folder.get(), name.c_str()) != 0) {
    const WriteFailure renaming = Errno();
    ::unlinkat(folder.get(), temporary.name.c_str(), 0);
    return failed(renaming);
  }
  // The rename itself on disk, so that a power cut cannot bring back the old
  // name's state; the file is in place whatever this says.
  if (sync == SyncMode::EachWrite) ::fsync(folder.get());
  return {};
}

WriteOutcome SyncWritten(const std::filesystem::path& folder) {
  Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!handle.valid() || ::syncfs(handle.get()) != 0 || ::fsync(handle.get()) != 0) {
    return {WriteFailure::FromErrno(errno != 0 ? errno : EIO)};
  }
  return {};
}

}  // namespace verstak
