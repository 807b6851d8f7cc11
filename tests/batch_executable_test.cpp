// The built verstak-batch as a shell runs it: exit statuses, what goes to
// stdout and what to stderr, and the README's examples on examples/.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "document/cp1251.h"
#include "files/line_reader.h"
#include "temp_folder.h"

namespace verstak {
namespace {

const std::string kExamples = VERSTAK_EXAMPLES_DIR;

struct ProcessRun {
  int status = -1;
  std::string out;
  std::string err;
};

class BatchExecutable : public ::testing::Test {
 protected:
  TempFolder folder;

  // `arguments` as typed in a shell; `prefix` runs the program under another.
  ProcessRun run(const std::string& arguments, const std::string& prefix = "") const {
    const std::string command = prefix + "'" + VERSTAK_BATCH_EXECUTABLE + "' " + arguments + " > '" +
                                (folder / "stdout").string() + "' 2> '" + (folder / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempFolder::Read(folder / "stdout"),
            TempFolder::Read(folder / "stderr")};
  }

  std::string examples() const {
    return "--grid '" + kExamples + "/setki.txt' --definitions '" + kExamples + "/opredeleniya.txt'";
  }
};

TEST_F(BatchExecutable, HelpGoesToStdoutAndSucceeds) {
  const ProcessRun help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("verstak-batch: ")) << help.out;
  EXPECT_NE(help.out.find("verstak-batch export  INPUT [--number N | --all] -o OUT\n"), std::string::npos);
  EXPECT_EQ(help.err, "");
}

TEST_F(BatchExecutable, StatusesOfUsageErrorsAndFailures) {
  const ProcessRun usage = run("export --grid x.txt");
  EXPECT_EQ(usage.status, 2);
  EXPECT_TRUE(usage.err.starts_with("verstak-batch: не указан выходной файл: -o\n")) << usage.err;
  EXPECT_EQ(usage.out, "");

  const ProcessRun missing = run("info --grid '" + (folder / "none.txt").string() + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Такого файла сетки нет!\n");

  const ProcessRun notFound = run("check " + examples() + " --number 4");
  EXPECT_EQ(notFound.status, 1);
  EXPECT_EQ(notFound.err, "Такой сетки нет!\nТакого кроссворда нет!\n");
}

// The commands of the README.
TEST_F(BatchExecutable, TheExamplesCheckAndExport) {
  for (const char* number : {"1", "2", "3"}) {
    // The count is right; the markup is not done yet, and each fault names its cell.
    const ProcessRun check = run("check " + examples() + " --number " + number);
    EXPECT_EQ(check.status, 1) << number << check.err;
    EXPECT_TRUE(check.out.starts_with("Все правильно!\nстрока 1, столбец ")) << check.out;
    std::size_t lines = 0;
    for (std::size_t at = check.out.find('\n'); at + 1 < check.out.size(); at = check.out.find('\n', at + 1), ++lines) {
      EXPECT_EQ(check.out.compare(at + 1, std::string_view("строка ").size(), "строка "), 0) << check.out;
    }
    EXPECT_GT(lines, 0U);
  }

  const ProcessRun info = run("info " + examples() + " --number 2");
  EXPECT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("Сетка: 4 x 4\n"), std::string::npos) << info.out;

  const std::string out = (folder / "macros").string();
  const ProcessRun all = run("export " + examples() + " --all --layout layers -o '" + out + "'");
  EXPECT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(all.out, "Записано: 3, пропущено: 0\n");
  EXPECT_EQ(all.err, "");  // no progress bar when stderr is no terminal
  for (const char* name : {"1.csc", "2.csc", "3.csc"}) EXPECT_TRUE(std::filesystem::exists(folder / "macros" / name));

  const ProcessRun one = run("export " + examples() + " --number 3 --target 7 --cell-width 15 --cmyk 0,40,0,0 -o '" +
                             (folder / "three.csc").string() + "'");
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(one.out + one.err, "");
  const std::string macro = TempFolder::Read(folder / "three.csc");
  EXPECT_NE(macro.find("CorelDraw.Automation.7"), std::string::npos);
}

// The output of a pipe or a redirection, not a file renamed over the link.
TEST_F(BatchExecutable, DevStdoutAndDashWriteToTheStandardOutput) {
  const ProcessRun toFile = run("save " + examples() + " --number 2 -o '" + (folder / "two.skw").string() + "'");
  ASSERT_EQ(toFile.status, 0) << toFile.err;
  for (const char* output : {"/dev/stdout", "-"}) {
    const ProcessRun piped = run("save " + examples() + " --number 2 -o " + output);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, TempFolder::Read(folder / "two.skw")) << output;
  }
}

// A full disk says so with the file: the standard output on /dev/full, and a
// small file system of its own, filled, mounted in a namespace of the run's.
TEST_F(BatchExecutable, AFullDiskIsSaidWithTheFile) {
  const std::string save = "save " + examples() + " --number 2 -o ";
  const std::string command = std::string("'") + VERSTAK_BATCH_EXECUTABLE + "' " + save + "- > /dev/full 2> '" +
                              (folder / "stderr").string() + "'";
  EXPECT_NE(std::system(command.c_str()), 0);
  EXPECT_EQ(TempFolder::Read(folder / "stderr"), " Не удалось записать файл! \n-: нет места на диске\n");

  if (std::system("unshare --user --map-root-user --mount true > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "no user and mount namespaces here to mount a small file system in";
  }
  const std::string full = (folder / "full").string();
  std::filesystem::create_directories(full);
  const ProcessRun filled = run(save + "'" + full + "/two.skw'",
                                "unshare --user --map-root-user --mount sh -c 'mount -t tmpfs -o size=16k tmpfs \"$0\" "
                                "|| exit 3; head -c 65536 /dev/zero > \"$0/fill\" 2> /dev/null; exec \"$@\"' '" +
                                    full + "' ");
  EXPECT_EQ(filled.status, 1);
  EXPECT_EQ(filled.err, " Не удалось записать файл! \n" + full + "/two.skw: нет места на диске\n");
}

// A write that takes none of its bytes and says no error (a device that is
// full): strace makes the new file's first two writes return 0, unnamed and
// then named; later writes, the message's, go through. Which writes are the
// file's is read from a first traced run (a sanitized build writes to pipes
// of its own before).
TEST_F(BatchExecutable, AWriteThatTakesNothingIsAFullDisk) {
  if (std::system("strace -o /dev/null true > /dev/null 2>&1") != 0) GTEST_SKIP() << "strace cannot trace here";
  const std::string target = (folder / "two.skw").string();
  const std::string save = "save " + examples() + " --number 2 -o '" + target + "'";
  const std::string traced = "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -o '" + (folder / "trace").string() +
                             "' -y -e trace=write ";
  ASSERT_EQ(run(save, traced).status, 0);
  std::istringstream trace(TempFolder::Read(folder / "trace"));
  int first = 0;
  for (std::string line; first <= 0 && std::getline(trace, line);) {
    if (!line.starts_with("write(")) continue;
    --first;
    if (line.find("<" + (folder / "").string()) != std::string::npos) first = -first;
  }
  ASSERT_GT(first, 0) << TempFolder::Read(folder / "trace");
  std::filesystem::remove(target);

  const std::string when = std::to_string(first) + ".." + std::to_string(first + 1);
  const ProcessRun taken = run(save, traced + "-e inject=write:retval=0:when=" + when + " ");
  EXPECT_EQ(taken.status, 1);
  EXPECT_EQ(taken.err, " Не удалось записать файл! \n" + target + ": нет места на диске\n");
  EXPECT_FALSE(std::filesystem::exists(target));
}

// A disk error on the second read of an input file, injected by strace: the
// file is built so that the first read, one block of the line reader, ends
// right after `before`; `after` would come in the second.
class BatchReadError : public BatchExecutable {
 protected:
  void SetUp() override {
    if (std::system("strace -o /dev/null true > /dev/null 2>&1") != 0) GTEST_SKIP() << "strace cannot trace here";
  }

  std::string brokenFile(const std::string& before, const std::string& after) const {
    const std::string head = Utf8ToCp1251(before);
    std::string filler;
    const std::size_t fill = PuzzleLineReader::kDefaultBlockBytes - head.size();
    while (filler.size() + 82 <= fill) filler += std::string(80, '-') + "\r\n";
    filler += std::string(fill - filler.size() - 2, '-') + "\r\n";
    return folder.write("grid.txt", filler + head + Utf8ToCp1251(after)).string();
  }

  ProcessRun runBroken(const std::string& file, const std::string& arguments) const {
    // The leak checker of a sanitized build cannot run under a tracer.
    return run(arguments, "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -o /dev/null -e trace=read -e inject=read:error=EIO:when=2 -P '" + file + "' ");
  }
};

// The grid's fourth row starts in the first block and ends in the second.
TEST_F(BatchReadError, AGridCutShortIsNotReadAsASmallerGrid) {
  const std::string grid = brokenFile("№ 1\r\nЯ\tЯ\tЯ\r\nЯ\tЯ\tЯ\r\nЯ\tЯ\tЯ\r\nЯ", "\tЯ\tЯ\r\nЯ\tЯ\tЯ\r\n\r\n");
  const ProcessRun info = runBroken(grid, "info --grid '" + grid + "'");
  EXPECT_EQ(info.status, 1);
  EXPECT_EQ(info.out, "");
  EXPECT_EQ(info.err, " Не удалось прочитать файл! \n" + grid + "\n");
}

TEST_F(BatchReadError, AHeaderCutAfterItsSignIsNoHeaderError) {
  const std::string grid = brokenFile("Кроссворд №", " 25\r\n\t\r\n");
  const ProcessRun info = runBroken(grid, "info --grid '" + grid + "' --number 25");
  EXPECT_EQ(info.status, 1);
  EXPECT_EQ(info.err, " Не удалось прочитать файл! \n" + grid + "\n");
}

// Puzzle 1 lies wholly in the first block, puzzle 2 in the second: what was
// written stays, but the run must not end as if the file had ended.
TEST_F(BatchReadError, ExportOfEveryPuzzleReportsTheErrorAndFails) {
  const std::string grid = brokenFile("№ 1\r\n\tЯ\r\n\r\n", "№ 2\r\n\t\t\r\n\r\n");
  const std::string out = (folder / "macros").string();
  const ProcessRun all = runBroken(grid, "export --all --grid '" + grid + "' -o '" + out + "'");
  EXPECT_EQ(all.status, 1);
  EXPECT_EQ(all.err, " Не удалось прочитать файл! \n" + grid + "\n");
  EXPECT_EQ(all.out, "Записано: 1, пропущено: 0\n");
  EXPECT_TRUE(std::filesystem::exists(folder / "macros" / "1.csc"));
}

}  // namespace
}  // namespace verstak
