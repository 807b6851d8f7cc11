// The grid scanner over many numbers at once, from memory.

#include "files/grid_file.h"
#include "scan_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace verstak;
  fuzz::CheckScan<GridFileResult>(
      data, size,
      [](ByteSource& source, const PuzzleNumberSet& wanted, GridFileScanner::ResultHandler onResult,
         GridFileScanner::HeaderHandler onHeader,
         std::size_t block) { ScanGridFile(source, wanted, std::move(onResult), std::move(onHeader), block); },
      [](ByteSource& source, int number, std::size_t block) { return ReadGridFile(source, number, block); },
      [](const GridFileResult& a, const GridFileResult& b) { return a.grid == b.grid; });
  return 0;
}
