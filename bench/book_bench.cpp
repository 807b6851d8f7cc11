// verstak-batch book of 64 generated puzzles ready for the press (15 x 20
// cells each, one scanword file each), run as a process: its wall time
// (the iteration time), its processor time and its peak resident memory
// (`peak_MiB`, from wait4). $VERSTAK_BATCH names another verstak-batch.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "files/scanword_file.h"
#include "tests/book_puzzles.h"

extern char** environ;

namespace verstak {
namespace {

namespace fs = std::filesystem;

constexpr int kPuzzles = 64;

std::string Program() {
  const char* other = std::getenv("VERSTAK_BATCH");
  return other != nullptr ? other : VERSTAK_BATCH_EXECUTABLE;
}

struct Run {
  bool done = false;
  double wall = 0;       // s
  double processor = 0;  // s, user and system
  double peak = 0;       // MiB
};

double Seconds(const timeval& time) { return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6; }

Run RunProgram(const std::vector<std::string>& arguments) {
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
  return {true, took.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime),
          static_cast<double>(usage.ru_maxrss) / 1024};
}

void BM_BookOf64(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("verstak-book-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::vector<std::string> arguments = {Program(), "book", "-o", (folder / "issue.pdf").string(), "--title", "Бенчмарк"};
  for (int i = 1; i <= kPuzzles; ++i) {
    const fs::path file = folder / (std::to_string(i) + ".skw");
    if (WriteScanwordFile(file, testing::ReadyBookPuzzle(15, 20, i))) state.SkipWithError("cannot write the puzzles");
    arguments.push_back(file.string());
  }
  setenv("SOURCE_DATE_EPOCH", "0", 1);
  double processor = 0, peak = 0;
  for (auto _ : state) {
    const Run run = RunProgram(arguments);
    if (!run.done) {
      state.SkipWithError("verstak-batch book failed");
      break;
    }
    state.SetIterationTime(run.wall);
    processor += run.processor;
    peak = std::max(peak, run.peak);
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
