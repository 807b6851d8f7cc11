// verstak-batch against the plain tools on a pair of 5000 puzzles (about
// 33 MB): `info --json` of the last puzzle against `wc -l` of both files, and
// `export --all` against `cat` of both files plus copying the macros it wrote.
// Each iteration runs the program and then its yardstick, so that both see the
// same load of a shared machine; the counter `ratio` is the sum of the
// program's times over the sum of the yardstick's. Processes are started
// directly, without a shell in between. $VERSTAK_BATCH names another
// verstak-batch to time, such as one built from an earlier commit.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/generated_files.h"

extern char** environ;

namespace verstak {
namespace {

using bench::Files;
namespace fs = std::filesystem;

constexpr int kPuzzles = 5000;

std::string Program() {
  const char* other = std::getenv("VERSTAK_BATCH");
  return other != nullptr ? other : VERSTAK_BATCH_EXECUTABLE;
}

// Wall time and processor time (user and system) of one run, in seconds.
struct RunTimes {
  double wall = -1;  // negative when the program could not start or did not succeed
  double processor = 0;

  bool failed() const { return wall < 0; }
  RunTimes& operator+=(const RunTimes& other) {
    wall = failed() || other.failed() ? -1 : wall + other.wall;
    processor += other.processor;
    return *this;
  }
};

double Seconds(const timeval& time) { return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6; }

// Runs a program to its end with its output thrown away.
RunTimes Run(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  int status = 0;
  rusage usage{};
  if (spawned == 0) wait4(child, &status, 0, &usage);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return {took.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

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
    const RunTimes program = Run({Program(), "info", "--json", "--grid", grid, "--definitions", definitions,
                                  "--number", std::to_string(kPuzzles)});
    const RunTimes yardstick = Run({"wc", "-l", grid, definitions});
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
        Run({Program(), "export", "--all", "--grid", grid, "--definitions", definitions, "-o", macros});
    RunTimes yardstick = Run({"cat", grid, definitions});
    yardstick += Run({"cp", "-r", macros, copy});
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

BENCHMARK(BM_InfoLastPuzzleAgainstWc)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_ExportAllAgainstCatAndCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
}  // namespace verstak

BENCHMARK_MAIN();
