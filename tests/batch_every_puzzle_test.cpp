// export --all: one macro per puzzle header, failures passed over and
// counted, and for every number exactly what export --number gives, on files
// full of the readers' awkward cases. The pass over both files keeps pace
// with itself, so a puzzle missing from one file does not make it hold the rest.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "batch_test_support.h"
#include "cli/every_puzzle.h"
#include "cli/message_text.h"
#include "puzzle_text_reference.h"

namespace verstak::batch {
namespace {

using testing::BatchRun;
using testing::RunBatchWith;
namespace fs = std::filesystem;

std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  if (!fs::is_directory(folder)) return names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::ranges::sort(names);
  return names;
}

// The lines of a stream, without their breaks.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

// Runs --all once and --number N for every header number N of the grid
// file; each N.csc must be what --number N writes, and each puzzle --number
// refuses must be skipped with the same messages. Gives the numbers of
// puzzles written and skipped.
std::pair<int, int> ExpectEveryPuzzleAsByNumber(const TempFolder& folder, const std::string& gridText,
                                 const std::optional<std::string>& definitionsText, const std::string& where) {
  const std::string grid = folder.write("grid.txt", gridText).string();
  std::vector<std::string> input = {"--grid", grid};
  if (definitionsText) {
    input.push_back("--definitions");
    input.push_back(folder.write("definitions.txt", *definitionsText).string());
  }
  fs::remove_all(folder / "all");
  std::vector<std::string> all = {"export", "--all", "-o", (folder / "all").string()};
  all.insert(all.end(), input.begin(), input.end());
  const BatchRun every = RunBatchWith(all);

  std::set<int> headers;
  std::multiset<std::string> skipLines;
  for (int n : reference::HeaderNumbers(reference::Lines(gridText))) {
    headers.insert(n);
    // Reported at each such header, the same number as often as it stands.
    if (!PuzzleNumberSet::InRange(n))
      skipLines.insert("№ " + std::to_string(n) + " пропущен: номер кроссворда вне 1..10000");
  }
  std::vector<std::string> written;
  for (int n : headers) {
    const std::string number = std::to_string(n);
    if (!PuzzleNumberSet::InRange(n)) continue;
    std::vector<std::string> one = {"export", "--number", number, "-o", (folder / "one.csc").string()};
    one.insert(one.end(), input.begin(), input.end());
    fs::remove(folder / "one.csc");
    const BatchRun single = RunBatchWith(one);
    if (single.status == kExitDone) {
      written.push_back(number + ".csc");
      EXPECT_EQ(TempFolder::Read(folder / "all" / (number + ".csc")), TempFolder::Read(folder / "one.csc"))
          << where << " number " << n;
    } else {
      std::vector<UserMessage> messages;
      for (const std::string& line : LinesOf(single.err)) messages.push_back(UserMessage::Error(line));
      skipLines.insert("№ " + number + " пропущен: " + JoinedMessages(messages));
    }
  }
  std::ranges::sort(written);
  EXPECT_EQ(FilesIn(folder / "all"), written) << where;
  if (headers.empty()) {
    EXPECT_EQ(every.status, kExitFailed) << where;
    EXPECT_EQ(every.err, "В файле сеток нет ни одного заголовка с номером кроссворда.\n") << where;
    EXPECT_EQ(every.out, "") << where;
    return {0, 0};
  }
  const std::vector<std::string> errLines = LinesOf(every.err);
  EXPECT_EQ(std::multiset<std::string>(errLines.begin(), errLines.end()), skipLines) << where << every.err;
  EXPECT_EQ(every.status, skipLines.empty() ? kExitDone : kExitFailed) << where;
  EXPECT_TRUE(every.out.starts_with("Записано: " + std::to_string(written.size()) +
                                    ", пропущено: " + std::to_string(skipLines.size())))
      << where << every.out;
  return {static_cast<int>(written.size()), static_cast<int>(skipLines.size())};
}

TEST(BatchEveryPuzzle, AFailingPuzzleInTheMiddleDoesNotStopTheOthers) {
  TempFolder folder;
  const std::string grid = folder.write("grid.txt", testing::Cp1251Lines({
                                                        "№ 1", "\tА", "", "№ 2", std::string(100, '\t'), "", "№ 3",
                                                        "\t\t", "", "№ 4", "Б\t", "", "№ 5", "\t", "",
                                                    }))
                               .string();
  std::vector<std::string_view> clues = {"№ 1", "* один", "№ 2", "* два", "№ 3", "* три", "* три", "№ 4", "* длинное"};
  for (int i = 0; i < 16; ++i) clues.push_back("строка");
  for (std::string_view line : {"№ 5", "* пять", ""}) clues.push_back(line);
  std::string definitionsText;
  for (std::string_view line : clues) definitionsText += Utf8ToCp1251(line) + "\r\n";
  const std::string definitions = folder.write("definitions.txt", definitionsText).string();

  const BatchRun run = RunBatchWith(
      {"export", "--grid", grid, "--definitions", definitions, "--all", "-o", (folder / "out").string()});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(FilesIn(folder / "out"), (std::vector<std::string>{"1.csc", "3.csc", "5.csc"}));
  EXPECT_EQ(run.err,
            "№ 2 пропущен: Сетка больше 99 на 99 клеток!\n"
            "№ 4 пропущен: Определение длиннее 16 строк!\n");
  EXPECT_EQ(run.out, "Записано: 3, пропущено: 2 (Определение длиннее 16 строк! — 1; Сетка больше 99 на 99 клеток! — 1)\n");
  ExpectEveryPuzzleAsByNumber(folder, TempFolder::Read(grid), definitionsText, "middle");
}

TEST(BatchEveryPuzzle, AMissingGridFileIsReportedAndNoFolderMade) {
  TempFolder folder;
  const BatchRun run =
      RunBatchWith({"export", "--all", "--grid", (folder / "g.txt").string(), "-o", (folder / "out").string()});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(run.err, "Такого файла сетки нет!\n");
  EXPECT_FALSE(fs::exists(folder / "out"));
}

// A file that opens but cannot be read (as /proc/self/mem) is not a file
// without headers: the read error is said and the run fails.
TEST(BatchEveryPuzzle, AnUnreadableFileIsReported) {
  TempFolder folder;
  const std::string grid = folder.write("g.txt", testing::SmallGrids()).string();
  const BatchRun unreadableGrid =
      RunBatchWith({"export", "--all", "--grid", "/proc/self/mem", "-o", (folder / "out").string()});
  EXPECT_EQ(unreadableGrid.status, kExitFailed);
  EXPECT_EQ(unreadableGrid.err, " Не удалось прочитать файл! \n/proc/self/mem\n");
  EXPECT_EQ(unreadableGrid.out, "");

  const BatchRun unreadableClues = RunBatchWith(
      {"export", "--all", "--grid", grid, "--definitions", "/proc/self/mem", "-o", (folder / "out2").string()});
  EXPECT_EQ(unreadableClues.status, kExitFailed);
  EXPECT_EQ(unreadableClues.err,
            "№ 1 пропущен: Не удалось прочитать файл!\n№ 2 пропущен: Не удалось прочитать файл!\n"
            "№ 3 пропущен: Не удалось прочитать файл!\n Не удалось прочитать файл! \n/proc/self/mem\n");
  EXPECT_EQ(unreadableClues.out, "Записано: 0, пропущено: 3 (Не удалось прочитать файл! — 3)\n");
}

TEST(BatchEveryPuzzle, WithoutFailuresTheStatusSaysDone) {
  TempFolder folder;
  const std::string grid = folder.write("g.txt", testing::SmallGrids()).string();
  const BatchRun run = RunBatchWith({"export", "--all", "--grid", grid, "-o", (folder / "out").string()});
  EXPECT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Записано: 3, пропущено: 0\n");
  EXPECT_EQ(FilesIn(folder / "out"), (std::vector<std::string>{"1.csc", "2.csc", "3.csc"}));
}

TEST(BatchEveryPuzzle, AnOutputThatIsNoFolderIsRefusedBeforeReading) {
  TempFolder folder;
  const std::string grid = folder.write("g.txt", testing::SmallGrids()).string();
  folder.write("file", "x");
  const BatchRun run = RunBatchWith({"export", "--all", "--grid", grid, "-o", (folder / "file").string()});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(run.err, "Не удалось создать папку " + (folder / "file").string() + "\n");
}

struct TrickyFiles {
  const char* name;
  std::vector<std::string> grid;
  std::optional<std::vector<std::string>> definitions;
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += Utf8ToCp1251(line) + "\r\n";
  return text;
}

class BatchEveryPuzzleTricky : public ::testing::TestWithParam<TrickyFiles> {};

TEST_P(BatchEveryPuzzleTricky, EveryNumberAsExportByNumberGivesIt) {
  TempFolder folder;
  const TrickyFiles& files = GetParam();
  ExpectEveryPuzzleAsByNumber(folder, Joined(files.grid),
                              files.definitions ? std::optional(Joined(*files.definitions)) : std::nullopt, files.name);
}

const std::vector<std::string> kThreeClueSets = {"№ 1", "* a", "№ 2", "* b", "* c", "№ 3", "* d", "№ 7", "* e", ""};

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchEveryPuzzleTricky,
    ::testing::Values(
        // Puzzle 1 starts at the first row line met, under whatever header.
        TrickyFiles{"RowsAboveHeaderOne", {"№ 7", "\tА", "", "№ 1", "\t\t", ""}, kThreeClueSets},
        // A header without rows takes the rows under the next header.
        TrickyFiles{"HeaderWithoutRows", {"№ 2", "", "№ 3", "\t", "А\t", ""}, kThreeClueSets},
        TrickyFiles{"DuplicateHeaders", {"№ 2", "\t", "", "№ 2", "\t\t\t", "", "№ 3", "\t", ""}, kThreeClueSets},
        // Every number not yet found fails at a malformed header, those whose
        // header comes after it included.
        TrickyFiles{
            "MalformedGridHeader", {"№ 2", "\t", "", "№ 3x", "\t", "", "№ 3", "\t", "№ 7", "\t"}, kThreeClueSets},
        TrickyFiles{"MalformedDefinitionsHeader",
                    {"№ 1", "\t", "№ 2", "\t", "№ 3", "\t"},
                    std::vector<std::string>{"№ 1", "* a", "№ 2 ?", "* b", "№ 3", "* c", ""}},
        // Definitions in another order, one missing, one extra.
        TrickyFiles{"DefinitionsInAnotherOrder",
                    {"№ 1", "\t", "№ 2", "\t", "№ 3", "\t\t", "№ 4", "\t", ""},
                    std::vector<std::string>{"№ 9", "* x", "№ 3", "* c", "* c", "№ 1", "* a", "№ 4", "* d", ""}},
        TrickyFiles{"NumbersTheDialogCannotAskFor",
                    {"№ 0", "\t", "№ 10001", "\t", "№ -3", "\t", "№ 2", "\t", "№ 10001", "\t"},
                    kThreeClueSets},
        TrickyFiles{"GridOnly", {"№ 1", "\tА", "", "№ 2", "", "№ 5", "\t"}, std::nullopt},
        TrickyFiles{"NoHeaderAtAll", {"\tА", "А\t"}, kThreeClueSets},
        TrickyFiles{"NotFoundAtTheEnd", {"№ 4", "", "text", ""}, kThreeClueSets}),
    [](const ::testing::TestParamInfo<TrickyFiles>& info) { return std::string(info.param.name); });

// Random files of small puzzles with every quirk above mixed in.
class QuirkyFiles {
 public:
  explicit QuirkyFiles(unsigned seed) : random_(seed) {}

  std::string grid() {
    std::vector<std::string> lines;
    for (int block = pick(0, 7); block > 0; --block) {
      if (chance(10)) lines.push_back("А\t\t");
      lines.push_back(header());
      for (int rows = pick(0, 3); rows > 0; --rows) lines.push_back(row());
      if (chance(70)) lines.push_back("");
    }
    return Joined(lines);
  }

  std::string definitions() {
    std::vector<std::string> lines;
    for (int block = pick(0, 7); block > 0; --block) {
      lines.push_back(header());
      for (int clues = pick(0, 3); clues > 0; --clues) {
        lines.push_back("* clue " + std::to_string(pick(1, 99)));
        for (int more = chance(5) ? 17 : pick(0, 2); more > 0; --more) lines.push_back("more");
      }
      if (chance(70)) lines.push_back("");
    }
    return Joined(lines);
  }

 private:
  int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }

  std::string header() {
    if (chance(4)) return "№ " + std::to_string(pick(2, 5)) + "x";
    if (chance(4)) return "№ " + std::to_string(chance(50) ? 0 : 10001);
    return (chance(10) ? "Сканворд № " : "№ ") + std::to_string(pick(1, 6));
  }

  std::string row() {
    if (chance(3)) return std::string(100, '\t');
    std::string line;
    for (int cells = pick(1, 4); cells > 0; --cells) line += chance(40) ? "\t" : "Я\t";
    return line;
  }

  std::mt19937 random_;
};

TEST(BatchEveryPuzzle, RandomFilesGiveEveryNumberWhatExportByNumberGives) {
  TempFolder folder;
  QuirkyFiles make(5);
  int written = 0, skipped = 0;
  for (int round = 0; round < 60; ++round) {
    const std::string grid = make.grid();
    const std::string definitions = make.definitions();
    const auto [w, s] = ExpectEveryPuzzleAsByNumber(folder, grid, round % 4 == 0 ? std::nullopt : std::optional(definitions),
                                "round " + std::to_string(round) + ": " + ::testing::PrintToString(grid) + " / " +
                                    ::testing::PrintToString(definitions));
    written += w;
    skipped += s;
  }
  // The files are neither all good nor all bad.
  EXPECT_GT(written, 40);
  EXPECT_GT(skipped, 40);
}

// What a pass hands on, in order, each puzzle written out in full.
std::vector<std::string> HandedOn(const fs::path& grid, const fs::path& clues, std::size_t keptClueBytes) {
  std::vector<std::string> puzzles;
  EveryPuzzleHandlers handlers;
  handlers.puzzle = [&](int number, const PuzzleReads& reads) {
    std::string text = std::to_string(number) + ":";
    if (reads.grid->failure) text += " " + reads.grid->failure->text;
    for (int y = 1; y <= reads.grid->grid.height; ++y) {
      text += " ";
      for (int x = 1; x <= reads.grid->grid.width; ++x) text += reads.grid->grid.isClue(x, y) ? '#' : '.';
    }
    if (reads.definitions->failure) text += " " + reads.definitions->failure->text;
    for (int clue = 1; clue <= reads.definitions->clues.size(); ++clue) {
      text += " |";
      for (int n = 1; n <= kDefinitionLines; ++n) text += std::string(reads.definitions->clues.line(clue, n)) + "/";
    }
    puzzles.push_back(text);
  };
  EXPECT_TRUE(ReadEveryPuzzle(grid, clues, handlers, keptClueBytes).empty());
  return puzzles;
}

// Past the memory limit, clues that wait for their grid are read again from
// their start in the file when the grid comes: with no room at all, every
// puzzle gets exactly what it gets with room to spare, in the same order.
TEST(BatchEveryPuzzle, CluesPutAsideAreReadAgainTheSame) {
  TempFolder folder;
  QuirkyFiles make(9);
  int compared = 0;
  for (int round = 0; round < 100; ++round) {
    const fs::path grid = folder.write("grid.txt", make.grid());
    const fs::path clues = folder.write("clues.txt", make.definitions());
    const std::vector<std::string> roomy = HandedOn(grid, clues, kKeptClueBytes);
    EXPECT_EQ(HandedOn(grid, clues, 0), roomy) << "round " << round;
    compared += static_cast<int>(roomy.size());
  }
  EXPECT_GT(compared, 200);

  // The clues in the opposite order of the grids: all but one wait.
  std::string grid, clues;
  for (int n = 1; n <= 60; ++n) grid += Joined({"№ " + std::to_string(n), std::string(n % 7 + 1, '\t'), ""});
  for (int n = 60; n >= 1; --n) {
    if (n % 3 == 0) {  // two headers over one block
      clues += Joined({"№ " + std::to_string(n), "№ " + std::to_string(--n), "* на двоих", ""});
      continue;
    }
    clues += Joined({"Кроссворд № " + std::to_string(n), "* " + std::to_string(n), "и ещё " + std::to_string(n)});
  }
  const fs::path gridFile = folder.write("grid.txt", grid);
  const fs::path cluesFile = folder.write("clues.txt", clues);
  const std::vector<std::string> roomy = HandedOn(gridFile, cluesFile, kKeptClueBytes);
  ASSERT_EQ(roomy.size(), 60u);
  for (std::size_t limit : {std::size_t{0}, std::size_t{1000}}) {
    EXPECT_EQ(HandedOn(gridFile, cluesFile, limit), roomy) << "limit " << limit;
  }
}

// 200 puzzles, one of them missing from one file: each of the others is
// handed on while the pass is still near it, not after reading on to the end.
struct Delivery {
  int number;
  double read;  // of both files, when the puzzle was handed on
};

std::vector<Delivery> Deliveries(const TempFolder& folder, int missingGrid, int missingClues) {
  std::string grid, clues;
  for (int n = 1; n <= 200; ++n) {
    if (n != missingGrid) grid += Joined({"№ " + std::to_string(n), "\tА\tБ", "Г\t\t", ""});
    if (n != missingClues) clues += Joined({"№ " + std::to_string(n), "* первое", "* второе", "* третье", ""});
  }
  std::vector<Delivery> deliveries;
  double read = 0;
  EveryPuzzleHandlers handlers;
  handlers.puzzle = [&](int number, const PuzzleReads&) { deliveries.push_back({number, read}); };
  handlers.progress = [&](double done) {
    EXPECT_GE(done, read);
    read = done;
  };
  ReadEveryPuzzle(folder.write("grid.txt", grid), folder.write("clues.txt", clues), handlers);
  EXPECT_DOUBLE_EQ(read, 1.0);
  return deliveries;
}

void ExpectKeptPace(const std::vector<Delivery>& deliveries, int late) {
  for (const Delivery& delivery : deliveries) {
    if (delivery.number == late) continue;
    EXPECT_LE(delivery.read, delivery.number / 200.0 + 0.03) << "puzzle " << delivery.number;
  }
}

TEST(BatchEveryPuzzle, APuzzleMissingFromTheDefinitionsDoesNotHoldUpTheRest) {
  TempFolder folder;
  const std::vector<Delivery> deliveries = Deliveries(folder, 0, 5);
  ASSERT_EQ(deliveries.size(), 200u);
  // Known not found only at the end of the definitions file.
  const auto position = [&](int number) { return std::ranges::find(deliveries, number, &Delivery::number); };
  EXPECT_GT(position(5), position(199));
  ExpectKeptPace(deliveries, 5);
}

TEST(BatchEveryPuzzle, APuzzleMissingFromTheGridFileIsNotWaitedFor) {
  TempFolder folder;
  const std::vector<Delivery> deliveries = Deliveries(folder, 5, 0);
  ASSERT_EQ(deliveries.size(), 199u);
  EXPECT_TRUE(std::ranges::none_of(deliveries, [](const Delivery& d) { return d.number == 5; }));
  EXPECT_TRUE(std::ranges::is_sorted(deliveries, {}, &Delivery::number));
  ExpectKeptPace(deliveries, 0);
}

}  // namespace
}  // namespace verstak::batch
