#pragma once
// export --all: a macro N.csc for every puzzle number with a header in the
// grid file, a progress bar on a terminal, a summary at the end.

#include "cli/batch_run.h"

namespace verstak::batch {

// A puzzle that fails is reported and passed over; the status is kExitFailed
// when any did.
int ExportEveryPuzzle(const Options& options, Streams streams);

}  // namespace verstak::batch
