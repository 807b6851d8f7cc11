#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
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

}  // namespace
}  // namespace verstak
