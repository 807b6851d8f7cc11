// The built verstak-batch as a shell runs it: exit statuses, what goes to
// stdout and what to stderr, and the README's examples on examples/.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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

  // `arguments` as typed in a shell.
  ProcessRun run(const std::string& arguments) const {
    const std::string command = std::string("'") + VERSTAK_BATCH_EXECUTABLE + "' " + arguments + " > '" +
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
    const ProcessRun check = run("check " + examples() + " --number " + number);
    EXPECT_EQ(check.status, 0) << number << check.err;
    EXPECT_EQ(check.out, "Все правильно!\n");
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

}  // namespace
}  // namespace verstak
