#pragma once
// Every puzzle of a grid file, each with exactly what opening it by its
// number gives, from one pass over the grid file and one over the
// definitions file.

#include <filesystem>
#include <functional>
#include <optional>

#include "files/open_files.h"

namespace verstak::batch {

struct EveryPuzzleHandlers {
  // Once for each number 1..10000 with a header in the grid file, in the
  // order the puzzles become complete.
  std::function<void(int number, const PuzzleReads& reads)> puzzle;
  // Once for each header number the open dialog cannot ask for.
  std::function<void(int number)> numberOutOfRange;
  // How much of the files has been read, 0..1.
  std::function<void(double done)> progress;
};

// The two files are read side by side, each only as far as the results
// already in hand need: a run over thousands of puzzles holds a few at a time.
void ReadEveryPuzzle(const std::filesystem::path& grid, const std::optional<std::filesystem::path>& definitions,
                     const EveryPuzzleHandlers& handlers);

}  // namespace verstak::batch
