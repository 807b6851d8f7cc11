#pragma once
// verstak-batch book: many puzzles into one PDF/X for the press, from a
// grid file and a definitions file (every puzzle, or the numbers asked) or
// from scanword files, each file read once.

#include "cli/batch_options.h"
#include "cli/batch_run.h"

namespace verstak::batch {

int RunBook(const Options& options, Streams streams);

}  // namespace verstak::batch
