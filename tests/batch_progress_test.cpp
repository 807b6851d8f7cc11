// The progress bar of export --all: drawn in place on a terminal, lines
// printed above it, nothing at all when stderr is no terminal.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/progress_bar.h"

namespace verstak::batch {
namespace {

const std::string kErase = "\r\x1b[K";

TEST(BatchProgressBar, RendersTheShareReadAndTheCounts) {
  EXPECT_EQ(ProgressBar::Render(0, 0, 0), "[..............................] 0%  записано 0");
  EXPECT_EQ(ProgressBar::Render(0.5, 10, 2), "[###############...............] 50%  записано 10, пропущено 2");
  EXPECT_EQ(ProgressBar::Render(1.5, 3, 0), "[##############################] 100%  записано 3");
}

TEST(BatchProgressBar, PrintedLinesGoAboveTheBarWhichIsErasedAtTheEnd) {
  std::ostringstream terminal;
  {
    ProgressBar bar(terminal, true);
    bar.update(0.5, 10, 0);
    bar.update(0.501, 11, 0);  // same percentage, moments later: not redrawn
    bar.print("№ 3 пропущен: Такой сетки нет!");
  }
  const std::string shown = ProgressBar::Render(0.5, 10, 0);
  EXPECT_EQ(terminal.str(), kErase + shown + kErase + "№ 3 пропущен: Такой сетки нет!\n" + shown + kErase);
}

TEST(BatchProgressBar, WithoutATerminalOnlyTheLinesAreWritten) {
  std::ostringstream pipe;
  {
    ProgressBar bar(pipe, false);
    bar.update(0.5, 10, 0);
    bar.print("№ 3 пропущен: Такой сетки нет!");
    bar.update(1, 10, 1);
  }
  EXPECT_EQ(pipe.str(), "№ 3 пропущен: Такой сетки нет!\n");
}

}  // namespace
}  // namespace verstak::batch
