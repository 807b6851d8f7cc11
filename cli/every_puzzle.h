#pragma once
// Every puzzle of a grid file, each with exactly what opening it by its
// number gives, from one pass over the grid file and one over the
// definitions file.

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "files/open_files.h"

namespace verstak::batch {

struct EveryPuzzleHandlers {
  // Once for each number 1..10000 with a header in the grid file, in the
  // order the puzzles become complete.
  std::function<void(int number, const PuzzleReads& reads)> puzzle;
  // For each header line whose number the open dialog cannot ask for.
  std::function<void(int number)> numberOutOfRange;
  // How much of the files has been read, 0..1.
  std::function<void(double done)> progress;
};

// How much clue text a run keeps for puzzles whose grids have not come yet.
inline constexpr std::size_t kKeptClueBytes = std::size_t{16} << 20;

// The two files are read side by side, each only as far as the results
// already in hand need: a run over thousands of puzzles holds a few at a time.
// Clues that wait for their grid are kept up to `keptClueBytes` and read
// again from the file past that, so memory stays bounded whatever the order
// of the two files. The read errors that cut a pass short, the grid file's
// first: puzzles past them are not handed on at all.
std::vector<UserMessage> ReadEveryPuzzle(const std::filesystem::path& grid,
                                         const std::optional<std::filesystem::path>& definitions,
                                         const EveryPuzzleHandlers& handlers,
                                         std::size_t keptClueBytes = kKeptClueBytes);

}  // namespace verstak::batch
