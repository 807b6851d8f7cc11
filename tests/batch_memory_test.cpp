// export --all keeps its memory bounded whatever the headers: numbers under
// one block of clues share it, and header numbers the open dialog cannot ask
// for are reported, not remembered. Measured as the peak of a child process
// against a run of the same process on a small file.

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "batch_test_support.h"
#include "peak_memory.h"

namespace verstak::batch {
namespace {

constexpr long kMiB = 1024;  // ru_maxrss counts KiB

// `headers` headers, numbered from 1, over one block of 10000 clues of 16
// full lines: about 5.4 MB of definitions. Each grid is one clue cell.
void WriteOneBlockUnderManyHeaders(const TempFolder& folder, int headers) {
  std::string grid, clues;
  for (int n = 1; n <= headers; ++n) {
    grid += "\xB9 " + std::to_string(n) + "\r\n\t\r\n\r\n";
    clues += "\xB9 " + std::to_string(n) + "\r\n";
  }
  const std::string line(32, '\xE0');
  for (int clue = 0; clue < 10000; ++clue) {
    clues += "* " + line + "\r\n";
    for (int more = 1; more < 16; ++more) clues += line + "\r\n";
  }
  folder.write("grid.txt", grid);
  folder.write("clues.txt", clues);
}

long PeakOfExport(const TempFolder& folder) {
  return testing::PeakKiBOf([&] {
    std::ostream nowhere(nullptr);
    const int status = RunBatch({"export", "--all", "--grid", (folder / "grid.txt").string(), "--definitions",
                                 (folder / "clues.txt").string(), "-o", (folder / "out").string()},
                                {nowhere, nowhere, false});
    if (status != kExitDone) throw std::runtime_error("export failed");
  });
}

TEST(BatchMemory, HeadersOverOneBlockOfCluesShareIt) {
  if (testing::kAddressSanitizer) GTEST_SKIP() << "peak memory under AddressSanitizer is the sanitizer's";
  TempFolder folder;
  WriteOneBlockUnderManyHeaders(folder, 1);
  const long one = PeakOfExport(folder);
  WriteOneBlockUnderManyHeaders(folder, 200);
  const long many = PeakOfExport(folder);
  ASSERT_GT(one, 0);
  ASSERT_GT(many, 0);
  // Each copy of the block would be 5 MB more.
  EXPECT_LT(many, one + 16 * kMiB) << "1 header: " << one / kMiB << " MiB, 200: " << many / kMiB << " MiB";
}

TEST(BatchMemory, NumbersOutOfRangeAreNotRemembered) {
  if (testing::kAddressSanitizer) GTEST_SKIP() << "peak memory under AddressSanitizer is the sanitizer's";
  TempFolder folder;
  const auto peakWith = [&](int outOfRange) {
    std::string grid = "\xB9 1\r\n\t\r\n";
    for (int n = 0; n < outOfRange; ++n) grid += "\xB9 " + std::to_string(20000 + n) + "\r\n";
    folder.write("grid.txt", grid);
    return testing::PeakKiBOf([&] {
      std::ostream nowhere(nullptr);
      RunBatch({"export", "--all", "--grid", (folder / "grid.txt").string(), "-o", (folder / "out").string()},
               {nowhere, nowhere, false});
    });
  };
  const long few = peakWith(10);
  const long many = peakWith(1000000);
  ASSERT_GT(few, 0);
  ASSERT_GT(many, 0);
  EXPECT_LT(many, few + 16 * kMiB) << "10 numbers: " << few / kMiB << " MiB, a million: " << many / kMiB << " MiB";
}

}  // namespace
}  // namespace verstak::batch
