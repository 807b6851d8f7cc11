// verstak-batch markup on puzzles generated with an intended markup: the
// scanword file it writes, read back, carries exactly the intended arrows
// and the grid's letters and passes the markup check; a puzzle it cannot
// complete still gets its file and exit status 1; --all writes N.skw for
// every number of the grid file; read and write failures end as save's do.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "batch_test_support.h"
#include "document/check_markup.h"
#include "files/scanword_file.h"
#include "markup_generator.h"

namespace verstak {
namespace {

using testing::BatchRun;
using testing::RunBatchWith;
using Arguments = std::vector<std::string>;

// A generated grid with its only best markup, and the clue texts in the
// order that markup puts the slots in.
struct IntendedPuzzle {
  testing::GeneratedGrid grid;
  std::vector<Word> words;
  std::vector<testing::Candidate> markup;
  std::vector<std::string> texts;

  // "Слов: W, клеток с определениями: C, ...": every clue cell in use, one slot a word.
  std::string summaryLine() const {
    std::set<std::pair<int, int>> cells;
    for (const testing::Candidate& c : markup) cells.emplace(c.clueX, c.clueY);
    return "Слов: " + std::to_string(words.size()) + ", клеток с определениями: " + std::to_string(cells.size()) +
           ", мест для определений: " + std::to_string(words.size()) +
           ", определений: " + std::to_string(texts.size()) + ", ошибок: 0";
  }
};

// The first seed from `first` on whose grid the mending settles on an only best markup.
IntendedPuzzle Intended(std::uint32_t first, int width, int height) {
  for (std::uint32_t seed = first;; ++seed) {
    const auto grid = testing::GridWithIntendedMarkup(seed, width, height, 25);
    if (!grid) continue;
    const ScanwordDocument plain = testing::DocumentOf(*grid);
    std::vector<Word> words = FindWords(plain);
    const auto markup = testing::CheapestMarkup(plain, words);
    if (!markup || words.size() < 4) continue;
    std::vector<std::string> texts = testing::SlotTexts(plain, words, *markup);
    return {*grid, std::move(words), *markup, std::move(texts)};
  }
}

ScanwordDocument ReadBack(const std::filesystem::path& file) {
  ScanwordDocument document;
  const ScanwordFileResult read = ReadScanwordFile(file);
  EXPECT_FALSE(read.failure) << file;
  read.applyTo(document);
  return document;
}

void ExpectIntendedMarkup(const std::filesystem::path& file, const IntendedPuzzle& puzzle) {
  const ScanwordDocument document = ReadBack(file);
  EXPECT_EQ(CheckMarkup(document), std::vector<MarkupFault>{});
  EXPECT_EQ(FindWords(document), puzzle.words);
  for (std::size_t w = 0; w < puzzle.words.size(); ++w) {
    const Word& word = puzzle.words[w];
    EXPECT_TRUE(testing::Carries(document, word.x, word.y, puzzle.markup[w].arrow)) << CellName(word.x, word.y);
  }
  EXPECT_EQ(document.letters, testing::DocumentOf(puzzle.grid).letters);
  EXPECT_EQ(document.definitions.slot(1).line(1).text(), puzzle.texts.front());
}

class BatchMarkup : public ::testing::Test {
 protected:
  TempFolder folder;
  const std::string out = (folder / "out.skw").string();
};

// One puzzle three ways: by number from both files, from a scanword file of
// the unmarked grid, and with a clue text missing (complete no more).
TEST_F(BatchMarkup, WritesTheIntendedMarkupAndSaysHowItCameOut) {
  const IntendedPuzzle puzzle = Intended(11, 9, 8);
  const std::string grid = folder.write("grid.txt", testing::GridFileText(puzzle.grid, 3)).string();
  const std::string clues = folder.write("clues.txt", testing::DefinitionsFileText(puzzle.texts, 3)).string();
  std::vector<std::string> fewer = puzzle.texts;
  fewer.pop_back();
  const std::string shortClues = folder.write("short.txt", testing::DefinitionsFileText(fewer, 3)).string();
  ScanwordDocument unmarked = testing::DocumentOf(puzzle.grid);
  for (std::size_t i = 0; i < puzzle.texts.size(); ++i)
    unmarked.definitions.slot(static_cast<int>(i) + 1).line(1).assign(puzzle.texts[i]);
  const std::string skw = (folder / "plain.skw").string();
  ASSERT_FALSE(WriteScanwordFile(skw, unmarked));

  const std::string full = puzzle.summaryLine();
  const std::string oneShort = full.substr(0, full.rfind("определений: ")) + "определений: " +
                               std::to_string(fewer.size()) + ", ошибок: 0";
  const struct {
    const char* name;
    Arguments input;
    int status;
    std::string out;
  } kCases[] = {
      {"grid and definitions", {"--grid", grid, "--definitions", clues, "--number", "3"}, batch::kExitDone, full + "\n"},
      {"scanword file", {"--scanword", skw}, batch::kExitDone, full + "\n"},
      {"a clue text short",
       {"--grid", grid, "--definitions", shortClues, "--number", "3"},
       batch::kExitFailed,
       oneShort + "\nСлов: " + std::to_string(puzzle.words.size()) + ", определений: " + std::to_string(fewer.size()) +
           "\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(out);
    Arguments arguments = {"markup", "-o", out};
    arguments.insert(arguments.end(), c.input.begin(), c.input.end());
    const BatchRun run = RunBatchWith(arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
    ExpectIntendedMarkup(out, puzzle);
  }
}

// A word with no clue cell beside it: the file is written all the same.
TEST_F(BatchMarkup, AWordThatCannotGetAClueFailsButIsWritten) {
  const std::string grid = folder.write("grid.txt", testing::Cp1251Lines({"№ 1", "К\tО\tТ", ""})).string();
  const BatchRun run = RunBatchWith({"markup", "--grid", grid, "-o", out});
  EXPECT_EQ(run.status, batch::kExitFailed);
  EXPECT_EQ(run.out,
            "Слов: 1, клеток с определениями: 0, мест для определений: 0, определений: 0, ошибок: 1\n"
            "строка 1, столбец 1: у слова по горизонтали нет определения\n");
  const ScanwordDocument document = ReadBack(out);
  EXPECT_EQ(document.gridWidth, 3);
  EXPECT_EQ(document.letters.at(3, 1), static_cast<std::uint8_t>('\xD2'));
}

// Files that cannot be read or written: the messages and status of save.
TEST_F(BatchMarkup, ReadAndWriteFailuresAreSavesOwn) {
  const std::string grid = folder.write("grid.txt", testing::SmallGrids()).string();
  const std::string nowhere = (folder / "no" / "such" / "out.skw").string();
  const Arguments kInputs[][2] = {
      {Arguments{"--grid", (folder / "missing.txt").string()}, Arguments{"-o", out}},
      {Arguments{"--grid", grid, "--number", "7"}, Arguments{"-o", out}},
      {Arguments{"--grid", grid}, Arguments{"-o", nowhere}},
  };
  for (const auto& [input, output] : kInputs) {
    Arguments markup = {"markup"}, save = {"save"};
    for (Arguments* arguments : {&markup, &save}) {
      arguments->insert(arguments->end(), input.begin(), input.end());
      arguments->insert(arguments->end(), output.begin(), output.end());
    }
    const BatchRun marked = RunBatchWith(markup);
    const BatchRun saved = RunBatchWith(save);
    EXPECT_EQ(marked.status, batch::kExitFailed) << marked.err;
    EXPECT_EQ(marked.status, saved.status);
    EXPECT_NE(marked.err, "");
    EXPECT_EQ(marked.err, saved.err);
    EXPECT_EQ(marked.out, "");
  }
}

// Every number of the grid file into FOLDER/N.skw, one line each; a puzzle
// left incomplete makes the status 1 and is written too.
TEST_F(BatchMarkup, EveryPuzzleOfTheFilesGetsItsOwnFile) {
  const int kNumbers[] = {2, 5, 9};
  std::vector<IntendedPuzzle> puzzles;
  std::string grids, clues;
  for (int number : kNumbers) {
    puzzles.push_back(Intended(static_cast<std::uint32_t>(20 * number), 6 + number, 12 - number / 2));
    grids += testing::GridFileText(puzzles.back().grid, number);
    clues += testing::DefinitionsFileText(puzzles.back().texts, number);
  }
  const std::string grid = folder.write("grids.txt", grids).string();
  const std::string definitions = folder.write("clues.txt", clues).string();
  const std::string lonely = folder.write("lonely.txt", grids + testing::Cp1251Lines({"№ 4", "А\tБ", ""})).string();
  const std::string lonelyClues = folder.write("lonely_clues.txt", clues + testing::Cp1251Lines({"№ 4", "* Буквы", ""})).string();
  const struct {
    const char* name;
    std::string grid;
    std::string definitions;
    int status;
    std::vector<int> incomplete;
  } kCases[] = {
      {"all complete", grid, definitions, batch::kExitDone, {}},
      {"puzzle 4 without a clue cell", lonely, lonelyClues, batch::kExitFailed, {4}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path target = folder / c.name;
    const BatchRun run = RunBatchWith({"markup", "--all", "--grid", c.grid, "--definitions", c.definitions, "-o",
                                      target.string()});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.err, "");
    std::string lines;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
      ExpectIntendedMarkup(target / (std::to_string(kNumbers[i]) + ".skw"), puzzles[i]);
      lines = "№ " + std::to_string(kNumbers[i]) + ": " + puzzles[i].summaryLine() + "\n";
      EXPECT_NE(run.out.find(lines), std::string::npos) << run.out;
    }
    for (int number : c.incomplete) {
      EXPECT_TRUE(std::filesystem::exists(target / (std::to_string(number) + ".skw")));
      EXPECT_NE(run.out.find("№ " + std::to_string(number) + ": Слов: 1,"), std::string::npos) << run.out;
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(target)) ++files;
    EXPECT_EQ(files, puzzles.size() + c.incomplete.size());
  }
}

}  // namespace
}  // namespace verstak
