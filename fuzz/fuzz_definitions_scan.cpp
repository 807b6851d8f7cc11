// The definitions scanner over many numbers at once, from memory.

#include "files/definitions_file.h"
#include "scan_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace verstak;
  fuzz::CheckScan<DefinitionsFileResult>(
      data, size,
      [](ByteSource& source, const PuzzleNumberSet& wanted, DefinitionsFileScanner::ResultHandler onResult,
         DefinitionsFileScanner::HeaderHandler onHeader,
         std::size_t block) { ScanDefinitionsFile(source, wanted, std::move(onResult), std::move(onHeader), block); },
      [](ByteSource& source, int number, std::size_t block) { return ReadDefinitionsFile(source, number, block); },
      [](const DefinitionsFileResult& a, const DefinitionsFileResult& b) { return a.clues == b.clues; });
  return 0;
}
