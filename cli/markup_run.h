#pragma once
// markup: a puzzle marked up automatically and written as a scanword file,
// letters included, with the summary of the markup; with --all every puzzle
// of the files into FOLDER/N.skw.

#include "cli/batch_run.h"

namespace verstak::batch {

// kExitDone only when every word has a clue, the slots equal the clue texts
// and the markup check finds no fault; the files are written either way.
int RunMarkup(const Options& options, Streams streams);

}  // namespace verstak::batch
