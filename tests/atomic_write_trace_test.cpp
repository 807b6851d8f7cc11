// The atomic write as the system sees it: a save of the built verstak-batch
// traced by strace. The new file is on disk before it is renamed over the
// target, the folder after; and the temporary name the writer really used,
// left behind as a killed save leaves it, is swept away by a later save.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace verstak {
namespace {

const std::string kExamples = VERSTAK_EXAMPLES_DIR;

// One line of strace's output: `name(arguments) = result`.
struct Call {
  std::string name;
  std::string arguments;
  long result = -1;
};

std::vector<Call> ReadTrace(const std::filesystem::path& file) {
  static const std::regex line(R"(^(\w+)\((.*)\)\s+=\s+(-?\d+).*$)");
  std::vector<Call> calls;
  std::ifstream in(file);
  for (std::string text; std::getline(in, text);) {
    std::smatch parts;
    if (std::regex_match(text, parts, line)) calls.push_back({parts[1], parts[2], std::stol(parts[3])});
  }
  return calls;
}

// The quoted strings of a call's arguments, in order.
std::vector<std::string> Strings(const Call& call) {
  static const std::regex quoted(R"re("([^"]*)")re");
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(call.arguments.begin(), call.arguments.end(), quoted);
       it != std::sregex_iterator(); ++it) {
    found.push_back((*it)[1]);
  }
  return found;
}

long FirstNumber(const Call& call) { return std::stol(call.arguments); }

bool IsSync(const Call& call, long fd) {
  return (call.name == "fsync" || call.name == "fdatasync") && call.result == 0 && FirstNumber(call) == fd;
}

class TracedSave : public ::testing::Test {
 protected:
  TempFolder folder;

  void SetUp() override {
    if (std::system("strace -o /dev/null true > /dev/null 2>&1") != 0) GTEST_SKIP() << "strace cannot trace here";
  }

  // Saves puzzle 1 to `target` under strace; its calls in order.
  std::vector<Call> save(const std::filesystem::path& target) const {
    const std::filesystem::path trace = folder / "trace.txt";
    // The leak checker of a sanitized build cannot run under a tracer.
    const std::string command =
        "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -o '" + trace.string() +
        "' -e trace=openat,linkat,renameat,renameat2,rename,fsync,fdatasync '" + VERSTAK_BATCH_EXECUTABLE +
        "' save --grid '" + kExamples + "/setki.txt' --definitions '" + kExamples + "/opredeleniya.txt' --number 1 -o '" +
        target.string() + "' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    return ReadTrace(trace);
  }
};

struct TemporaryWrite {
  long file = -1;     // the new file's descriptor
  std::string name;   // its name in the folder before the rename
  std::size_t opened = 0;
  std::size_t renamed = 0;
  long folder = -1;   // the folder's descriptor the rename went through
};

// The new file: opened unnamed and linked in, or opened under its name;
// then renamed to `target`.
std::optional<TemporaryWrite> FindWrite(const std::vector<Call>& calls, const std::string& target) {
  TemporaryWrite write;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const Call& call = calls[i];
    const std::vector<std::string> strings = Strings(call);
    if (call.name == "openat" && call.result >= 0 &&
        (call.arguments.find("O_TMPFILE") != std::string::npos ||
         (!strings.empty() && strings[0].find(".~verstak-") != std::string::npos))) {
      write.file = call.result;
      write.opened = i;
      if (call.arguments.find("O_TMPFILE") == std::string::npos) write.name = strings[0];
    }
    if (call.name == "linkat" && call.result == 0 && strings.size() == 2 &&
        strings[0] == "/proc/self/fd/" + std::to_string(write.file)) {
      write.name = strings[1];
    }
    if (call.name.starts_with("rename") && call.result == 0 && strings.size() == 2 && !write.name.empty() &&
        strings[0] == write.name && std::filesystem::path(strings[1]).filename() == target) {
      write.renamed = i;
      write.folder = FirstNumber(call);
      return write;
    }
  }
  return std::nullopt;
}

TEST_F(TracedSave, TheFileIsSyncedBeforeTheRenameAndTheFolderAfter) {
  const std::vector<Call> calls = save(folder / "out.skw");
  const std::optional<TemporaryWrite> write = FindWrite(calls, "out.skw");
  ASSERT_TRUE(write) << "no temporary file renamed to out.skw in the trace";
  bool fileSynced = false;
  for (std::size_t i = write->opened; i < write->renamed; ++i) fileSynced = fileSynced || IsSync(calls[i], write->file);
  EXPECT_TRUE(fileSynced) << "the new file was not synced before the rename";
  bool folderSynced = false;
  for (std::size_t i = write->renamed; i < calls.size(); ++i) folderSynced = folderSynced || IsSync(calls[i], write->folder);
  EXPECT_TRUE(folderSynced) << "the folder was not synced after the rename";
  EXPECT_FALSE(std::filesystem::exists(folder / write->name));
}

// The leftovers have the very names saves used, not ones retyped here: a
// name the writer makes but its sweep does not know would stay for ever.
// One a minute old goes; a younger one may be a save under way and stays.
TEST_F(TracedSave, TemporariesOfTheWritersOwnNamesAreSweptOnceAMinuteOld) {
  const std::optional<TemporaryWrite> first = FindWrite(save(folder / "first.skw"), "first.skw");
  const std::optional<TemporaryWrite> second = FindWrite(save(folder / "second.skw"), "second.skw");
  ASSERT_TRUE(first && second);
  const std::filesystem::path old = folder.write(std::filesystem::path(first->name).filename().string(), "killed");
  const std::filesystem::path young = folder.write(std::filesystem::path(second->name).filename().string(), "under way");
  ASSERT_NE(old, young);
  std::filesystem::last_write_time(old, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));

  save(folder / "third.skw");
  EXPECT_FALSE(std::filesystem::exists(old)) << old;
  EXPECT_TRUE(std::filesystem::exists(young)) << young;
  EXPECT_TRUE(std::filesystem::exists(folder / "third.skw"));
}

}  // namespace
}  // namespace verstak
