#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "document/cp1251.h"
#include "files/open_files.h"
#include "files/scanword_file.h"
#include "temp_folder.h"

namespace verstak {
namespace {

std::string File(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return Utf8ToCp1251(text);
}

// Puzzle 3: a 3 x 2 grid with clue cells (1,1) and (3,2); puzzle 4: 2 x 1.
const std::vector<std::string> kGridLines = {"№ 3", "\tО\tТ", "К\tО\t\t", "", "№ 4", "А\tБ", ""};
const std::vector<std::string> kDefinitionLines = {"№ 3", "* Столица", "Франции", "* Река", "№ 4", "* Нил", "№ 5"};

std::vector<std::string> Texts(const std::vector<UserMessage>& messages) {
  std::vector<std::string> texts;
  for (const UserMessage& message : messages) texts.push_back(message.text);
  return texts;
}

class OpenFilesTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::filesystem::path grid = folder.write("setki.txt", File(kGridLines));
  std::filesystem::path definitions = folder.write("opredeleniya.txt", File(kDefinitionLines));
  std::filesystem::path missing = folder / "missing.txt";
  ScanwordDocument document;

  // A document unlike anything in the files, to see which parts an open replaced.
  void FillDocument() {
    document.gridWidth = 5;
    document.gridHeight = 6;
    document.cells.at(5, 6) = {CellKind::Picture, 0};
    document.definitions.slot(7).line(2).assign("old");
  }
  std::filesystem::path SavedCopy() {
    ScanwordDocument saved;
    saved.gridWidth = saved.gridHeight = 2;
    saved.cells.at(2, 2) = {CellKind::ClueSplitHorizontal, 0};
    saved.definitions.slot(2).line(1).assign("saved");
    const std::filesystem::path path = folder / "saved.skw";
    EXPECT_FALSE(WriteScanwordFile(path, saved));
    return path;
  }
};

TEST_F(OpenFilesTest, TheChoiceFollowsTheNamedFilesThatExist) {
  const std::filesystem::path scanword = SavedCopy();
  struct Case {
    std::filesystem::path grid, definitions, scanword;
    OpenChoice choice;
  };
  const Case cases[] = {
      {{}, {}, {}, OpenChoice::None},
      {grid, {}, {}, OpenChoice::GridOnly},
      {{}, definitions, {}, OpenChoice::DefinitionsOnly},
      {grid, definitions, {}, OpenChoice::GridAndDefinitions},
      {grid, definitions, scanword, OpenChoice::ScanwordFile},
      {missing, definitions, {}, OpenChoice::DefinitionsOnly},
      {grid, missing, missing, OpenChoice::GridOnly},
      {missing, missing, missing, OpenChoice::None},
      {folder / "", {}, {}, OpenChoice::None},  // a folder is no file
  };
  for (const Case& c : cases) {
    ScanwordDocument scratch;
    EXPECT_EQ(OpenFiles(scratch, {c.grid, c.definitions, c.scanword}, 3).choice, c.choice)
        << c.grid << " " << c.definitions << " " << c.scanword;
  }
}

// When every named file is missing, the messages name what is missing; "none
// chosen" is only for fields all left empty.
TEST_F(OpenFilesTest, MissingFilesAreReportedInFieldOrderBeforeAnythingIsRead) {
  const OpenOutcome outcome = OpenFiles(document, {missing, missing, missing}, 3);
  EXPECT_EQ(Texts(outcome.messages), (std::vector<std::string>{"Такого файла сетки нет!", "Такого файла определений нет!",
                                                               "Такого файла сканворда нет!"}));
  EXPECT_EQ(Texts(OpenFiles(document, {missing, {}, {}}, 3).messages),
            std::vector<std::string>{"Такого файла сетки нет!"});
  EXPECT_EQ(Texts(OpenFiles(document, {}, 3).messages), std::vector<std::string>{"Ни один файл не выбран!"});
}

// A read that fails leaves its own part as it was; the part found is applied
// and counts as a file read.
TEST_F(OpenFilesTest, AFailedReadKeepsItsPart) {
  FillDocument();
  const std::filesystem::path badHeader = folder.write("bad.txt", File({"№ 3a", "\tА", ""}));
  const OpenOutcome outcome = OpenFiles(document, {badHeader, definitions, {}}, 3);
  EXPECT_EQ(Texts(outcome.messages),
            std::vector<std::string>{" В файле сеток после номера кроссворда лишние символы! "});
  EXPECT_TRUE(outcome.fileDone);
  EXPECT_FALSE(outcome.wholeDocumentReplaced);
  EXPECT_EQ(document.gridWidth, 5);
  EXPECT_EQ(document.cells.at(5, 6).kind, CellKind::Picture);
  EXPECT_EQ(document.definitions.slot(1).line(1).text(), Utf8ToCp1251("Столица"));

  // Puzzle 9 is in neither file.
  FillDocument();
  const ScanwordDocument before = document;
  const OpenOutcome neither = OpenFiles(document, {grid, definitions, {}}, 9);
  EXPECT_EQ(Texts(neither.messages), (std::vector<std::string>{"Такой сетки нет!", "Такого кроссворда нет!"}));
  EXPECT_FALSE(neither.fileDone);
  EXPECT_EQ(document, before);
  // Each box says which number was looked for; the batch's words stay bare.
  for (const UserMessage& message : neither.messages) EXPECT_EQ(message.details, "Номер кроссворда: 9");
  const OpenOutcome batch = OpenFiles(document, {grid, definitions, {}}, 9, OpenMode::WholeOrNothing);
  for (const UserMessage& message : batch.messages) EXPECT_EQ(message.details, "");
}

TEST_F(OpenFilesTest, AScanwordFileWinsAndCountsAsARead) {
  FillDocument();
  const OpenOutcome outcome = OpenFiles(document, {grid, definitions, SavedCopy()}, 3);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_TRUE(outcome.fileDone);
  EXPECT_TRUE(outcome.wholeDocumentReplaced);
  EXPECT_EQ(document.gridWidth, 2);
  EXPECT_EQ(document.cells.at(2, 2).kind, CellKind::ClueSplitHorizontal);
  EXPECT_EQ(document.cells.at(1, 1).kind, CellKind::Letter);
  EXPECT_EQ(document.definitions.slot(2).line(1).text(), "saved");
  EXPECT_TRUE(document.definitions.slot(7).line(2).empty());

  FillDocument();
  const ScanwordDocument before = document;
  const std::filesystem::path foreign = folder.write("foreign.skw", "not a scanword file at all");
  const OpenOutcome refused = OpenFiles(document, {{}, {}, foreign}, 3);
  EXPECT_EQ(Texts(refused.messages), std::vector<std::string>{" Это не файл сканворда! "});
  EXPECT_FALSE(refused.fileDone);
  EXPECT_EQ(document, before);
}

// A name that is there but no file to read says what it is, with the name,
// rather than that there is no such file.
TEST_F(OpenFilesTest, WhatIsNoFileIsSaidAsWhatItIs) {
  std::filesystem::create_directories(folder / "folder");
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  struct Case {
    std::filesystem::path name;
    std::string what;
  };
  const Case cases[] = {
      {folder / "folder", "это папка"},
      {folder / "fifo", "это канал (FIFO)"},
      {"/dev/zero", "это устройство"},
      {folder / (std::string(300, 'a') + ".txt"), "слишком длинное имя"},
  };
  for (const Case& c : cases) {
    const OpenOutcome outcome = OpenFiles(document, {c.name, definitions, {}}, 3, OpenMode::PartByPart);
    ASSERT_FALSE(outcome.messages.empty()) << c.name;
    EXPECT_EQ(outcome.messages.front().text, " Не удалось прочитать файл! \n" + c.name.string() + ": " + c.what);
  }
  const OpenOutcome missingGrid = OpenFiles(document, {missing, definitions, {}}, 3, OpenMode::PartByPart);
  EXPECT_EQ(Texts(missingGrid.messages), std::vector<std::string>{"Такого файла сетки нет!"});
}

TEST(PuzzleNumberFromText, BlanksDigitsAndTheRange) {
  struct Case {
    const char* text;
    std::optional<int> number;
  };
  const Case cases[] = {
      {" 12 ", 12},  {"1   ", 1},     {"0", 1},         {"20000", 10000},     {"", 1},        {"   ", 1},
      {"10000", 10000}, {"007", 7}, {"123456789012", 10000}, {"12a", std::nullopt}, {"-5", std::nullopt},
      {"1 2", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(PuzzleNumberFromText(c.text), c.number) << '"' << c.text << '"';
}

// At OK a number outside 1..10000 is refused, not brought to the nearer bound.
TEST(CheckPuzzleNumberText, OutsideTheRangeIsRefused) {
  struct Case {
    const char* text;
    bool refused;
  };
  const Case cases[] = {
      {" 12 ", false}, {"", false},     {"   ", false},  {"1", false},   {"10000", false}, {"007", false},
      {"0", true},     {"000", true},   {"10001", true}, {"20000", true}, {"99999", true}, {"123456789012", true},
      {"12a", true},
  };
  for (const Case& c : cases) {
    const Failure failure = CheckPuzzleNumberText(c.text);
    EXPECT_EQ(failure.has_value(), c.refused) << '"' << c.text << '"';
    if (failure) {
      EXPECT_EQ(failure->text, " Номер кроссворда должен быть от 1 до 10000! ");
    }
  }
}

}  // namespace
}  // namespace verstak
