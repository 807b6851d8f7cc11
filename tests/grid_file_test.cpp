#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/cp1251.h"
#include "files/grid_file.h"
#include "temp_folder.h"

namespace verstak {
namespace {

const UserMessage kHeaderError = UserMessage::Error(" В файле сеток после номера кроссворда лишние символы! ");
const UserMessage kNotFound = UserMessage::Error("Такой сетки нет!");
const UserMessage kTooBig = UserMessage::Error(" Сетка больше 99 на 99 клеток! ");

// Lines in UTF-8 joined with CR LF and converted to cp1251.
std::string File(const std::vector<std::string>& lines, const std::string& lineBreak = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + lineBreak;
  return Utf8ToCp1251(text);
}

// The clue cells of a grid as rows of '#' (clue) and '.' (letter).
std::vector<std::string> Picture(const PuzzleGrid& grid) {
  std::vector<std::string> rows;
  for (int y = 1; y <= grid.height; ++y) {
    std::string row;
    for (int x = 1; x <= grid.width; ++x) row += grid.isClue(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

class GridFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  GridFileResult read(const std::string& bytes, int number) { return ReadGridFile(folder.write("grid.txt", bytes), number); }
};

const std::vector<std::string> kWorkedExample = {"Кроссворд№7", "К\tО\tТ", "\tО\t\t", "", "№8", "\t\tА", "Б\t\t", ""};

TEST_F(GridFileTest, WorkedExample) {
  const std::string file = File(kWorkedExample);
  const GridFileResult seven = read(file, 7);
  ASSERT_TRUE(seven.found());
  EXPECT_EQ(seven.grid.width, 3);
  EXPECT_EQ(seven.grid.height, 2);
  EXPECT_EQ(Picture(seven.grid), (std::vector<std::string>{"...", "#.#"}));

  const GridFileResult eight = read(file, 8);
  ASSERT_TRUE(eight.found());
  EXPECT_EQ(Picture(eight.grid), (std::vector<std::string>{"##.", ".#."}));
  EXPECT_EQ(eight.grid.width, 3);

  const GridFileResult one = read(file, 1);  // the first row line met while puzzle 1 is wanted
  ASSERT_TRUE(one.found());
  EXPECT_EQ(one.grid, seven.grid);

  EXPECT_EQ(read(file, 9).failure, kNotFound);
}

// The letters of a grid's rows in UTF-8: '-' for a cell without one.
std::vector<std::string> Letters(const PuzzleGrid& grid) {
  std::vector<std::string> rows;
  for (int y = 1; y <= grid.height; ++y) {
    std::string row;
    for (int x = 1; x <= grid.width; ++x) {
      const std::uint8_t letter = grid.letter(x, y);
      row += letter == kNoLetter ? std::string("-") : Cp1251ToUtf8(std::string(1, static_cast<char>(letter)));
    }
    rows.push_back(row);
  }
  return rows;
}

struct RowCase {
  const char* row;
  const char* picture;
  const char* letters;

  // One ASCII line, so that test names stay readable: T for a tab, L for a letter.
  friend void PrintTo(const RowCase& c, std::ostream* out) {
    for (const std::string& row = Utf8ToCp1251(c.row); char ch : row) *out << (ch == '\t' ? 'T' : 'L');
  }
};

class GridRowTest : public GridFileTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(GridRowTest, FieldsAreOneCharacterWithTabsForClueCells) {
  const GridFileResult result = read(File({"№ 1", GetParam().row}), 1);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(Picture(result.grid), std::vector<std::string>{GetParam().picture}) << GetParam().row;
  EXPECT_EQ(Letters(result.grid), std::vector<std::string>{GetParam().letters}) << GetParam().row;
}

INSTANTIATE_TEST_SUITE_P(Fields, GridRowTest,
                         ::testing::Values(RowCase{"К\tО\tТ", "...", "КОТ"}, RowCase{"\tО\t\t", "#.#", "-О-"},
                                           RowCase{"А\tБ\t", "..", "АБ"},     // a trailing tab adds no cell
                                           RowCase{"А\tБ\t\t", "..#", "АБ-"},  // each tab of a run is a clue cell
                                           RowCase{"А\t\t\t", ".##", "А--"}, RowCase{"\t", "#", "-"},
                                           RowCase{"\t\t\t", "###", "---"},
                                           // a second character is taken as the separator
                                           RowCase{"АБВ\tГ", "...", "АВГ"},
                                           // whatever the compiler put in a letter cell is kept
                                           RowCase{" \t ", "..", "  "}, RowCase{"1\t-\t?", "...", "1-?"}));

TEST_F(GridFileTest, WidthIsTheLongestRowAndShortRowsEndInLetterCells) {
  const GridFileResult result = read(File({"№ 2", "А\tБ", "\t\t\t\t", "\t"}), 2);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(result.grid.width, 4);
  EXPECT_EQ(Picture(result.grid), (std::vector<std::string>{"....", "####", "#..."}));
  EXPECT_EQ(Letters(result.grid), (std::vector<std::string>{"АБ--", "----", "----"}));
}

TEST_F(GridFileTest, HeaderRules) {
  EXPECT_TRUE(read(File({"№ 12  ", "\tА"}), 12).found());
  EXPECT_EQ(read(File({"№ 12a", "\tА"}), 12).failure, kHeaderError);
  EXPECT_EQ(read(File({"№ 12\t", "\tА"}), 12).failure, kHeaderError);
  // A malformed header anywhere before the wanted puzzle stops the read.
  EXPECT_EQ(read(File({"№ 3", "\tА", "", "№ x", "", "№ 4", "\tА"}), 4).failure, kHeaderError);
  // One after the wanted grid is never reached.
  EXPECT_TRUE(read(File({"№ 3", "\tА", "", "№ x", "", "№ 4", "\tА"}), 3).found());
  // Between a matching header and its first row, every line is passed over, malformed headers too.
  const GridFileResult skipped = read(File({"№ 5", "текст", "№ x", "", "А\t\t"}), 5);
  ASSERT_TRUE(skipped.found());
  EXPECT_EQ(Picture(skipped.grid), std::vector<std::string>{".#"});
}

TEST_F(GridFileTest, AMatchingHeaderWithoutRowsTakesTheRowsUnderALaterHeader) {
  const GridFileResult result = read(File({"№ 5", "", "просто текст", "№ 6", "\t\tА"}), 5);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(Picture(result.grid), std::vector<std::string>{"##."});
  EXPECT_EQ(read(File({"№ 4", "\tА", "№ 5", "", "текст"}), 5).failure, kNotFound);
}

TEST_F(GridFileTest, TheFirstOfTwoEqualHeadersWins) {
  const GridFileResult result = read(File({"№ 2", "\tА", "", "№ 2", "А\tБ"}), 2);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(Picture(result.grid), std::vector<std::string>{"#."});
}

TEST_F(GridFileTest, AFileWithoutHeadersServesAsPuzzleOne) {
  EXPECT_EQ(Picture(read(File({"", "\tА", "А\t\t"}), 1).grid), (std::vector<std::string>{"#.", ".#"}));
  EXPECT_EQ(read(File({"\tА"}), 2).failure, kNotFound);
}

TEST_F(GridFileTest, EveryKindOfLineBreakAndTheLastLineWithoutOne) {
  const std::vector<std::string> lines = {"№ 1", "\tА\t", "А\t\t"};
  const std::vector<std::string> want = {"#.", ".#"};
  for (const char* lineBreak : {"\r\n", "\n", "\r"}) {
    std::string file = File(lines, lineBreak);
    EXPECT_EQ(Picture(read(file, 1).grid), want) << lineBreak;
    file.resize(file.size() - std::string(lineBreak).size());
    EXPECT_EQ(Picture(read(file, 1).grid), want) << lineBreak;
  }
}

TEST_F(GridFileTest, CtrlZEndsTheText) {
  const std::string file = File({"№ 1", "\tА"}) + "\x1A" + File({"А\t\t", "№ 2", "\t"});
  EXPECT_EQ(Picture(read(file, 1).grid), std::vector<std::string>{"#."});
  EXPECT_EQ(read(file, 2).failure, kNotFound);
}

std::string Row(int cells) {
  std::string row;
  for (int i = 0; i < cells; ++i) row += "\t";
  return row;
}

TEST_F(GridFileTest, NinetyNineByNinetyNineIsReadAndAnythingLargerRefused) {
  std::vector<std::string> lines = {"№ 1"};
  for (int y = 0; y < 99; ++y) lines.push_back(Row(99));
  const GridFileResult full = read(File(lines), 1);
  ASSERT_TRUE(full.found());
  EXPECT_EQ(full.grid.width, 99);
  EXPECT_EQ(full.grid.height, 99);
  EXPECT_TRUE(full.grid.isClue(99, 99));

  lines.push_back("\tА");
  EXPECT_EQ(read(File(lines), 1).failure, kTooBig);
  EXPECT_EQ(read(File({"№ 1", Row(100)}), 1).failure, kTooBig);
  EXPECT_EQ(read(File({"№ 1", Row(98) + "А\tБ"}), 1).failure, kTooBig);
  EXPECT_EQ(read(File({"№ 1", Row(5000)}), 1).failure, kTooBig);
  // A grid too large under another number does not disturb the wanted one.
  EXPECT_TRUE(read(File({"№ 1", Row(100), "", "№ 2", "\t"}), 2).found());
}

TEST_F(GridFileTest, AMissingFileIsReported) {
  EXPECT_EQ(ReadGridFile(folder / "missing.txt", 1).failure, UserMessage::Error("Такого файла сетки нет!"));
}

TEST_F(GridFileTest, AFoundGridReplacesTheCellsAndAFailedReadChangesNothing) {
  ScanwordDocument document;
  document.gridWidth = 5;
  document.gridHeight = 6;
  document.cells.at(1, 1) = {CellKind::ArrowFromTopDown, 17};
  document.cells.at(50, 50).kind = CellKind::Picture;
  document.definitions.slot(1).line(1).assign("keep");
  const ScanwordDocument before = document;

  for (const std::string& file : {File({"№ x", "\t"}), File({"№ 2", "", "текст"}), File({"№ 1", Row(100)})}) {
    const GridFileResult failed = read(file, 1);
    ASSERT_FALSE(failed.found());
    failed.applyTo(document);
    EXPECT_EQ(document, before);
  }

  document.letters.set(50, 50, 'X');
  const ScanwordDocument withLetter = document;
  for (const std::string& file : {File({"№ x", "\t"}), File({"№ 1", Row(100)})}) {
    read(file, 1).applyTo(document);
    EXPECT_EQ(document, withLetter);
  }

  read(File({"№ 1", "А\t\t", "\tБ"}), 1).applyTo(document);
  EXPECT_EQ(document.gridWidth, 2);
  EXPECT_EQ(document.gridHeight, 2);
  EXPECT_EQ(document.cells.at(1, 1), GridCell{});
  EXPECT_EQ(document.cells.at(2, 1).kind, CellKind::Clue);
  EXPECT_EQ(document.cells.at(1, 2).kind, CellKind::Clue);
  EXPECT_EQ(document.cells.at(50, 50), GridCell{});
  EXPECT_EQ(document.letters.at(1, 1), 0xC0);  // А
  EXPECT_EQ(document.letters.at(2, 2), 0xC1);  // Б
  EXPECT_EQ(document.letters.at(2, 1), kNoLetter);
  EXPECT_EQ(document.letters.at(50, 50), kNoLetter);
  EXPECT_EQ(document.definitions, before.definitions);
}

}  // namespace
}  // namespace verstak
