// One pass for many puzzle numbers must give every number exactly what a read
// of that number alone gives. Checked against the plain transcription of the
// by-number read over generated files full of the awkward cases: headers
// without rows, duplicates, malformed headers, headers holding a tab or an
// asterisk, puzzle 1 without a header, oversized grids and clues, every kind
// of line break, a Ctrl-Z.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "puzzle_text_reference.h"
#include "temp_folder.h"

namespace verstak {
namespace {

const std::string kSign(1, kNumberSign);

bool Same(const GridFileResult& a, const GridFileResult& b) {
  return a.failure == b.failure && (!a.found() || a.grid == b.grid);
}
bool Same(const DefinitionsFileResult& a, const DefinitionsFileResult& b) {
  return a.failure == b.failure && (!a.found() || a.clues == b.clues);
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }

  std::string header() {
    const std::string n = std::to_string(chance(5) ? pick(0, 20000) : pick(1, 6));
    switch (pick(0, 9)) {
      case 0: return kSign + " " + n + "x";   // malformed
      case 1: return chance(50) ? kSign : kSign + " \t" + n;  // malformed
      case 2: return "\t" + kSign + " " + n;  // well-formed, and a row line for a grid being read
      case 3: return "* " + kSign + n;        // well-formed, and a clue line
      case 4: return "Puzzle" + kSign + "+" + n + "  ";
      default: return kSign + " " + n;
    }
  }

  std::string row() {
    std::string line;
    const int cells = chance(3) ? pick(99, 101) : pick(1, 6);
    for (int i = 0; i < cells; ++i) line += chance(40) ? "\t" : std::string("A\t");
    if (line.find('\t') == std::string::npos || chance(30)) line += "\t";
    return line;
  }

  std::string clue() {
    switch (pick(0, 5)) {
      case 0: return "*x";
      case 1: return "text * more";
      default: return "* clue " + std::to_string(pick(1, 99));
    }
  }

  std::string gridLine() {
    const int kind = pick(0, 99);
    if (kind < 15) return header();
    if (kind < 70) return row();
    if (kind < 85) return "";
    return "text";
  }

  std::string definitionsLine() {
    const int kind = pick(0, 99);
    if (kind < 15) return header();
    if (kind < 45) return clue();
    if (kind < 60) return "";
    return "line " + std::to_string(pick(1, 9));
  }

  template <class Line>
  std::string file(Line&& line) {
    static const char* const kBreaks[] = {"\r\n", "\n", "\r"};
    std::string text;
    const int count = pick(0, 40);
    for (int i = 0; i < count; ++i) {
      if (chance(2)) {  // lines past a limit: 100 rows, or a clue of 101 lines
        for (int k = 0; k <= 100; ++k) text += (k == 0 ? clue() : row()) + "\r\n";
      }
      text += line() + kBreaks[pick(0, 2)];
    }
    if (chance(30) && !text.empty()) text.pop_back();
    if (chance(5)) text.insert(static_cast<std::size_t>(pick(0, static_cast<int>(text.size()))), "\x1A");
    return text;
  }

  PuzzleNumberSet subset() {
    PuzzleNumberSet wanted;
    for (int n = 1; n <= 7; ++n) {
      if (chance(50)) wanted.insert(n);
    }
    return wanted;
  }

 private:
  std::mt19937 random_;
};

const int kChecked[] = {1, 2, 3, 4, 5, 6, 7, 9999, 10000};

template <class Reading>
std::map<int, typename Reading::Result> Pass(const std::filesystem::path& path, const PuzzleNumberSet& wanted,
                                             std::size_t blockBytes, std::vector<int>* headers = nullptr) {
  std::map<int, typename Reading::Result> results;
  PuzzleLineReader reader(path, Reading::kTracked, blockBytes);
  PuzzleScanner<Reading> scanner(
      wanted,
      [&](int number, typename Reading::Result result) {
        EXPECT_TRUE(results.emplace(number, std::move(result)).second) << "second result for " << number;
      },
      headers ? [headers](int number) { headers->push_back(number); } : typename PuzzleScanner<Reading>::HeaderHandler{});
  while (ScanNextLine(reader, scanner)) {
  }
  return results;
}

TEST(PuzzleScan, GridPassForManyNumbersAgreesWithReadingEachNumber) {
  TempFolder folder;
  Generator generate(7);
  for (int round = 0; round < 400; ++round) {
    const std::string text = generate.file([&] { return generate.gridLine(); });
    const std::vector<std::string> lines = reference::Lines(text);
    const auto path = folder.write("grid.txt", text);
    const std::string where = "round " + std::to_string(round) + ": " + testing::PrintToString(text);

    std::vector<int> headers;
    const auto all = Pass<GridRowsReading>(path, PuzzleNumberSet::All(), PuzzleLineReader::kDefaultBlockBytes, &headers);
    ASSERT_EQ(all.size(), static_cast<std::size_t>(kMaxPuzzleNumber)) << where;
    EXPECT_EQ(headers, reference::HeaderNumbers(lines)) << where;
    for (int n : kChecked) {
      const GridFileResult want = reference::ReadGrid(lines, n);
      EXPECT_TRUE(Same(all.at(n), want)) << where << " number " << n;
      EXPECT_TRUE(Same(ReadGridFile(path, n), want)) << where << " number " << n;
    }

    const PuzzleNumberSet some = generate.subset();
    const auto part = Pass<GridRowsReading>(path, some, static_cast<std::size_t>(generate.pick(1, 40)));
    EXPECT_EQ(part.size(), static_cast<std::size_t>(some.size()));
    some.forEach([&](int n) { EXPECT_TRUE(Same(part.at(n), reference::ReadGrid(lines, n))) << where << " number " << n; });
  }
}

TEST(PuzzleScan, DefinitionsPassForManyNumbersAgreesWithReadingEachNumber) {
  TempFolder folder;
  Generator generate(11);
  for (int round = 0; round < 400; ++round) {
    const std::string text = generate.file([&] { return generate.definitionsLine(); });
    const std::vector<std::string> lines = reference::Lines(text);
    const auto path = folder.write("definitions.txt", text);
    const std::string where = "round " + std::to_string(round) + ": " + testing::PrintToString(text);

    std::vector<int> headers;
    const auto all =
        Pass<ClueTextsReading>(path, PuzzleNumberSet::All(), PuzzleLineReader::kDefaultBlockBytes, &headers);
    ASSERT_EQ(all.size(), static_cast<std::size_t>(kMaxPuzzleNumber)) << where;
    EXPECT_EQ(headers, reference::HeaderNumbers(lines)) << where;
    for (int n : kChecked) {
      const DefinitionsFileResult want = reference::ReadDefinitions(lines, n);
      EXPECT_TRUE(Same(all.at(n), want)) << where << " number " << n;
      EXPECT_TRUE(Same(ReadDefinitionsFile(path, n), want)) << where << " number " << n;
    }

    const PuzzleNumberSet some = generate.subset();
    const auto part = Pass<ClueTextsReading>(path, some, static_cast<std::size_t>(generate.pick(1, 40)));
    EXPECT_EQ(part.size(), static_cast<std::size_t>(some.size()));
    some.forEach(
        [&](int n) { EXPECT_TRUE(Same(part.at(n), reference::ReadDefinitions(lines, n))) << where << " number " << n; });
  }
}

// A found puzzle is handed over when its last line has been read, not at the
// end of the pass, so a pass over thousands of puzzles holds only one.
TEST(PuzzleScan, AFoundPuzzleArrivesAsSoonAsItsLastLineIsRead) {
  TempFolder folder;
  const auto path = folder.write("grid.txt", kSign + " 1\r\n\tA\r\n\r\n" + kSign + " 2\r\n\t\r\n" + kSign + " 3\r\n\t\r\n");
  std::vector<int> arrived;
  std::vector<int> headers;
  PuzzleLineReader reader(path, GridRowsReading::kTracked);
  GridFileScanner scanner(
      {1, 2, 3}, [&](int number, const GridFileResult& result) {
        EXPECT_TRUE(result.found());
        arrived.push_back(number);
      },
      [&](int number) { headers.push_back(number); });
  while (headers.size() < 3) ASSERT_TRUE(ScanNextLine(reader, scanner));
  EXPECT_EQ(arrived, (std::vector<int>{1, 2}));
  while (ScanNextLine(reader, scanner)) {
  }
  EXPECT_EQ(arrived, (std::vector<int>{1, 2, 3}));
}

TEST(PuzzleScan, EveryNumberOfAMissingFileFailsWithTheMissingFileMessage) {
  TempFolder folder;
  std::map<int, GridFileResult> results;
  ScanGridFile(folder / "missing.txt", {2, 5}, [&](int n, GridFileResult r) { results.emplace(n, std::move(r)); });
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results.at(5).failure, UserMessage::Error("Такого файла сетки нет!"));
}

}  // namespace
}  // namespace verstak
