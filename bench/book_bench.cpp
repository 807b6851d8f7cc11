// verstak-batch book of 64 generated puzzles ready for the press (15 x 20
// cells each, one scanword file each), run as a process: its wall time
// (the iteration time), its processor time and its peak resident memory
// (`peak_MiB`, from wait4). $VERSTAK_BATCH names another verstak-batch.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/run_program.h"
#include "files/scanword_file.h"
#include "tests/book_puzzles.h"

namespace verstak {
namespace {

namespace fs = std::filesystem;

constexpr int kPuzzles = 64;

using bench::BatchProgram;
using bench::RunProgram;
using bench::RunTimes;

void BM_BookOf64(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("verstak-book-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::vector<std::string> arguments = {BatchProgram(), "book", "-o", (folder / "issue.pdf").string(), "--title", "Бенчмарк"};
  for (int i = 1; i <= kPuzzles; ++i) {
    const fs::path file = folder / (std::to_string(i) + ".skw");
    if (WriteScanwordFile(file, testing::ReadyBookPuzzle(15, 20, i))) state.SkipWithError("cannot write the puzzles");
    arguments.push_back(file.string());
  }
  setenv("SOURCE_DATE_EPOCH", "0", 1);
  double processor = 0, peak = 0;
  for (auto _ : state) {
    const RunTimes run = RunProgram(arguments);
    if (run.failed()) {
      state.SkipWithError("verstak-batch book failed");
      break;
    }
    state.SetIterationTime(run.wall);
    processor += run.processor;
    peak = std::max(peak, run.peakMiB);
  }
  state.counters["cpu_s"] = benchmark::Counter(processor, benchmark::Counter::kAvgIterations);
  state.counters["peak_MiB"] = peak;
  state.counters["pdf_KiB"] = static_cast<double>(fs::file_size(folder / "issue.pdf")) / 1024;
  fs::remove_all(folder);
}
BENCHMARK(BM_BookOf64)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
