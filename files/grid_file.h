#pragma once
// Grid files: the grids of many puzzles, each under a header line "№ N", as
// rows of tab-separated one-character fields; a letter stands for a letter
// cell, an empty field (a tab) for a clue cell. The program only reads them.

#include <array>
#include <bitset>
#include <filesystem>
#include <string>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "files/puzzle_scanner.h"

namespace verstak {

// The grid of one puzzle as the file gives it: its size, its clue cells and
// the letters of its letter cells.
struct PuzzleGrid {
  int width = 0;
  int height = 0;
  std::array<std::bitset<kMaxGridSide>, kMaxGridSide> clueRows{};  // [y - 1][x - 1]
  // kMaxGridSide bytes a row, row 1 first: each letter cell's byte, 0 for
  // clue cells and for the cells past the end of a shorter row.
  std::string letterRows;

  std::uint8_t letter(int x, int y) const {
    if (x < 1 || y < 1 || x > width || y > height) return kNoLetter;
    return static_cast<std::uint8_t>(letterRows[static_cast<std::size_t>((y - 1) * kMaxGridSide + (x - 1))]);
  }

  bool isClue(int x, int y) const {
    return x >= 1 && y >= 1 && x <= width && y <= height &&
           clueRows[static_cast<std::size_t>(y - 1)].test(static_cast<std::size_t>(x - 1));
  }

  friend bool operator==(const PuzzleGrid&, const PuzzleGrid&) = default;
};

struct GridFileResult {
  Failure failure;  // nullopt when the puzzle was found and read
  PuzzleGrid grid;

  bool found() const { return !failure; }
  // A found grid replaces the document's cells: all cleared, the size set, the
  // clue cells marked, the letters kept. A failed read leaves the document as it was.
  void applyTo(ScanwordDocument& document) const;
};

// Reads the rows of one grid from its first row line on.
class GridRowsReading {
 public:
  using Result = GridFileResult;
  static constexpr LineMarks kStartMark = kMarkTab;
  static constexpr LineMarks kTracked = kMarkTab;
  static UserMessage HeaderError();
  static UserMessage NotFound();
  static UserMessage Missing();

  ReadingStep take(const TextLine& line);
  UserMessage refusal() const;
  Result takeResult() { return {std::nullopt, grid_}; }

 private:
  PuzzleGrid grid_;
};

using GridFileScanner = PuzzleScanner<GridRowsReading>;

// One pass over the file for all `wanted` numbers: onResult(number, result)
// once for each of them, as soon as its result is certain; onHeader(number)
// for every well-formed header line, in file order.
void ScanGridFile(const std::filesystem::path& path, const PuzzleNumberSet& wanted,
                  GridFileScanner::ResultHandler onResult, GridFileScanner::HeaderHandler onHeader = {});

// The grid of puzzle `puzzleNumber` (1..10000).
GridFileResult ReadGridFile(const std::filesystem::path& path, int puzzleNumber);

// The same over bytes from memory or any other source, through the same
// scanner; `blockBytes` is the reader's block size.
void ScanGridFile(ByteSource& source, const PuzzleNumberSet& wanted, GridFileScanner::ResultHandler onResult,
                  GridFileScanner::HeaderHandler onHeader = {},
                  std::size_t blockBytes = PuzzleLineReader::kDefaultBlockBytes);
GridFileResult ReadGridFile(ByteSource& source, int puzzleNumber,
                            std::size_t blockBytes = PuzzleLineReader::kDefaultBlockBytes);

}  // namespace verstak
