// The manual page of verstak-batch against the program: groff reads it
// without a warning, it names every option and command the help names, and
// every option it names is one the program takes.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/batch_options.h"
#include "cli/usage_text.h"

namespace verstak::batch {
namespace {

std::string ManualPage() {
  std::ifstream file(VERSTAK_MANUAL_PAGE, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The page as a reader sees the words: roff's escaped hyphens as hyphens.
std::string Unescaped(std::string text) {
  for (std::size_t at = 0; (at = text.find("\\-", at)) != std::string::npos;) text.erase(at, 1);
  return text;
}

std::set<std::string> Options(const std::string& text) {
  static const std::regex kOption(R"((^|[^-a-z])(--?[a-z][a-z-]*))");
  std::set<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), kOption), end; it != end; ++it) found.insert((*it)[2]);
  return found;
}

// Output and exit status of a shell command.
std::pair<std::string, int> RunShell(const std::string& command) {
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {"", -1};
  std::string output;
  std::array<char, 4096> block;
  while (const std::size_t got = std::fread(block.data(), 1, block.size(), pipe)) output.append(block.data(), got);
  return {output, pclose(pipe)};
}

TEST(ManualPage, GroffReadsItWithoutWarnings) {
  const auto [warnings, status] = RunShell("groff -man -Tutf8 -ww -z '" VERSTAK_MANUAL_PAGE "' 2>&1");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(warnings, "");
}

TEST(ManualPage, NamesWhatTheHelpNamesAndOnlyWhatTheProgramTakes) {
  const std::string page = Unescaped(ManualPage());
  ASSERT_FALSE(page.empty());
  const std::set<std::string> inHelp = Options(HelpText());
  const std::set<std::string> inPage = Options(page);
  ASSERT_TRUE(inHelp.contains("--grid"));
  for (const std::string& option : inHelp) EXPECT_TRUE(inPage.contains(option)) << option;
  for (const std::string& option : inPage) {
    const ParsedArguments parsed = ParseArguments({"info", "--grid", "g", option});
    const auto* error = std::get_if<UsageError>(&parsed);
    EXPECT_FALSE(error != nullptr && error->problem.starts_with("неизвестный параметр")) << option;
  }
  for (const char* command : {"export", "save", "check", "info", "book", "rebreak", "markup"}) {
    EXPECT_NE(page.find(std::string(".B verstak-batch ") + command), std::string::npos) << command;
    EXPECT_NE(page.find(std::string(".B ") + command + "\n"), std::string::npos) << command;
  }
}

}  // namespace
}  // namespace verstak::batch
