// verstak-batch: the whole job of VERSTAK from the command line, for scripts
// and for many puzzles at once.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return verstak::batch::RunBatch(arguments, {std::cout, std::cerr, isatty(STDERR_FILENO) == 1});
}
