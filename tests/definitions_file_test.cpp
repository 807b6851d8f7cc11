#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/cp1251.h"
#include "files/definitions_file.h"
#include "temp_folder.h"

namespace verstak {
namespace {

const UserMessage kHeaderError = UserMessage::Error(" В файле определений после номера кроссворда лишние символы! ");
const UserMessage kNotFound = UserMessage::Error("Такого кроссворда нет!");
const UserMessage kTooLong = UserMessage::Error(" Определение длиннее 16 строк! ");
const UserMessage kTooMany = UserMessage::Error(" Определений больше 10000! ");

std::string File(const std::vector<std::string>& lines, const std::string& lineBreak = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + lineBreak;
  return Utf8ToCp1251(text);
}

// Each clue as its lines in UTF-8, up to its last non-empty line.
std::vector<std::vector<std::string>> Clues(const DefinitionsFileResult& result) {
  std::vector<std::vector<std::string>> clues;
  for (int clue = 1; clue <= result.clues.size(); ++clue) {
    std::vector<std::string> lines;
    for (int n = 1; n <= kDefinitionLines; ++n) lines.push_back(Cp1251ToUtf8(result.clues.line(clue, n)));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    clues.push_back(lines);
  }
  return clues;
}

using ClueList = std::vector<std::vector<std::string>>;

class DefinitionsFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  DefinitionsFileResult read(const std::string& bytes, int number) {
    return ReadDefinitionsFile(folder.write("definitions.txt", bytes), number);
  }
};

TEST_F(DefinitionsFileTest, WorkedExample) {
  const std::string file = File({"№ 3", "", "* Столица", "Франции", "* Река", "№4", "* Нил", "№5"});
  const DefinitionsFileResult three = read(file, 3);
  ASSERT_TRUE(three.found());
  EXPECT_EQ(Clues(three), (ClueList{{"Столица", "Франции"}, {"Река"}}));
  const DefinitionsFileResult four = read(file, 4);
  ASSERT_TRUE(four.found());
  EXPECT_EQ(Clues(four), (ClueList{{"Нил"}}));
  EXPECT_EQ(read(file, 5).failure, kNotFound);  // its header stands last, with no clue after it
}

TEST_F(DefinitionsFileTest, ClueLineRules) {
  const std::string forty(40, 'x');
  const DefinitionsFileResult result =
      read(File({"№ 1", "*Нил", "Река * в Африке", "* " + forty, forty, "", "*", "* ", "*x"}), 1);
  ASSERT_TRUE(result.found());
  EXPECT_EQ(Clues(result), (ClueList{{"ил"},                                       // without the blank, a letter is lost
                                     {"ка * в Африке"},                            // an asterisk anywhere starts a clue
                                     {std::string(32, 'x'), std::string(32, 'x')},  // lines keep 32 characters
                                     {},
                                     {},
                                     {}}));
}

TEST_F(DefinitionsFileTest, TheLastLineOfTheFileIsStored) {
  EXPECT_EQ(Clues(read(Utf8ToCp1251("№ 1\r\n* Река\r\nв Африке"), 1)), (ClueList{{"Река", "в Африке"}}));
  EXPECT_EQ(Clues(read(Utf8ToCp1251("№ 1\r\n* Нил"), 1)), (ClueList{{"Нил"}}));
  EXPECT_EQ(Clues(read(Utf8ToCp1251("* Нил\n"), 1)), (ClueList{{"Нил"}}));
}

TEST_F(DefinitionsFileTest, HeadersAndFinding) {
  EXPECT_EQ(read(File({"№ 2 x", "* Нил"}), 2).failure, kHeaderError);
  EXPECT_EQ(read(File({"№ 1", "* Нил", "№ 2", "* Нил", "№ два", "№ 3", "* Нил"}), 3).failure, kHeaderError);
  EXPECT_EQ(read(File({"№ 2", "", "текст"}), 2).failure, kNotFound);  // matching header, no clue line after it
  // A matching header followed by a line that holds both marks: found, no clues.
  const DefinitionsFileResult empty = read(File({"№ 2", "", "* № 7", "* Нил"}), 2);
  ASSERT_TRUE(empty.found());
  EXPECT_TRUE(empty.clues.empty());
  // A matching header without clues takes the clues under a later header; malformed headers between are passed over.
  EXPECT_EQ(Clues(read(File({"№ 2", "№ x", "№ 3", "* Нил"}), 2)), (ClueList{{"Нил"}}));
  // Puzzle 1: the first clue line met while it is looked for, whatever header stands above it.
  EXPECT_EQ(Clues(read(File({"№ 4", "* Нил", "№ 1", "* Река"}), 1)), (ClueList{{"Нил"}}));
}

TEST_F(DefinitionsFileTest, EveryKindOfLineBreak) {
  for (const char* lineBreak : {"\r\n", "\n", "\r"}) {
    EXPECT_EQ(Clues(read(File({"№ 1", "* Столица", "", "Франции", "№ 2"}, lineBreak), 1)),
              (ClueList{{"Столица", "", "Франции"}}))
        << lineBreak;
  }
}

std::vector<std::string> ClueOfLines(int count, const std::string& first = "* a") {
  std::vector<std::string> lines = {first};
  for (int n = 2; n <= count; ++n) lines.push_back(std::string("l").append(std::to_string(n)));
  return lines;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(DefinitionsFileTest, SixteenLinesAClue) {
  const DefinitionsFileResult sixteen = read(File(Join(Join({"№ 1"}, ClueOfLines(16)), {"", "", "№ 2"})), 1);
  ASSERT_TRUE(sixteen.found());
  ASSERT_EQ(sixteen.clues.size(), 1);
  EXPECT_EQ(sixteen.clues.line(1, 16), "l16");

  EXPECT_EQ(read(File(Join({"№ 1"}, ClueOfLines(17))), 1).failure, kTooLong);
  EXPECT_EQ(read(File(Join(Join({"№ 1"}, ClueOfLines(16)), {"", "text"})), 1).failure, kTooLong);
  EXPECT_TRUE(read(File(Join(Join({"№ 1"}, ClueOfLines(16)), {"", "* next"})), 1).found());
}

TEST_F(DefinitionsFileTest, TenThousandCluesAPuzzle) {
  std::string file = "\xB9 1\r\n";
  for (int n = 0; n < 10000; ++n) file += "* c\r\n";
  const DefinitionsFileResult full = read(file, 1);
  ASSERT_TRUE(full.found());
  EXPECT_EQ(full.clues.size(), 10000);
  EXPECT_EQ(read(file + "* c\r\n", 1).failure, kTooMany);
}

TEST_F(DefinitionsFileTest, FoundCluesReplaceTheTableAndAFailedReadChangesNothing) {
  ScanwordDocument document;
  document.gridWidth = 2;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::Clue;
  document.definitions.slot(1).line(3).assign("old");
  document.definitions.slot(10000).line(16).assign("old");
  const ScanwordDocument before = document;

  for (const std::string& file : {File({"№ x", "* a"}), File({"№ 2", "", "текст"}), File(Join({"№ 1"}, ClueOfLines(17)))}) {
    const DefinitionsFileResult failed = read(file, 1);
    ASSERT_FALSE(failed.found());
    failed.applyTo(document);
    EXPECT_EQ(document, before);
  }

  read(File({"№ 1", "* Нил", "* Река", "Африки"}), 1).applyTo(document);
  EXPECT_EQ(document.definitions.slot(1).line(1).text(), Utf8ToCp1251("Нил"));
  EXPECT_TRUE(document.definitions.slot(1).line(3).empty());
  EXPECT_EQ(document.definitions.slot(2).line(2).text(), Utf8ToCp1251("Африки"));
  EXPECT_EQ(document.definitions.lastSlotWithText(), 2);
  EXPECT_EQ(document.cells, before.cells);
}

TEST_F(DefinitionsFileTest, AMissingFileIsReported) {
  EXPECT_EQ(ReadDefinitionsFile(folder / "missing.txt", 1).failure, UserMessage::Error("Такого файла определений нет!"));
}

}  // namespace
}  // namespace verstak
