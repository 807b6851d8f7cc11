#pragma once
// A program run to its end as a process of its own, without a shell in
// between, its output thrown away: its wall and processor time and its peak
// resident memory. verstak-batch is the one built here unless $VERSTAK_BATCH
// names another, such as one built from an earlier commit.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace verstak::bench {

struct RunTimes {
  double wall = -1;  // s; negative when the program could not start or did not succeed
  double processor = 0;  // s, user and system
  double peakMiB = 0;

  bool failed() const { return wall < 0; }
  RunTimes& operator+=(const RunTimes& other) {
    wall = failed() || other.failed() ? -1 : wall + other.wall;
    processor += other.processor;
    peakMiB = std::max(peakMiB, other.peakMiB);
    return *this;
  }
};

inline double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

// Succeeding means an exit status of at most `highestDone`: 0, or 1 for a
// command that reports what it did not finish and still writes its output.
inline RunTimes RunProgram(const std::vector<std::string>& arguments, int highestDone = 0) {
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
  if (spawned != 0 || !WIFEXITED(status) || WEXITSTATUS(status) > highestDone) return {};
  return {took.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024};
}

#ifdef VERSTAK_BATCH_EXECUTABLE
inline std::string BatchProgram() {
  const char* other = std::getenv("VERSTAK_BATCH");
  return other != nullptr ? other : VERSTAK_BATCH_EXECUTABLE;
}
#endif

}  // namespace verstak::bench
