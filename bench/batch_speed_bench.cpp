// verstak-batch against the plain tools on a pair of 5000 puzzles (about
// 33 MB): `info --json` of the last puzzle against `wc -l` of both files, and
// `export --all` against `cat` of both files plus copying the macros it wrote.
// Each iteration runs the program and then its yardstick, so that both see the
// same load of a shared machine; the counter `ratio` is the sum of the
// program's times over the sum of the yardstick's. And `markup` of a 99 x 99
// scanword, timed alone. $VERSTAK_BATCH names another verstak-batch to time.

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "bench/generated_files.h"
#include "bench/run_program.h"
#include "tests/markup_generator.h"

namespace verstak {
namespace {

using bench::BatchProgram;
using bench::Files;
using bench::RunProgram;
using bench::RunTimes;
namespace fs = std::filesystem;

constexpr int kPuzzles = 5000;


// Sums of both sides over the iterations, reported as counters: `ratio` of
// the wall times, and `cpu_ratio` of the processor times, which a busy
// machine disturbs less.
class Comparison {
 public:
  bool add(benchmark::State& state, const RunTimes& program, const RunTimes& yardstick) {
    if (program.failed() || yardstick.failed()) {
      state.SkipWithError("a run failed");
      return false;
    }
    state.SetIterationTime(program.wall);
    program_ += program;
    yardstick_ += yardstick;
    return true;
  }

  void report(benchmark::State& state) const {
    if (yardstick_.wall <= 0 || yardstick_.processor <= 0) return;
    state.counters["ratio"] = program_.wall / yardstick_.wall;
    state.counters["cpu_ratio"] = program_.processor / yardstick_.processor;
    state.counters["yardstick_ms"] = benchmark::Counter(yardstick_.wall * 1e3, benchmark::Counter::kAvgIterations);
  }

 private:
  RunTimes program_{0, 0};
  RunTimes yardstick_{0, 0};
};

void BM_InfoLastPuzzleAgainstWc(benchmark::State& state) {
  const std::string grid = Files().grid(kPuzzles).string();
  const std::string definitions = Files().definitions(kPuzzles).string();
  Comparison comparison;
  for (auto _ : state) {
    const RunTimes program = RunProgram({BatchProgram(), "info", "--json", "--grid", grid, "--definitions", definitions,
                                  "--number", std::to_string(kPuzzles)});
    const RunTimes yardstick = RunProgram({"wc", "-l", grid, definitions});
    if (!comparison.add(state, program, yardstick)) break;
  }
  comparison.report(state);
  state.counters["files_MB"] =
      static_cast<double>(fs::file_size(grid) + fs::file_size(definitions)) / 1e6;
}

void BM_ExportAllAgainstCatAndCopy(benchmark::State& state) {
  const std::string grid = Files().grid(kPuzzles).string();
  const std::string definitions = Files().definitions(kPuzzles).string();
  const fs::path folder = fs::temp_directory_path() / ("verstak_bench_export_" + std::to_string(::getpid()));
  const std::string macros = (folder / "macros").string();
  const std::string copy = (folder / "copy").string();
  Comparison comparison;
  for (auto _ : state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    const RunTimes program =
        RunProgram({BatchProgram(), "export", "--all", "--grid", grid, "--definitions", definitions, "-o", macros});
    RunTimes yardstick = RunProgram({"cat", grid, definitions});
    yardstick += RunProgram({"cp", "-r", macros, copy});
    if (!comparison.add(state, program, yardstick)) break;
  }
  comparison.report(state);
  std::uintmax_t written = 0;
  if (fs::is_directory(macros)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(macros)) written += entry.file_size();
  }
  state.counters["macros_MB"] = static_cast<double>(written) / 1e6;
  fs::remove_all(folder);
}

// A 99 x 99 scanword whose clue cells stand on two diagonals in every nine,
// so that words of three and four letters run both ways, about 4300 of them,
// two to a clue cell; the edges leave a few without a clue (status 1).
testing::GeneratedGrid DiagonalScanword() {
  testing::GeneratedGrid grid{kMaxGridSide, kMaxGridSide, {}, {}};
  for (int y = 1; y <= grid.height; ++y) {
    for (int x = 1; x <= grid.width; ++x) {
      const bool clue = (x + y) % 9 == 0 || (x + y) % 9 == 4;
      grid.clue.push_back(clue);
      grid.letters.push_back(clue ? 0 : static_cast<std::uint8_t>(0xC0 + (x * 7 + y * 13) % 32));
    }
  }
  return grid;
}

// `markup` of that scanword from its grid and definitions files to the
// scanword file: the whole process, alone.
void BM_Markup99(benchmark::State& state) {
  const testing::GeneratedGrid grid = DiagonalScanword();
  const std::size_t words = FindWords(testing::DocumentOf(grid)).size();
  const fs::path folder = fs::temp_directory_path() / ("verstak_bench_markup_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return (folder / name).string();
  };
  const std::string grids = write("grid.txt", testing::GridFileText(grid, 1));
  const std::string clues = write("clues.txt", testing::DefinitionsFileText(std::vector<std::string>(words, "\xD1\xEB\xEE\xE2\xEE"), 1));
  const std::string out = (folder / "out.skw").string();
  double processor = 0;
  for (auto _ : state) {
    const RunTimes run = RunProgram({BatchProgram(), "markup", "--grid", grids, "--definitions", clues, "-o", out}, 1);
    if (run.failed()) {
      state.SkipWithError("verstak-batch markup failed");
      break;
    }
    state.SetIterationTime(run.wall);
    processor += run.processor;
  }
  state.counters["cpu_s"] = benchmark::Counter(processor, benchmark::Counter::kAvgIterations);
  state.counters["words"] = static_cast<double>(words);
  state.counters["skw_KiB"] = static_cast<double>(fs::file_size(out)) / 1024;
  fs::remove_all(folder);
}

BENCHMARK(BM_InfoLastPuzzleAgainstWc)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_ExportAllAgainstCatAndCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_Markup99)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
