// verstak-batch book of 64 generated puzzles ready for the press (15 x 20
// cells each), from one scanword file each and from a generated grid and
// definitions pair marked up on the way, run as a process: its wall time
// (the iteration time), its processor time and its peak resident memory
// (`peak_MiB`, from wait4). $VERSTAK_BATCH names another verstak-batch.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench/run_program.h"
#include "files/scanword_file.h"
#include "tests/book_puzzles.h"
#include "tests/markup_generator.h"

namespace verstak {
namespace {

namespace fs = std::filesystem;

constexpr int kPuzzles = 64;

using bench::BatchProgram;
using bench::RunProgram;
using bench::RunTimes;

// Runs `arguments` as the benchmark's iterations and reports its counters.
void TimeBook(benchmark::State& state, const std::vector<std::string>& arguments, const fs::path& pdf) {
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
  if (fs::exists(pdf)) state.counters["pdf_KiB"] = static_cast<double>(fs::file_size(pdf)) / 1024;
}

void BM_BookOf64(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("verstak-book-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::vector<std::string> arguments = {BatchProgram(), "book", "-o", (folder / "issue.pdf").string(), "--title", "Бенчмарк"};
  for (int i = 1; i <= kPuzzles; ++i) {
    const fs::path file = folder / (std::to_string(i) + ".skw");
    if (WriteScanwordFile(file, testing::ReadyBookPuzzle(15, 20, i))) state.SkipWithError("cannot write the puzzles");
    arguments.push_back(file.string());
  }
  TimeBook(state, arguments, folder / "issue.pdf");
  fs::remove_all(folder);
}
BENCHMARK(BM_BookOf64)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The same book from one grid file and one definitions file, --all --markup.
void BM_BookOf64FromGridFiles(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("verstak-book-bench-grids-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::string grids, clues;
  for (int number = 1, seed = 1; number <= kPuzzles && seed < 100 * kPuzzles; ++seed) {
    const std::optional<testing::GeneratedGrid> grid = testing::GridWithIntendedMarkup(seed, 15, 20, 22);
    if (!grid) continue;
    grids += testing::GridFileText(*grid, number);
    const std::size_t words = FindWords(testing::DocumentOf(*grid)).size();
    clues += testing::DefinitionsFileText(std::vector<std::string>(words, "\xCA\xEE\xF2"), number);  // "Кот"
    ++number;
  }
  std::ofstream(folder / "grids.txt", std::ios::binary) << grids;
  std::ofstream(folder / "clues.txt", std::ios::binary) << clues;
  TimeBook(state,
           {BatchProgram(), "book", "--grid", (folder / "grids.txt").string(), "--definitions",
            (folder / "clues.txt").string(), "--all", "--markup", "-o", (folder / "issue.pdf").string()},
           folder / "issue.pdf");
  fs::remove_all(folder);
}
BENCHMARK(BM_BookOf64FromGridFiles)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
