// export, save, check and info on small files: the very bytes the core's
// writers give for the document the open dialog would build, the readers' and
// writers' own messages, and no output file whenever something failed.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "batch_test_support.h"
#include "cli/usage_text.h"
#include "document/overlay_rule.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "files/scanword_file.h"
#include "script/corel_script_writer.h"

namespace verstak::batch {
namespace {

using testing::BatchRun;
using testing::RunBatchWith;
namespace fs = std::filesystem;

using BatchCommands = testing::SmallPuzzleFiles;

struct ExportCase {
  const char* name;
  std::vector<std::string> options;
  ExportChoice choice;
  PrintSettings settings;
};

class BatchExport : public BatchCommands, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(BatchExport, WritesTheMacroOfTheWriterForTheOpenedPuzzle) {
  std::vector<std::string> arguments = {"export", "--grid", grid, "--definitions", definitions, "--number", "1",
                                        "-o",     path("out.csc")};
  arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
  const BatchRun run = RunBatchWith(arguments);
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(run.out + run.err, "");
  const ScanwordDocument document = opened(1);
  EXPECT_EQ(TempFolder::Read(path("out.csc")), CorelScriptWriter(document, GetParam().settings).write(GetParam().choice));
}

const PrintSettings kDefaultSettings;

INSTANTIATE_TEST_SUITE_P(
    Choices, BatchExport,
    ::testing::Values(
        ExportCase{"Defaults", {}, ExportChoice{}, kDefaultSettings},
        ExportCase{"Draw7Layers",
                   {"--target", "7", "--layout", "layers", "--passes", "text,arrows,pictures"},
                   {CorelVersion::Draw7, LayerMode::ByLayers, {true, true, false, false, true, false}},
                   kDefaultSettings},
        ExportCase{"Draw10SeparateWithSettings",
                   {"--target", "10", "--layout", "separate", "--cell-width", "10.5", "--cell-height", "9,25",
                    "--rounded", "--cmyk", "100,0,50,0"},
                   {CorelVersion::Draw10, LayerMode::SeparatelyOnOneLayer, {}},
                   {105000, 92500, 20000, "100,", "0,", "50,", "0"}}),
    [](const ::testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.name); });

// A layout made in the editor, saved, exported: what the GUI's export writes.
TEST_F(BatchCommands, ExportOfAScanwordFileIsTheWritersMacroOfItsDocument) {
  ScanwordDocument document;
  document.gridWidth = 4;
  document.gridHeight = 3;
  const CellKind kinds[] = {CellKind::ClueSplitHorizontal, CellKind::ArrowFromTopDown, CellKind::Letter,
                            CellKind::ClueHalfTop,         CellKind::ArrowFromLeftRight, CellKind::BarBottom,
                            CellKind::Picture,             CellKind::ClueSplitVertical,  CellKind::Clue,
                            CellKind::BarRight,            CellKind::ClueHalfLeft,       CellKind::ArrowFromRightDown};
  for (int i = 0; i < 12; ++i) document.cells.at(i % 4 + 1, i / 4 + 1).kind = kinds[i];
  document.cells.at(2, 2).overlay = 17;
  ASSERT_TRUE(OverlayAllowed(17, CellKind::ArrowFromLeftRight));
  for (int slot = 1; slot <= 7; ++slot) {
    document.definitions.slot(slot).line(1).assign(Utf8ToCp1251("Текст " + std::to_string(slot)));
  }
  document.definitions.slot(3).line(2).assign(Utf8ToCp1251("Роман \"Идиот\""));
  ASSERT_FALSE(WriteScanwordFile(path("layout.skw"), document));

  const BatchRun run = RunBatchWith({"export", "--scanword", path("layout.skw"), "--layout", "layers", "-o", path("out.csc")});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  const ExportChoice choice{CorelVersion::Draw9, LayerMode::ByLayers, {}};
  EXPECT_EQ(TempFolder::Read(path("out.csc")), CorelScriptWriter(document, kDefaultSettings).write(choice));
}

// The scanword file wins: the grid and definitions files are not even read.
TEST_F(BatchCommands, AScanwordFileWinsOverGridAndDefinitions) {
  ScanwordDocument document;
  document.gridWidth = 2;
  document.gridHeight = 2;
  document.cells.at(2, 2).kind = CellKind::Clue;
  ASSERT_FALSE(WriteScanwordFile(path("layout.skw"), document));
  const BatchRun run = RunBatchWith({"info", "--json", "--grid", path("missing.txt"), "--scanword", path("layout.skw")});
  EXPECT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(testing::DocumentPart(run.out), R"({"width":2,"height":2,"kinds":[[0,0],[0,19]],"overlays":[[0,0],[0,0]],"slots":1,"definitions":[]})"
                     "\n");
}

TEST_F(BatchCommands, SaveWritesTheScanwordFileOfTheOpenedPuzzle) {
  const BatchRun run = RunBatchWith({"save", "--number", "1", "-o", path("one.skw"), "--definitions", definitions,
                                     "--grid", grid});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(TempFolder::Read(path("one.skw")), ScanwordFileBytes(opened(1)));
}

// "-" and /dev/stdout stand for the standard output, written directly.
TEST_F(BatchCommands, SaveAndExportWriteToTheStandardOutput) {
  for (const char* output : {"-", "/dev/stdout"}) {
    const BatchRun saved = RunBatchWith({"save", "--grid", grid, "--definitions", definitions, "-o", output});
    EXPECT_EQ(saved.status, kExitDone) << saved.err;
    EXPECT_EQ(saved.out, ScanwordFileBytes(opened(1))) << output;
    const BatchRun exported = RunBatchWith({"export", "--grid", grid, "--definitions", definitions, "-o", output});
    EXPECT_EQ(exported.status, kExitDone) << exported.err;
    EXPECT_EQ(exported.out, CorelScriptWriter(opened(1), PrintSettings{}).write(ExportChoice{})) << output;
  }
}

struct CheckCase {
  const char* name;
  std::vector<std::string> input;  // "grid" and "definitions" stand for the files
  std::string message;
  int status;
};

class BatchCheck : public BatchCommands, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(BatchCheck, PrintsTheChecksMessage) {
  std::vector<std::string> arguments = {"check"};
  for (const std::string& word : GetParam().input) {
    arguments.push_back(word == "grid" ? grid : word == "definitions" ? definitions : word);
  }
  const BatchRun run = RunBatchWith(arguments);
  EXPECT_EQ(run.out, GetParam().message + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, GetParam().status);
}

// Puzzle 1 read from a grid file has no arrows yet: every word lacks its
// clue and every clue cell its word.
const std::string kUnmarkedFaults =
    "\nстрока 1, столбец 1: мест для определений 1, слов 0"
    "\nстрока 1, столбец 2: у слова по горизонтали нет определения"
    "\nстрока 1, столбец 2: у слова по вертикали нет определения"
    "\nстрока 1, столбец 4: у слова по вертикали нет определения"
    "\nстрока 2, столбец 1: мест для определений 1, слов 0"
    "\nстрока 2, столбец 3: мест для определений 1, слов 0";

INSTANTIATE_TEST_SUITE_P(
    Outcomes, BatchCheck,
    ::testing::Values(
        CheckCase{"CountRightMarkupNot", {"--grid", "grid", "--definitions", "definitions"},
                  "Все правильно!" + kUnmarkedFaults, kExitFailed},
        CheckCase{"CountRightSecond", {"--grid", "grid", "--definitions", "definitions", "--number", "2"},
                  "Все правильно!\nстрока 1, столбец 1: мест для определений 1, слов 0"
                  "\nстрока 1, столбец 2: мест для определений 1, слов 0",
                  kExitFailed},
        // The open dialog with only one file keeps the other part as it was:
        // nothing, in a run that starts empty.
        CheckCase{"GridOnly", {"--grid", "grid"}, "Мало определений!" + kUnmarkedFaults, kExitFailed},
        CheckCase{"DefinitionsOnly", {"--definitions", "definitions"}, "Много определений!", kExitFailed},
        CheckCase{"NoClueCells",
                  {"--grid", "grid", "--number", "3"},
                  "Эй! Нет определений!\nстрока 1, столбец 1: у слова по горизонтали нет определения",
                  kExitFailed}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(BatchCommands, CheckOfAMarkedUpPuzzleIsAllRight) {
  ScanwordDocument document;
  document.gridWidth = 3;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::Clue;
  document.cells.at(2, 1).kind = CellKind::ArrowFromLeftRight;
  document.definitions.slot(1).line(1).assign("Tom");
  ASSERT_EQ(WriteScanwordFile(path("ok.skw"), document), std::nullopt);
  const BatchRun run = RunBatchWith({"check", "--scanword", path("ok.skw")});
  EXPECT_EQ(run.out, "Все правильно!\n");
  EXPECT_EQ(run.status, kExitDone);
  document.cells.at(2, 1).kind = CellKind::ArrowFromTopDown;  // its clue would stand above the grid
  ASSERT_EQ(WriteScanwordFile(path("bad.skw"), document), std::nullopt);
  const BatchRun bad = RunBatchWith({"check", "--scanword", path("bad.skw")});
  EXPECT_EQ(bad.out,
            "Все правильно!\n"
            "строка 1, столбец 1: мест для определений 1, слов 0\n"
            "строка 1, столбец 2: у слова по горизонтали нет определения\n"
            "строка 1, столбец 2: стрелка вниз не начинает слова\n"
            "строка 1, столбец 2: стрелка вниз не от клетки с определением\n");
  EXPECT_EQ(bad.status, kExitFailed);
}

// Empty lines inside a clue are kept, an empty slot is an empty list, quotes
// and backslashes are escaped, cp1251 becomes UTF-8.
TEST_F(BatchCommands, InfoJsonGivesTheWholeDocument) {
  const std::string clues = folder.write("clues.txt", testing::Cp1251Lines({
                                                          "№ 1", "* Нил", "", "река", "", "* ", "* Роман \"Идиот\"",
                                                          "* C:\\Ёж", "", "№ 2",
                                                      }))
                                .string();
  const BatchRun run = RunBatchWith({"info", "--grid", grid, "--definitions", clues, "--json"});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(testing::DocumentPart(run.out),
            R"({"width":4,"height":2,"kinds":[[19,0,0,0],[19,0,19,0]],"overlays":[[0,0,0,0],[0,0,0,0]],"slots":3,)"
            R"("definitions":[["Нил","","река"],[],["Роман \"Идиот\""],["C:\\Ёж"]]})"
            "\n");
}

// The clue font is looked for only when the fit is asked for: without
// --fit a font that cannot be found does not matter, with it the run fails
// on it; with it "fit" ends the JSON and the plain summary ends in the fit.
TEST_F(BatchCommands, InfoLooksForTheFontOnlyForTheFit) {
  const std::vector<std::string> base = {"info", "--grid", grid, "--font", path("нет-такого.ttf")};
  std::vector<std::string> json = base;
  json.push_back("--json");
  const BatchRun plain = RunBatchWith(json);
  EXPECT_EQ(plain.status, kExitDone) << plain.err;
  EXPECT_EQ(plain.err, "");
  EXPECT_EQ(plain.out.find("\"fit\""), std::string::npos);
  EXPECT_TRUE(plain.out.ends_with("]}\n")) << plain.out;

  json.push_back("--fit");
  const BatchRun missing = RunBatchWith(json);
  EXPECT_EQ(missing.status, kExitFailed);
  EXPECT_NE(missing.err.find("нет-такого.ttf"), std::string::npos) << missing.err;
  EXPECT_EQ(missing.out, "");

  const BatchRun fitted = RunBatchWith({"info", "--grid", grid, "--json", "--fit"});
  ASSERT_EQ(fitted.status, kExitDone) << fitted.err;
  EXPECT_EQ(testing::WithoutFit(fitted.out), plain.out);
  const BatchRun summary = RunBatchWith({"info", "--grid", grid, "--fit"});
  ASSERT_EQ(summary.status, kExitDone) << summary.err;
  const BatchRun alone = RunBatchWith({"info", "--grid", grid});
  EXPECT_TRUE(summary.out.starts_with(alone.out)) << summary.out;
  EXPECT_NE(summary.out.find("\nРазмеры: "), std::string::npos) << summary.out;
}

// A puzzle from a grid file, saved, marked up and read back: the letters
// give each clue's answer.
TEST_F(BatchCommands, InfoJsonGivesEachClueItsWordAndAnswer) {
  const std::string lettered = folder.write("paris.txt", testing::Cp1251Lines({"№ 1", "\tП\tА\tР\tИ\tЖ", "\tО\t\t\t\t\t"})).string();
  ASSERT_EQ(RunBatchWith({"save", "--grid", lettered, "-o", path("paris.skw")}).status, kExitDone);
  ScanwordDocument document;
  ReadScanwordFile(path("paris.skw")).applyTo(document);
  document.cells.at(2, 1) = {CellKind::ArrowFromLeftRight, 11};  // across from (1,1), down from (1,2)
  for (int x = 3; x <= 6; ++x) document.cells.at(x, 2).kind = CellKind::Picture;
  document.definitions.slot(1).line(1).assign("Capital");
  document.definitions.slot(2).line(1).assign("River");
  ASSERT_EQ(WriteScanwordFile(path("paris.skw"), document), std::nullopt);

  const BatchRun run = RunBatchWith({"info", "--scanword", path("paris.skw"), "--json"});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  const std::string& json = run.out;
  const std::string words = json.substr(json.find(",\"answers\":"));
  EXPECT_EQ(words,
            R"(,"answers":[{"answer":"ПАРИЖ","word":{"row":1,"column":2,"direction":"across","length":5}},)"
            R"({"answer":"ПО","word":{"row":1,"column":2,"direction":"down","length":2}}],"words":2,"faults":[]})"
            "\n");

  // Straight from the grid file: no arrows yet, so no clue has its word.
  const BatchRun unmarked = RunBatchWith({"info", "--grid", grid, "--json"});
  const std::string& plain = unmarked.out;
  EXPECT_EQ(plain.substr(plain.find(",\"answers\":")),
            R"(,"answers":[{"answer":null,"word":null},{"answer":null,"word":null},{"answer":null,"word":null}],)"
            R"("words":3,"faults":["строка 1, столбец 1: мест для определений 1, слов 0",)"
            R"("строка 1, столбец 2: у слова по горизонтали нет определения",)"
            R"("строка 1, столбец 2: у слова по вертикали нет определения",)"
            R"("строка 1, столбец 4: у слова по вертикали нет определения",)"
            R"("строка 2, столбец 1: мест для определений 1, слов 0",)"
            R"("строка 2, столбец 3: мест для определений 1, слов 0"]})"
            "\n");
}

TEST_F(BatchCommands, InfoWithoutJsonSummarisesAndDrawsTheGrid) {
  const BatchRun run = RunBatchWith({"info", "--grid", grid, "--definitions", definitions});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(run.out,
            "Сетка: 4 x 2\n"
            "Клеток с определениями: 3\n"
            "Мест для определений: 3\n"
            "Определений: 3\n"
            "\n"
            "#...\n"
            "#.#.\n"
            "\n"
            "Обозначения: . буква, # определение\n");
}

struct FailingCase {
  const char* name;
  std::vector<std::string> arguments;  // "grid", "definitions" and "out" stand for the paths
  std::string messages;                // stderr, one message a line; "@name" as in the arguments
};

class BatchFailures : public BatchCommands, public ::testing::WithParamInterface<FailingCase> {
 protected:
  void SetUp() override {
    folder.write("header.txt", testing::Cp1251Lines({"№ 1 a", "\t\t", ""}));
    folder.write("long.txt", testing::Cp1251Lines({"№ 1", std::string(100, '\t'), ""}));
    fs::create_directory(folder / "folder.csc");
  }
};

TEST_P(BatchFailures, ReportTheCoresMessageAndLeaveNoOutput) {
  std::vector<std::string> arguments;
  std::string messages = GetParam().messages;
  for (const std::string& word : GetParam().arguments) {
    arguments.push_back(word == "grid" ? grid : word == "definitions" ? definitions : word == "out" ? path("out") : word);
    if (!word.starts_with("@")) continue;
    arguments.back() = path(word.substr(1));
    for (std::size_t at = messages.find(word); at != std::string::npos; at = messages.find(word, at + 1)) {
      messages.replace(at, word.size(), arguments.back());
    }
  }
  const BatchRun run = RunBatchWith(arguments);
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(run.err, messages);
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(fs::exists(path("out")));
  // Nothing half-written beside the output either.
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder / "")) left.push_back(entry.path().filename().string());
  std::ranges::sort(left);
  EXPECT_EQ(left, (std::vector<std::string>{"definitions.txt", "folder.csc", "grid.txt", "header.txt", "long.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchFailures,
    ::testing::Values(
        FailingCase{"MissingGridFile", {"export", "--grid", "@none.txt", "-o", "out"}, "Такого файла сетки нет!\n"},
        FailingCase{"MissingDefinitionsFile",
                    {"save", "--grid", "grid", "--definitions", "@none.txt", "-o", "out"},
                    "Такого файла определений нет!\n"},
        FailingCase{"MissingScanwordFile", {"info", "--scanword", "@none.skw"}, "Такого файла сканворда нет!\n"},
        FailingCase{"NotAScanwordFile", {"export", "--scanword", "grid", "-o", "out"}, " Это не файл сканворда! \n"},
        FailingCase{"HeaderError", {"export", "--grid", "@header.txt", "-o", "out"},
                    " В файле сеток после номера кроссворда лишние символы! \n"},
        FailingCase{"GridTooLarge", {"check", "--grid", "@long.txt"}, " Сетка больше 99 на 99 клеток! \n"},
        // Both readers speak, the grid's first, as the open dialog shows them.
        FailingCase{"PuzzleNotFound",
                    {"export", "--grid", "grid", "--definitions", "definitions", "--number", "9", "-o", "out"},
                    "Такой сетки нет!\nТакого кроссворда нет!\n"},
        // The grid alone would do; the clue texts missing are not passed over in silence.
        FailingCase{"DefinitionsNotFound",
                    {"export", "--grid", "grid", "--definitions", "definitions", "--number", "3", "-o", "out"},
                    "Такого кроссворда нет!\n"},
        FailingCase{"MacroIntoAFolder", {"export", "--grid", "grid", "-o", "@folder.csc"},
                    " Не удалось записать файл макроса! \n@folder.csc: это папка\n"},
        FailingCase{"MacroIntoAMissingFolder", {"export", "--grid", "grid", "-o", "@none/out.csc"},
                    " Не удалось записать файл макроса! \n@none/out.csc: папки нет\n"},
        FailingCase{"SaveIntoAMissingFolder", {"save", "--grid", "grid", "-o", "@none/out.skw"},
                    " Не удалось записать файл! \n@none/out.skw: папки нет\n"},
        FailingCase{"SaveIntoAFile", {"save", "--grid", "grid", "-o", "@grid.txt/out.skw"},
                    " Не удалось записать файл! \n@grid.txt/out.skw: на месте папки стоит файл\n"},
        FailingCase{"SaveIntoADevice", {"save", "--grid", "grid", "-o", "/dev/full"},
                    " Не удалось записать файл! \n/dev/full: это устройство\n"}),
    [](const ::testing::TestParamInfo<FailingCase>& info) { return std::string(info.param.name); });

// A failed export leaves the file that was there before as it was.
TEST_F(BatchCommands, AFailedExportKeepsTheOldFile) {
  folder.write("out.csc", "old macro");
  const BatchRun run = RunBatchWith({"export", "--grid", grid, "--number", "8", "-o", path("out.csc")});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(TempFolder::Read(path("out.csc")), "old macro");
}

TEST(BatchHelp, PrintsTheInterfaceAndSucceeds) {
  const BatchRun run = RunBatchWith({"--help"});
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find(std::string(kUsageSynopsis)), std::string::npos);
}

}  // namespace
}  // namespace verstak::batch
