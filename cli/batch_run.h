#pragma once
// verstak-batch as a function of its arguments and its two output streams,
// so that tests run it in the same process.

#include <ostream>
#include <string>
#include <vector>

#include "cli/batch_options.h"

namespace verstak::batch {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // a file could not be read or written, a puzzle failed, the check found fault
inline constexpr int kExitUsage = 2;

struct Streams {
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;  // progress is drawn only on a terminal
};

// `arguments` without the program name; the exit status.
int RunBatch(const std::vector<std::string>& arguments, Streams streams);

// The commands, once the arguments are understood.
int RunCommand(const Options& options, Streams streams);

}  // namespace verstak::batch
