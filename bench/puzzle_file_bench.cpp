// Reading grid and definitions files of thousands of puzzles: finding the
// last puzzle (what the open dialog does for a high number), reading every
// puzzle in one pass (what a batch export of the whole file does), and
// `wc -l` over the same file for scale. Files are generated once per size in
// the temporary directory, or kept in $VERSTAK_BENCH_DIR when that is set, so
// that other tools can be timed on the very same files.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "files/definitions_file.h"
#include "files/grid_file.h"

namespace verstak {
namespace {

namespace fs = std::filesystem;

const std::string kSign(1, '\xB9');

class GeneratedFiles {
 public:
  GeneratedFiles() {
    if (const char* keep = std::getenv("VERSTAK_BENCH_DIR")) {
      folder_ = keep;
      keep_ = true;
    }
  }
  ~GeneratedFiles() {
    std::error_code ignored;
    if (!keep_) fs::remove_all(folder_, ignored);
  }

  const fs::path& grid(int puzzles) { return file(grids_, puzzles, "grid", &GeneratedFiles::WriteGrids); }
  const fs::path& definitions(int puzzles) {
    return file(definitions_, puzzles, "definitions", &GeneratedFiles::WriteDefinitions);
  }

 private:
  using Writer = void (*)(std::ofstream&, int);

  const fs::path& file(std::map<int, fs::path>& made, int puzzles, const char* kind, Writer write) {
    auto found = made.find(puzzles);
    if (found != made.end()) return found->second;
    fs::create_directories(folder_);
    const fs::path path = folder_ / (std::string(kind) + "_" + std::to_string(puzzles) + ".txt");
    if (!keep_ || !fs::exists(path)) {
      std::ofstream out(path, std::ios::binary);
      write(out, puzzles);
    }
    return made.emplace(puzzles, path).first->second;
  }

  // Grids of 20..60 columns and rows, about a third clue cells.
  static void WriteGrids(std::ofstream& out, int puzzles) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> side(20, 60), cell(0, 2);
    std::string puzzle;
    for (int n = 1; n <= puzzles; ++n) {
      puzzle = kSign + " " + std::to_string(n) + "\r\n";
      const int width = side(random), height = side(random);
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) puzzle += cell(random) == 0 ? "\t" : "\xCA\t";
        puzzle += "\r\n";
      }
      puzzle += "\r\n";
      out << puzzle;
    }
  }

  // 100..200 clues of one or two lines.
  static void WriteDefinitions(std::ofstream& out, int puzzles) {
    std::mt19937 random(2);
    std::uniform_int_distribution<int> clues(100, 200), lines(1, 2), length(8, 30);
    std::string puzzle;
    for (int n = 1; n <= puzzles; ++n) {
      puzzle = kSign + " " + std::to_string(n) + "\r\n";
      for (int c = clues(random); c > 0; --c) {
        puzzle += "* ";
        for (int l = lines(random); l > 0; --l) puzzle += std::string(static_cast<std::size_t>(length(random)), '\xE0') + "\r\n";
      }
      puzzle += "\r\n";
      out << puzzle;
    }
  }

  fs::path folder_ = fs::temp_directory_path() / ("verstak_bench_" + std::to_string(::getpid()));
  bool keep_ = false;
  std::map<int, fs::path> grids_, definitions_;
};

GeneratedFiles& Files() {
  static GeneratedFiles files;
  return files;
}

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
