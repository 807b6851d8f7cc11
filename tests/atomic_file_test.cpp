#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace verstak {
namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class AtomicFileTest : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() / ("verstak_atomic_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  int FilesInDir() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }
  static struct stat Status(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status;
  }
};

TEST_F(AtomicFileTest, CreatesAndReplacesLeavingNoTemporaryFile) {
  const fs::path target = dir / "a.skw";
  ASSERT_TRUE(WriteFileAtomically(target, std::string("one\0two", 7)));
  EXPECT_EQ(Slurp(target), std::string("one\0two", 7));
  ASSERT_TRUE(WriteFileAtomically(target, "3"));
  EXPECT_EQ(Slurp(target), "3");
  EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(AtomicFileTest, FailureLeavesTheExistingFileAndNoLitter) {
  const fs::path target = dir / "keep.csc";
  ASSERT_TRUE(WriteFileAtomically(target, "old"));
  EXPECT_FALSE(WriteFileAtomically(dir / "missing-folder" / "x.csc", "new"));
  EXPECT_FALSE(WriteFileAtomically(dir, "a directory is no file"));
  EXPECT_FALSE(WriteFileAtomically(fs::path(), "no name"));
  EXPECT_EQ(Slurp(target), "old");
  EXPECT_EQ(FilesInDir(), 1);
}

// The temporary file's name is short whatever the target's, so a name at the
// system's limit of 255 bytes can be saved.
TEST_F(AtomicFileTest, ANameOfTheLongestLengthCanBeWritten) {
  const fs::path target = dir / (std::string(251, 'a') + ".skw");
  ASSERT_TRUE(WriteFileAtomically(target, "long"));
  ASSERT_TRUE(WriteFileAtomically(target, "longer"));
  EXPECT_EQ(Slurp(target), "longer");
  EXPECT_EQ(FilesInDir(), 1);
}

// A link stays a link: the file it leads to, through a chain or into another
// folder, is what gets replaced; a link to no file yet creates that file.
TEST_F(AtomicFileTest, SymbolicLinksAreFollowedAndKept) {
  fs::create_directories(dir / "real");
  const fs::path real = dir / "real" / "work.skw";
  ASSERT_TRUE(WriteFileAtomically(real, "old"));
  fs::create_symlink("real/work.skw", dir / "link.skw");
  fs::create_symlink("link.skw", dir / "chain.skw");
  fs::create_symlink(dir / "real" / "later.skw", dir / "dangling.skw");

  ASSERT_TRUE(WriteFileAtomically(dir / "link.skw", "via link"));
  EXPECT_EQ(Slurp(real), "via link");
  ASSERT_TRUE(WriteFileAtomically(dir / "chain.skw", "via chain"));
  EXPECT_EQ(Slurp(real), "via chain");
  ASSERT_TRUE(WriteFileAtomically(dir / "dangling.skw", "new"));
  EXPECT_EQ(Slurp(dir / "real" / "later.skw"), "new");
  for (const char* link : {"link.skw", "chain.skw", "dangling.skw"}) EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
  EXPECT_EQ(FilesInDir(), 4);  // the folder and the three links: no temporary file
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 2);

  fs::create_symlink("loop.skw", dir / "loop.skw");
  EXPECT_FALSE(WriteFileAtomically(dir / "loop.skw", "never"));
}

// Replacing a FIFO by a file would cut off whoever reads it.
TEST_F(AtomicFileTest, ATargetThatIsNoRegularFileIsRefused) {
  const fs::path fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_FALSE(WriteFileAtomically(fifo, "bytes"));
  EXPECT_TRUE(fs::is_fifo(fifo));
  fs::create_symlink("pipe", dir / "to-pipe");
  EXPECT_FALSE(WriteFileAtomically(dir / "to-pipe", "bytes"));
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(FilesInDir(), 2);
}

TEST_F(AtomicFileTest, AReplacedFileKeepsItsModeAndAReadOnlyOneIsRefused) {
  const fs::path target = dir / "shared.csc";
  ASSERT_TRUE(WriteFileAtomically(target, "1"));
  for (mode_t mode : {0640, 0600, 0664, 0755}) {
    ASSERT_EQ(::chmod(target.c_str(), mode), 0);
    ASSERT_TRUE(WriteFileAtomically(target, std::to_string(mode)));
    EXPECT_EQ(Status(target).st_mode & 07777, mode);
    EXPECT_EQ(Slurp(target), std::to_string(mode));
  }
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  EXPECT_FALSE(WriteFileAtomically(target, "replaced"));
  EXPECT_EQ(Slurp(target), "493");
  EXPECT_EQ(Status(target).st_mode & 07777, 0444u);
  EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(AtomicFileTest, AReplacedFileKeepsItsOwnerWherePermitted) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser may give a file to another owner";
  const fs::path target = dir / "theirs.skw";
  ASSERT_TRUE(WriteFileAtomically(target, "1"));
  ASSERT_EQ(::chown(target.c_str(), 4321, 4322), 0);
  ASSERT_TRUE(WriteFileAtomically(target, "2"));
  EXPECT_EQ(Status(target).st_uid, 4321u);
  EXPECT_EQ(Status(target).st_gid, 4322u);
}

// What a killed save left behind goes with the next save in that folder,
// once it is a minute old; a younger one may belong to a save still running.
TEST_F(AtomicFileTest, TemporaryFilesOfKilledSavesAreRemovedLater) {
  const std::string stale = ".~verstak-0123456789abcdef.tmp";
  const std::string young = ".~verstak-fedcba9876543210.tmp";
  const std::string other = ".~verstak-notours.tmp";
  for (const std::string& name : {stale, young, other}) std::ofstream(dir / name) << "left";
  const struct timeval twoMinutesAgo[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
  for (const std::string& name : {stale, other}) ASSERT_EQ(::utimes((dir / name).c_str(), twoMinutesAgo), 0);

  ASSERT_TRUE(WriteFileAtomically(dir / "next.skw", "saved"));
  EXPECT_FALSE(fs::exists(dir / stale));
  EXPECT_TRUE(fs::exists(dir / young));
  EXPECT_TRUE(fs::exists(dir / other));
  EXPECT_EQ(FilesInDir(), 3);
}

// Each refusal names the file and its cause in our words, after the message
// the program has always said.
TEST_F(AtomicFileTest, AFailureNamesTheFileAndTheCause) {
  fs::create_directories(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomically(dir / "read-only.skw", "old"));
  fs::permissions(dir / "read-only.skw", fs::perms::owner_read);
  fs::create_symlink("loop-b", dir / "loop-a");
  fs::create_symlink("loop-a", dir / "loop-b");
  struct Case {
    fs::path target;
    std::string words;
  };
  const Case cases[] = {
      {dir / "folder", "это папка"},
      {dir / "fifo", "это канал (FIFO)"},
      {"/dev/full", "это устройство"},
      {dir / "no-folder" / "x.skw", "папки нет"},
      {dir / "read-only.skw" / "x.skw", "на месте папки стоит файл"},
      {dir / "read-only.skw", "файл только для чтения"},
      {dir / "loop-a", "ссылки ведут по кругу"},
      {dir / (std::string(256, 'a') + ".skw"), "слишком длинное имя"},
  };
  for (const Case& c : cases) {
    const WriteOutcome written = WriteFileAtomically(c.target, "new");
    ASSERT_FALSE(written) << c.target;
    EXPECT_EQ(WriteFailedMessage(" Не удалось записать файл! ", c.target, *written.failure),
              UserMessage::Error(" Не удалось записать файл! \n" + c.target.string() + ": " + c.words));
  }
  EXPECT_EQ(Slurp(dir / "read-only.skw"), "old");
}

// Run as another user, where root would be let in: the cause of a folder the
// user may not write to.
int ErrnoAsNobody(const fs::path& target) {
  int report[2];
  if (::pipe(report) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    int error = -1;
    if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
      const WriteOutcome written = WriteFileAtomically(target, "new");
      error = written ? 0 : written.failure->error;
    }
    [[maybe_unused]] const ssize_t sent = ::write(report[1], &error, sizeof error);
    ::_exit(0);
  }
  ::close(report[1]);
  int error = -1;
  if (::read(report[0], &error, sizeof error) != sizeof error) error = -1;
  ::close(report[0]);
  ::waitpid(child, nullptr, 0);
  return error;
}

TEST_F(AtomicFileTest, AFolderWithoutWritePermissionSaysNoAccess) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  const fs::path locked = dir / "locked";
  fs::create_directories(locked);
  fs::permissions(dir, fs::perms::all);
  fs::permissions(locked, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(ErrnoAsNobody(locked / "x.skw"), EACCES);
  EXPECT_EQ(SystemErrorWords(EACCES), "нет доступа");
  EXPECT_FALSE(fs::exists(locked / "x.skw"));
}

// In a shared sticky folder a link of another user's, or one that leads to
// another user's file, is not followed: the kernel would refuse the same.
TEST_F(AtomicFileTest, ALinkOfAnotherUserIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a link to another user";
  const fs::path shared = dir / "shared";
  fs::create_directories(shared);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  ASSERT_TRUE(WriteFileAtomically(dir / "mine.skw", "mine"));
  ASSERT_TRUE(WriteFileAtomically(dir / "theirs.skw", "theirs"));
  ASSERT_EQ(::chown((dir / "theirs.skw").c_str(), 65534, 65534), 0);
  fs::create_symlink(dir / "mine.skw", shared / "planted.csc");
  ASSERT_EQ(::lchown((shared / "planted.csc").c_str(), 65534, 65534), 0);
  fs::create_symlink(dir / "theirs.skw", shared / "to-theirs.csc");
  fs::create_symlink(dir / "mine.skw", shared / "own.csc");

  for (const char* name : {"planted.csc", "to-theirs.csc"}) {
    const WriteOutcome written = WriteFileAtomically(shared / name, "new");
    ASSERT_FALSE(written) << name;
    EXPECT_EQ(written.failure->cause, WriteFailure::Cause::ForeignLink) << name;
    EXPECT_TRUE(fs::is_symlink(shared / name)) << name;
  }
  EXPECT_EQ(Slurp(dir / "mine.skw"), "mine");
  EXPECT_EQ(Slurp(dir / "theirs.skw"), "theirs");
  ASSERT_TRUE(WriteFileAtomically(shared / "own.csc", "through my link"));
  EXPECT_EQ(Slurp(dir / "mine.skw"), "through my link");
  EXPECT_TRUE(fs::is_symlink(shared / "own.csc"));
}

}  // namespace
}  // namespace verstak
