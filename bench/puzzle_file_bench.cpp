// Reading grid and definitions files of thousands of puzzles: finding the
// last puzzle (what the open dialog does for a high number), reading every
// puzzle in one pass (what a batch export of the whole file does), and
// `wc -l` over the same file for scale.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <string>

#include "bench/generated_files.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"

namespace verstak {
namespace {

using bench::Files;
namespace fs = std::filesystem;

void ReportFile(benchmark::State& state, const fs::path& path) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fs::file_size(path)));
  state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_FindLastGrid(benchmark::State& state) {
  const int puzzles = static_cast<int>(state.range(0));
  const fs::path& path = Files().grid(puzzles);
  for (auto _ : state) {
    const GridFileResult result = ReadGridFile(path, puzzles);
    if (!result.found()) state.SkipWithError("last grid not found");
    benchmark::DoNotOptimize(result.grid.width);
  }
  ReportFile(state, path);
}

void BM_ReadEveryGrid(benchmark::State& state) {
  const int puzzles = static_cast<int>(state.range(0));
  const fs::path& path = Files().grid(puzzles);
  for (auto _ : state) {
    int found = 0;
    ScanGridFile(path, PuzzleNumberSet::All(), [&](int, const GridFileResult& result) { found += result.found(); });
    if (found != puzzles) state.SkipWithError("a grid is missing");
  }
  ReportFile(state, path);
}

void BM_FindLastDefinitions(benchmark::State& state) {
  const int puzzles = static_cast<int>(state.range(0));
  const fs::path& path = Files().definitions(puzzles);
  for (auto _ : state) {
    const DefinitionsFileResult result = ReadDefinitionsFile(path, puzzles);
    if (!result.found()) state.SkipWithError("last puzzle not found");
    benchmark::DoNotOptimize(result.clues.size());
  }
  ReportFile(state, path);
}

void BM_ReadEveryDefinitions(benchmark::State& state) {
  const int puzzles = static_cast<int>(state.range(0));
  const fs::path& path = Files().definitions(puzzles);
  for (auto _ : state) {
    int found = 0;
    ScanDefinitionsFile(path, PuzzleNumberSet::All(),
                        [&](int, const DefinitionsFileResult& result) { found += result.found(); });
    if (found != puzzles) state.SkipWithError("a puzzle is missing");
  }
  ReportFile(state, path);
}

// The yardstick: counting the lines of the same file, child process included.
void WcLines(benchmark::State& state, const fs::path& path) {
  const std::string command = "wc -l < '" + path.string() + "' > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("wc -l failed");
  }
  ReportFile(state, path);
}

void BM_WcLinesGrid(benchmark::State& state) { WcLines(state, Files().grid(static_cast<int>(state.range(0)))); }
void BM_WcLinesDefinitions(benchmark::State& state) {
  WcLines(state, Files().definitions(static_cast<int>(state.range(0))));
}

// 2500 and 10000 puzzles: the same peak memory for four times the file.
BENCHMARK(BM_FindLastGrid)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadEveryGrid)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WcLinesGrid)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindLastDefinitions)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadEveryDefinitions)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WcLinesDefinitions)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
