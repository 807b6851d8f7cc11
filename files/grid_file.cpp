#include "files/grid_file.h"

#include <algorithm>

#include "files/open_messages.h"

namespace verstak {

UserMessage GridRowsReading::HeaderError() {
  return UserMessage::Error(" В файле сеток после номера кроссворда лишние символы! ");
}
UserMessage GridRowsReading::NotFound() { return UserMessage::Error("Такой сетки нет!"); }
UserMessage GridRowsReading::Missing() { return UserMessage::Error(std::string(kNoGridFileMessage)); }
UserMessage GridRowsReading::refusal() const { return UserMessage::Error(" Сетка больше 99 на 99 клеток! "); }

// A tab is a clue cell; any other character a letter cell followed by its
// separator. A row or a grid past 99 cells is refused, never cut.
ReadingStep GridRowsReading::take(const TextLine& line) {
  if (!line.holds(kMarkTab)) return ReadingStep::Complete;
  if (grid_.height == kMaxGridSide) return ReadingStep::Refused;
  // Without branches on the letters, which follow no pattern a predictor could learn.
  std::uint64_t clueWords[2] = {0, 0};
  std::array<char, kMaxGridSide> letters{};
  int column = 0;
  // A line cut to its head is longer than 256 bytes, so more than 99 cells:
  // the head alone already overflows.
  for (std::size_t position = 0; position < line.head.size(); ++column) {
    if (column == kMaxGridSide) return ReadingStep::Refused;
    const char field = line.head[position];
    const bool tab = field == '\t';
    clueWords[column >> 6] |= std::uint64_t{tab} << (column & 63);
    letters[static_cast<std::size_t>(column)] = tab ? '\0' : field;
    position += tab ? 1 : 2;
  }
  grid_.clueRows[static_cast<std::size_t>(grid_.height)] =
      (std::bitset<kMaxGridSide>(clueWords[1]) << 64) | std::bitset<kMaxGridSide>(clueWords[0]);
  grid_.letterRows.append(letters.data(), letters.size());
  ++grid_.height;
  grid_.width = std::max(grid_.width, column);
  return ReadingStep::Continue;
}

void GridFileResult::applyTo(ScanwordDocument& document) const {
  if (!found()) return;
  ClearCells(document);
  document.gridWidth = static_cast<std::uint8_t>(grid.width);
  document.gridHeight = static_cast<std::uint8_t>(grid.height);
  for (int y = 1; y <= grid.height; ++y) {
    for (int x = 1; x <= grid.width; ++x) {
      if (grid.isClue(x, y)) document.cells.at(x, y).kind = CellKind::Clue;
      document.letters.set(x, y, grid.letter(x, y));
    }
  }
}

void ScanGridFile(const std::filesystem::path& path, const PuzzleNumberSet& wanted,
                  GridFileScanner::ResultHandler onResult, GridFileScanner::HeaderHandler onHeader) {
  PuzzleLineReader reader(path, GridRowsReading::kTracked);
  ScanPuzzleLines<GridRowsReading>(reader, wanted, std::move(onResult), std::move(onHeader));
}

void ScanGridFile(ByteSource& source, const PuzzleNumberSet& wanted, GridFileScanner::ResultHandler onResult,
                  GridFileScanner::HeaderHandler onHeader, std::size_t blockBytes) {
  PuzzleLineReader reader(source, GridRowsReading::kTracked, blockBytes);
  ScanPuzzleLines<GridRowsReading>(reader, wanted, std::move(onResult), std::move(onHeader));
}

GridFileResult ReadGridFile(const std::filesystem::path& path, int puzzleNumber) {
  GridFileResult found{GridRowsReading::NotFound(), {}};
  ScanGridFile(path, {puzzleNumber}, [&](int, GridFileResult result) { found = std::move(result); });
  return found;
}

GridFileResult ReadGridFile(ByteSource& source, int puzzleNumber, std::size_t blockBytes) {
  GridFileResult found{GridRowsReading::NotFound(), {}};
  ScanGridFile(
      source, {puzzleNumber}, [&](int, GridFileResult result) { found = std::move(result); }, {}, blockBytes);
  return found;
}

}  // namespace verstak
