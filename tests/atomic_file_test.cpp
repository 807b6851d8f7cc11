#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/atomic_file.h"

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

}  // namespace
}  // namespace verstak
