// The grid reader for one puzzle number, reading from memory: it gives what
// the plain model of the format gives, whatever its block size; a grid it
// found, written back as a grid file, reads the same; a refused read leaves
// a document as it was.

#include <cstring>
#include <string>

#include "files/grid_file.h"
#include "fuzz_support.h"
#include "tests/puzzle_text_reference.h"

namespace verstak::fuzz {
namespace {

std::string GridText(const PuzzleGrid& grid, int number) {
  std::string text = "\xB9 " + std::to_string(number) + "\r\n";
  for (int y = 1; y <= grid.height; ++y) {
    for (int x = 1; x <= grid.width; ++x) {
      // A cell without a letter as a NUL field, which reads back as none.
      if (!grid.isClue(x, y)) text += static_cast<char>(grid.letter(x, y));
      text += '\t';
    }
    text += "\r\n";
  }
  return text;
}

// A refused read must leave a document as it was; the document is made
// once, since its clue table is large, and only its cells are reset.
void ExpectUnchangedBy(const GridFileResult& refused) {
  static ScanwordDocument document;
  CellGrid before;
  before.at(3, 4) = {CellKind::Picture, 17};
  document.gridWidth = 7;
  document.gridHeight = 5;
  document.cells = before;
  refused.applyTo(document);
  // memcmp rather than ==: a compare instrumented cell by cell would take
  // most of the target's time.
  Check(
      document.gridWidth == 7 && document.gridHeight == 5 && std::memcmp(&document.cells, &before, sizeof before) == 0,
      "a refused grid changed the document");
}

}  // namespace
}  // namespace verstak::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace verstak;
  using namespace verstak::fuzz;
  const Choices choices(data, size);
  const std::string text(choices.text());
  const std::vector<std::string> lines = reference::Lines(text);
  const int number = choices.wantedNumber(reference::HeaderNumbers(lines));

  MemoryBytes bytes(text);
  const GridFileResult result = ReadGridFile(bytes, number, choices.blockSize());
  const GridFileResult model = reference::ReadGrid(lines, number);
  Check(result.failure == model.failure, "the reader and the model disagree on the outcome");
  if (!result.found()) {
    ExpectUnchangedBy(result);
    return 0;
  }
  Check(result.grid == model.grid, "the reader and the model read different grids");
  Check(result.grid.width >= 1 && result.grid.width <= 99 && result.grid.height >= 1 && result.grid.height <= 99,
        "a grid beyond 99 by 99");
  const std::string written = GridText(result.grid, number);
  MemoryBytes again(written);
  const GridFileResult reread = ReadGridFile(again, number, choices.blockSize());
  Check(reread.found() && reread.grid == result.grid, "a grid written back reads differently");
  return 0;
}
