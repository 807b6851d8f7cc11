// verstak-batch's print output: the format by the output's extension or
// --format, the typesetting and press options and their usage errors, the
// date, a missing font or profile, check --fit, info --json's "fit", and
// clues that do not fit.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "batch_test_support.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "files/scanword_file.h"
#include "print/print_writer.h"
#include "print_test_support.h"
#include "script/corel_script_writer.h"

namespace verstak::batch {
namespace {

using testing::BatchRun;
using testing::RunBatchWith;
namespace fs = std::filesystem;

const std::string kLongDigits = "01234567890123456789012345";

class BatchPrint : public testing::SmallPuzzleFiles {
 protected:
  // The files' dates would date the PDFs; the writers' own default is 0.
  BatchPrint() { setenv("SOURCE_DATE_EPOCH", "0", 1); }
  ~BatchPrint() override { unsetenv("SOURCE_DATE_EPOCH"); }

  BatchRun exportPuzzle(int number, std::vector<std::string> more) const {
    std::vector<std::string> arguments = {
        "export", "--grid", grid, "--definitions", definitions, "--number", std::to_string(number)};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return RunBatchWith(arguments);
  }

  // A scanword whose one clue cell holds a clue far too long for it, of
  // digits, which have no hyphenation points.
  std::string overflowingScanword() const {
    ScanwordDocument document;
    document.gridWidth = 2;
    document.gridHeight = 1;
    document.cells.at(1, 1).kind = CellKind::Clue;
    document.cells.at(2, 1).kind = CellKind::ClueHalfLeft;
    document.definitions.slot(1).line(1).assign(kLongDigits);
    document.definitions.slot(2).line(1).assign(Utf8ToCp1251("Лев"));
    EXPECT_FALSE(WriteScanwordFile(path("long.skw"), document));
    return path("long.skw");
  }
};

// The bytes of the core's writers for the document the open dialog builds.
TEST_F(BatchPrint, FormatFollowsTheExtensionOrFormat) {
  const ScanwordDocument document = opened(1);
  const PrintWriter writer(document, PrintSettings{}, TypesetSettings{}, testing::DefaultFont());
  const std::string pdf = writer.pdf({}, "Сканворд 1").bytes;
  const std::string svg = writer.svg({}, "Сканворд 1");
  const std::string macro = CorelScriptWriter(document, PrintSettings{}).write({});
  struct Case {
    std::vector<std::string> options;
    std::string file;
    const std::string& bytes;
  };
  const Case cases[] = {
      {{"-o", path("a.pdf")}, "a.pdf", pdf},
      {{"-o", path("b.SVG")}, "b.SVG", svg},
      {{"-o", path("c.csc")}, "c.csc", macro},
      {{"-o", path("d")}, "d", macro},
      {{"-o", path("e.out"), "--format", "pdf"}, "e.out", pdf},
      {{"-o", path("f.pdf"), "--format", "csc"}, "f.pdf", macro},
      {{"--format=svg", "-o", path("g.txt")}, "g.txt", svg},
  };
  for (const Case& c : cases) {
    const BatchRun run = exportPuzzle(1, c.options);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    // The puzzle is not marked up: a PDF or SVG says so, in warnings only.
    EXPECT_EQ(run.out, "");
    std::istringstream lines(run.err);
    for (std::string line; std::getline(lines, line);) EXPECT_TRUE(line.starts_with("Предупреждение: ")) << line;
    EXPECT_EQ(run.err.empty(), &c.bytes == &macro) << c.file;
    EXPECT_EQ(TempFolder::Read(folder / c.file), c.bytes) << c.file;
  }
}

TEST_F(BatchPrint, TypesettingOptionsReachTheOutput) {
  const BatchRun run =
      exportPuzzle(1, {"-o", path("set.pdf"), "--font", testing::DefaultFont().file.string(), "--font-size", "6,5",
                       "--min-font-size", "4.5", "--line-spacing", "1.2", "--margin", "3", "--line-width", "0.3",
                       "--no-arrowheads", "--no-kerning", "--cell-width", "15", "--cmyk", "10,0,0,30"});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  PrintSettings settings;
  settings.cellWidth = 150000;
  settings.cyanText = "10,";
  settings.blackText = "30";
  TypesetSettings typeset;
  typeset.font = testing::DefaultFont().file.string();
  typeset.size = 6.5;
  typeset.minimumSize = 4.5;
  typeset.lineSpacing = 1.2;
  typeset.pageMargin = 3;
  typeset.lineWidth = 0.3;
  typeset.arrowheads = false;
  typeset.kerning = false;
  const ScanwordDocument document = opened(1);
  EXPECT_EQ(TempFolder::Read(folder / "set.pdf"),
            PrintWriter(document, settings, typeset, testing::DefaultFont()).pdf({}, "Сканворд 1").bytes);
}

TEST_F(BatchPrint, PressOptionsReachTheOutput) {
  const std::string profile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
  const BatchRun run = exportPuzzle(1, {"-o", path("press.pdf"), "--page", "a5", "--marks", "--bleed", "2,5",
                                        "--output-condition", "Своя машина", "--icc", profile});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  PressSettings press;
  press.paper = PaperSize{148, 210};
  press.cropMarks = true;
  press.bleed = 2.5;
  press.outputCondition = "Своя машина";
  press.iccProfile = TempFolder::Read(profile);
  ASSERT_FALSE(press.iccProfile.empty());
  EXPECT_EQ(TempFolder::Read(folder / "press.pdf"),
            PrintWriter(opened(1), {}, {}, testing::DefaultFont(), press).pdf({}, "Сканворд 1").bytes);
  ASSERT_EQ(exportPuzzle(1, {"-o", path("wxh.pdf"), "--page", "100x120.5"}).status, kExitDone);
  press = PressSettings{};
  press.paper = PaperSize{100, 120.5};
  EXPECT_EQ(TempFolder::Read(folder / "wxh.pdf"),
            PrintWriter(opened(1), {}, {}, testing::DefaultFont(), press).pdf({}, "Сканворд 1").bytes);
}

// Wrong values are usage errors; a profile that cannot be read or is of the
// wrong kind, and a puzzle larger than the page, fail with nothing written.
TEST_F(BatchPrint, PressOptionsRefusedAndFailures) {
  struct Case {
    std::vector<std::string> options;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {{"--page", "B4"}, kExitUsage, "--page: A4, A5, A3 или ШxВ в мм (например 200x280), а не B4"},
      {{"--page", "0x100"}, kExitUsage, "--page: A4, A5, A3 или ШxВ в мм (например 200x280), а не 0x100"},
      {{"--bleed", "51"}, kExitUsage, "--bleed: выпуск в мм от 0 до 50, а не 51"},
      {{"--output-condition", "FOGRA99"}, kExitUsage,
       "Условия печати FOGRA99 нет в реестре ICC: нужен его профиль ICC (--icc ФАЙЛ)"},
      {{"--icc", path("none.icc")}, kExitFailed, "Не удалось прочитать профиль ICC " + path("none.icc")},
      {{"--icc", "/usr/share/color/icc/ghostscript/ps_cmyk.icc"}, kExitFailed,
       "Профиль /usr/share/color/icc/ghostscript/ps_cmyk.icc: нужен профиль ICC версии 2"},
      {{"--page", "20x20"}, kExitFailed, "Сканворд (50,7 × 25,5 мм) не помещается на страницу 20,0 × 20,0 мм"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> options = {"-o", path("refused.pdf")};
    options.insert(options.end(), c.options.begin(), c.options.end());
    const BatchRun run = exportPuzzle(1, options);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(folder / "refused.pdf")) << c.message;
  }
}

// The date is SOURCE_DATE_EPOCH's, else the newest input file's.
TEST_F(BatchPrint, DateOfTheNewestInputOrSourceDateEpoch) {
  const auto at = [](std::int64_t seconds) {
    return std::chrono::file_clock::from_sys(std::chrono::sys_seconds{std::chrono::seconds{seconds}});
  };
  fs::last_write_time(grid, at(1600000000));         // 2020-09-13 12:26:40
  fs::last_write_time(definitions, at(1500000000));  // 2017-07-14 02:40:00
  const auto dateOf = [&](const char* name) {
    const std::string pdf = TempFolder::Read(folder / name);
    const std::size_t at = pdf.find("/CreationDate (");
    return at == std::string::npos ? std::string() : pdf.substr(at + 15, 16);
  };
  unsetenv("SOURCE_DATE_EPOCH");
  ASSERT_EQ(exportPuzzle(1, {"-o", path("files.pdf")}).status, kExitDone);
  EXPECT_EQ(dateOf("files.pdf"), "D:20200913122640");
  setenv("SOURCE_DATE_EPOCH", "not a number", 1);
  ASSERT_EQ(exportPuzzle(1, {"-o", path("bad.pdf")}).status, kExitDone);
  EXPECT_EQ(dateOf("bad.pdf"), "D:20200913122640");
  setenv("SOURCE_DATE_EPOCH", "1234567890", 1);
  ASSERT_EQ(exportPuzzle(1, {"-o", path("epoch.pdf")}).status, kExitDone);
  EXPECT_EQ(dateOf("epoch.pdf"), "D:20090213233130");
}

// A puzzle ready for the press: one clue cell, its arrow, its word, its
// clue that fits. Each case spoils it one way.
ScanwordDocument ReadyPuzzle() {
  ScanwordDocument document;
  document.gridWidth = 3;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::Clue;
  document.cells.at(2, 1).kind = CellKind::ArrowFromLeftRight;
  document.definitions.slot(1).line(1).assign(Utf8ToCp1251("Кот"));
  return document;
}

// --strict writes nothing while anything keeps the puzzle from the press and
// names each cause; without it each cause is a warning and the file is
// written (exit 0).
TEST_F(BatchPrint, StrictExportRefusesEachCause) {
  struct Case {
    const char* name;
    std::function<void(ScanwordDocument&)> spoil;
    std::vector<std::string> causes;
  };
  const Case cases[] = {
      {"ready", [](ScanwordDocument&) {}, {}},
      {"more definitions than slots",
       [](ScanwordDocument& d) { d.definitions.slot(2).line(1).assign(Utf8ToCp1251("Лишнее")); },
       {"Много определений! Клеток для определений: 1, определений: 2.",
        "Определений больше, чем мест для них: 1 не будет напечатано"}},
      {"markup", [](ScanwordDocument& d) { d.cells.at(2, 1).kind = CellKind::Letter; },
       {"строка 1, столбец 1: мест для определений 1, слов 0",
        "строка 1, столбец 2: у слова по горизонтали нет определения"}},
      {"empty slot", [](ScanwordDocument& d) { d.definitions.slot(1).clear(); },
       {"Мало определений! Клеток для определений: 1, определений: 0.",
        "Определение 1 (строка 1, столбец 1): нет текста"}},
      {"does not fit",
       [](ScanwordDocument& d) { d.definitions.slot(1).line(1).assign(kLongDigits); },
       {"Определение 1 (строка 1, столбец 1): «" + kLongDigits + "» не помещается"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScanwordDocument document = ReadyPuzzle();
    c.spoil(document);
    ASSERT_FALSE(WriteScanwordFile(path("case.skw"), document));
    for (const char* format : {"pdf", "svg"}) {
      const std::string strictFile = path(std::string("strict.") + format);
      fs::remove(strictFile);
      const BatchRun strict = RunBatchWith({"export", "--scanword", path("case.skw"), "-o", strictFile, "--strict"});
      const BatchRun loose = RunBatchWith({"export", "--scanword", path("case.skw"), "-o", path("loose.pdf")});
      EXPECT_EQ(loose.status, kExitDone) << loose.err;
      EXPECT_TRUE(fs::exists(folder / "loose.pdf"));
      if (c.causes.empty()) {
        EXPECT_EQ(strict.status, kExitDone) << strict.err;
        EXPECT_EQ(strict.err + loose.err, "");
        EXPECT_TRUE(fs::exists(strictFile));
        continue;
      }
      EXPECT_EQ(strict.status, kExitFailed);
      EXPECT_FALSE(fs::exists(strictFile));
      EXPECT_TRUE(strict.err.starts_with("Файл не записан: сканворд не готов к печати.\n")) << strict.err;
      for (const std::string& cause : c.causes) {
        EXPECT_NE(strict.err.find("\n" + cause), std::string::npos) << strict.err;
        EXPECT_NE(loose.err.find("Предупреждение: " + cause), std::string::npos) << loose.err;
      }
    }
  }
}

// With --all a puzzle refused is passed over, its causes listed by number.
TEST_F(BatchPrint, StrictExportOfEveryPuzzle) {
  const BatchRun run = RunBatchWith(
      {"export", "--grid", grid, "--definitions", definitions, "--all", "--format", "pdf", "-o", path("all"), "--strict"});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.out.find("сканворд не готов к печати"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("№ 1: строка "), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(folder / "all" / "1.pdf"));
  const BatchRun loose =
      RunBatchWith({"export", "--grid", grid, "--definitions", definitions, "--all", "--format", "pdf", "-o", path("all")});
  EXPECT_NE(loose.err.find("№ 1: Предупреждение: строка "), std::string::npos) << loose.err;
  EXPECT_TRUE(fs::exists(folder / "all" / "1.pdf"));
}

TEST_F(BatchPrint, TitleIsThePuzzleNumberOrTheScanwordFilesName) {
  ASSERT_EQ(exportPuzzle(2, {"-o", path("two.svg")}).status, kExitDone);
  EXPECT_NE(TempFolder::Read(folder / "two.svg").find("<title>Сканворд 2</title>"), std::string::npos);
  const BatchRun run = RunBatchWith({"export", "--scanword", overflowingScanword(), "-o", path("long.svg")});
  EXPECT_EQ(run.status, kExitDone) << run.err;
  EXPECT_NE(TempFolder::Read(folder / "long.svg").find("<title>long.skw</title>"), std::string::npos);
}

// A font that cannot be found is named, and nothing is written.
TEST_F(BatchPrint, MissingFontFailsWithoutOutput) {
  for (const std::string& font : std::vector<std::string>{"Нет Такого Шрифта", path("none.ttf")}) {
    const BatchRun single = exportPuzzle(1, {"-o", path("x.pdf"), "--font", font});
    EXPECT_EQ(single.status, kExitFailed);
    EXPECT_EQ(single.err, "Шрифт не найден: " + font + "\n");
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));

    const BatchRun every =
        RunBatchWith({"export", "--grid", grid, "--all", "--format", "svg", "-o", path("all"), "--font", font});
    EXPECT_EQ(every.status, kExitFailed);
    EXPECT_EQ(every.err, "Шрифт не найден: " + font + "\n");
    EXPECT_FALSE(fs::exists(folder / "all"));

    const BatchRun check = RunBatchWith({"check", "--grid", grid, "--fit", "--font", font});
    EXPECT_EQ(check.status, kExitFailed);
    EXPECT_EQ(check.err, "Шрифт не найден: " + font + "\n");
  }
  // The macro sets no text: its export does not look for the font.
  EXPECT_EQ(exportPuzzle(1, {"-o", path("x.csc"), "--font", "Нет Такого Шрифта"}).status, kExitDone);
  // A file that is not a TrueType font is refused by name too.
  const std::string fake = folder.write("fake.ttf", "not a font").string();
  const BatchRun fakeRun = exportPuzzle(1, {"-o", path("y.pdf"), "--font", fake});
  EXPECT_EQ(fakeRun.status, kExitFailed);
  EXPECT_NE(fakeRun.err.find(fake), std::string::npos) << fakeRun.err;
  EXPECT_FALSE(fs::exists(folder / "y.pdf"));
}

// Written all the same and counted; failed, and not written, only when asked.
TEST_F(BatchPrint, ExportOfCluesThatDoNotFit) {
  const std::string scanword = overflowingScanword();
  const BatchRun lenient = RunBatchWith({"export", "--scanword", scanword, "-o", path("long.pdf")});
  EXPECT_EQ(lenient.status, kExitDone);
  // After the warnings (the scanword is not marked up), the count.
  EXPECT_TRUE(lenient.err.ends_with("\nНе помещается определений: 1\n")) << lenient.err;
  EXPECT_TRUE(fs::exists(folder / "long.pdf"));

  const BatchRun strict = RunBatchWith({"export", "--scanword", scanword, "-o", path("strict.svg"), "--strict-fit"});
  EXPECT_EQ(strict.status, kExitFailed);
  EXPECT_TRUE(strict.err.ends_with("\nНе помещается определений: 1\n")) << strict.err;
  EXPECT_FALSE(fs::exists(folder / "strict.svg"));
  const BatchRun toOutput = RunBatchWith({"export", "--scanword", scanword, "-o", "-", "--format", "pdf", "--strict-fit"});
  EXPECT_EQ(toOutput.status, kExitFailed);
  EXPECT_EQ(toOutput.out, "");

  // A smaller minimum size lets it fit.
  const BatchRun smaller =
      RunBatchWith({"export", "--scanword", scanword, "-o", path("small.pdf"), "--strict-fit", "--min-font-size", "2.5"});
  EXPECT_EQ(smaller.status, kExitDone) << smaller.err;
  EXPECT_EQ(smaller.err.find("не помещается"), std::string::npos) << smaller.err;
  EXPECT_EQ(smaller.err.find("Не помещается"), std::string::npos) << smaller.err;
}

// The check's lines without those of the markup ("строка R, столбец C: ...").
std::string WithoutMarkupFaults(const std::string& out) {
  std::string kept;
  for (std::size_t at = 0; at < out.size();) {
    const std::size_t end = out.find('\n', at) + 1;
    if (out.compare(at, std::string_view("строка ").size(), "строка ") != 0) kept += out.substr(at, end - at);
    at = end;
  }
  return kept;
}

TEST_F(BatchPrint, CheckFitListsEachClueThatDoesNotFit) {
  const BatchRun checked = RunBatchWith({"check", "--scanword", overflowingScanword(), "--fit"});
  BatchRun run = checked;
  run.out = WithoutMarkupFaults(checked.out);
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Все правильно!");
  EXPECT_NE(
      run.out.find("\nОпределение 1 (строка 1, столбец 1): «" + kLongDigits + "» не помещается: по ширине на "),
      std::string::npos)
      << run.out;
  EXPECT_TRUE(run.out.ends_with("\nРазмеры: 7 пт — 1, 5 пт — 1; набрано заново: 1\n")) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);

  // Wider cells: everything fits, and the check is all right.
  // (The two clue cells lead to no word: the markup's faults alone fail it.)
  const BatchRun wide = RunBatchWith({"check", "--scanword", overflowingScanword(), "--fit", "--cell-width", "40"});
  EXPECT_EQ(wide.status, kExitFailed) << wide.out;
  EXPECT_EQ(WithoutMarkupFaults(wide.out), "Все правильно!\nВсе определения помещаются.\nРазмеры: 7 пт — 2; набрано заново: 0\n");
  EXPECT_NE(wide.out.find("\nстрока 1, столбец 2: мест для определений 1, слов 0\n"), std::string::npos);

  // An empty slot is listed; the count check fails as before.
  const BatchRun empty = RunBatchWith({"check", "--grid", grid, "--number", "1", "--fit"});
  EXPECT_EQ(empty.status, kExitFailed);
  EXPECT_EQ(
      WithoutMarkupFaults(empty.out),
      "Мало определений!\nОпределение 1 (строка 1, столбец 1): нет текста\nОпределение 2 (строка 2, столбец 1): нет "
      "текста\nОпределение 3 (строка 2, столбец 3): нет текста\nРазмеры: нет текстов; набрано заново: 0\n");
}

TEST_F(BatchPrint, InfoJsonHasTheFitOfEveryClue) {
  const BatchRun run = RunBatchWith({"info", "--scanword", overflowingScanword(), "--json", "--fit"});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  const std::size_t fit = run.out.find(",\"fit\":[");
  ASSERT_NE(fit, std::string::npos);
  const std::string entries = run.out.substr(fit);
  EXPECT_NE(
      entries.find(
          R"({"slot":1,"row":1,"column":1,"half":"whole","upright":false,"size":5,"fits":false,"empty":false,"overflowWidth":)"),
      std::string::npos)
      << entries;
  EXPECT_NE(
      entries.find(
          R"({"slot":2,"row":1,"column":2,"half":"left","upright":true,"size":7,"fits":true,"empty":false,"overflowWidth":0,"overflowHeight":0,"lines":1,"rebroken":false})"),
      std::string::npos)
      << entries;
  // The overflow as the fit report gives it, to a thousandth.
  const FitReport report = MakeFitReport(
      [&] {
        ScanwordDocument document;
        ReadScanwordFile(path("long.skw")).applyTo(document);
        return document;
      }(),
      PrintSettings{}, TypesetSettings{}, testing::DefaultFont());
  ASSERT_EQ(report.clues.size(), 1u);
  const std::size_t width = entries.find("\"overflowWidth\":") + 16;
  EXPECT_NEAR(std::stod(entries.substr(width)), report.clues[0].overflowWidth, 0.0005);
}

TEST_F(BatchPrint, EveryPuzzleInTheFormatAsked) {
  const BatchRun run = RunBatchWith({"export", "--grid", grid, "--all", "--format", "pdf", "-o", path("pdfs")});
  EXPECT_EQ(run.out, "Записано: 3, пропущено: 0\n");
  EXPECT_EQ(run.status, kExitDone) << run.err;
  for (int number = 1; number <= 3; ++number) {
    ScanwordDocument document;
    ReadGridFile(grid, number).applyTo(document);
    const std::string title = "Сканворд " + std::to_string(number);
    EXPECT_EQ(TempFolder::Read(folder / "pdfs" / (std::to_string(number) + ".pdf")),
              PrintWriter(document, PrintSettings{}, TypesetSettings{}, testing::DefaultFont()).pdf({}, title).bytes);
  }
  EXPECT_FALSE(fs::exists(folder / "pdfs" / "1.csc"));

  // Nothing fits at 29 pt: the files are written, the count is the sum of
  // the puzzles' (puzzle 3 has no clues to pair with its grid).
  const auto notFitting = [&](int number) {
    TypesetSettings typeset;
    typeset.size = 30;
    typeset.minimumSize = 29;
    return MakeFitReport(opened(number), PrintSettings{}, typeset, testing::DefaultFont()).overflowing();
  };
  ASSERT_GT(notFitting(1), 0);
  ASSERT_GT(notFitting(2), 0);
  const std::vector<std::string> tooLarge = {"--font-size", "30", "--min-font-size", "29"};
  const auto every = [&](std::vector<std::string> more) {
    std::vector<std::string> arguments = {"export", "--grid", grid, "--definitions", definitions, "--all", "--format",
                                          "svg", "-o", path("svgs")};
    arguments.insert(arguments.end(), tooLarge.begin(), tooLarge.end());
    arguments.insert(arguments.end(), more.begin(), more.end());
    return RunBatchWith(arguments);
  };
  const BatchRun svg = every({});
  EXPECT_EQ(svg.out, "Записано: 2, пропущено: 1 (Такого кроссворда нет! — 1)\n");
  EXPECT_TRUE(svg.err.ends_with("\nНе помещается определений: " + std::to_string(notFitting(1) + notFitting(2)) + "\n"))
      << svg.err;
  for (const char* file : {"1.svg", "2.svg"}) EXPECT_TRUE(fs::exists(folder / "svgs" / file)) << file;
  const BatchRun strict =
      RunBatchWith({"export", "--grid", grid, "--definitions", definitions, "--number", "2", "--format", "svg", "-o",
                    path("two.svg"), "--font-size", "30", "--min-font-size", "29", "--strict-fit"});
  EXPECT_EQ(strict.status, kExitFailed);
  EXPECT_TRUE(strict.err.ends_with("\nНе помещается определений: " + std::to_string(notFitting(2)) + "\n")) << strict.err;
  EXPECT_FALSE(fs::exists(folder / "two.svg"));

  // With --all too: the status says so, and those puzzles are not written.
  fs::remove_all(folder / "svgs");
  const BatchRun strictEvery = every({"--strict-fit"});
  EXPECT_EQ(strictEvery.status, kExitFailed);
  EXPECT_EQ(strictEvery.out,
            "Записано: 0, пропущено: 3 (Такого кроссворда нет! — 1; не все определения помещаются — 2)\n");
  for (const char* file : {"1.svg", "2.svg"}) EXPECT_FALSE(fs::exists(folder / "svgs" / file)) << file;
}

// The line spacing is measured: at 5 the clues of two lines do not fit their
// cells, by as much as five sizes a line less the cell.
TEST_F(BatchPrint, CheckFitMeasuresTheLineSpacing) {
  const std::string examples = VERSTAK_EXAMPLES_DIR;
  const std::vector<std::string> puzzle = {"--grid", examples + "/setki.txt", "--definitions",
                                           examples + "/opredeleniya.txt", "--number", "1"};
  std::vector<std::string> check = {"check", "--fit"};
  check.insert(check.end(), puzzle.begin(), puzzle.end());
  const BatchRun spaced = RunBatchWith(check);
  // The grid file's puzzle is not marked up: its markup faults fail the check, not the fit.
  EXPECT_NE(spaced.out.find("\nВсе определения помещаются.\n"), std::string::npos) << spaced.out;
  std::vector<std::string> wide = check;
  wide.insert(wide.end(), {"--line-spacing", "5"});
  const BatchRun far = RunBatchWith(wide);
  EXPECT_EQ(far.status, kExitFailed);
  EXPECT_NE(far.out.find("не помещается: по высоте на "), std::string::npos) << far.out;

  std::vector<std::string> info = {"info", "--json", "--fit", "--line-spacing", "5"};
  info.insert(info.end(), puzzle.begin(), puzzle.end());
  const BatchRun json = RunBatchWith(info);
  ASSERT_EQ(json.status, kExitDone) << json.err;
  int checked = 0;
  for (std::size_t at = json.out.find("\"fits\":false"); at != std::string::npos;
       at = json.out.find("\"fits\":false", at + 1)) {
    const std::size_t entry = json.out.rfind('{', at);
    const std::string part = json.out.substr(entry, json.out.find('}', at) - entry);
    const int lines = std::stoi(part.substr(part.find("\"lines\":") + 8));
    const double height = std::stod(part.substr(part.find("\"overflowHeight\":") + 17));
    const double size = std::stod(part.substr(part.find("\"size\":") + 7));
    const double across = (part.find("\"half\":\"whole\"") != std::string::npos ? 12.636 : 6.318) - 0.8;
    EXPECT_NEAR(height, lines * size * 5 * 25.4 / 72 - across, 0.0006) << part;
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

// The set lines go back into the clue texts; the macro of the file written
// gets them; a clue that a clue text cannot hold is named and left.
TEST_F(BatchPrint, RebreakStoresTheSetLines) {
  ScanwordDocument document;
  document.gridWidth = 3;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = CellKind::ClueHalfTop;
  document.cells.at(2, 1).kind = CellKind::Clue;
  document.cells.at(3, 1).kind = CellKind::Clue;
  document.definitions.slot(1).line(1).assign(Utf8ToCp1251("Комнатное растение"));
  document.definitions.slot(2).line(1).assign(Utf8ToCp1251("Ядовитая"));
  document.definitions.slot(2).line(2).assign(Utf8ToCp1251("змея"));
  // 16 stored lines of two digit words each: set one word a line, 32 lines.
  // (A line keeps its first 32 bytes.)
  for (int line = 1; line <= 16; ++line) document.definitions.slot(3).line(line).assign(kLongDigits + " " + kLongDigits);
  ASSERT_FALSE(WriteScanwordFile(path("in.skw"), document));
  const BatchRun run = RunBatchWith({"rebreak", "--scanword", path("in.skw"), "-o", path("out.skw")});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_EQ(run.out, "Перенесено определений: 1\n");
  EXPECT_NE(run.err.find("Определение 3 (строка 1, столбец 3): набрано строк: "), std::string::npos)
      << run.err;
  EXPECT_TRUE(run.err.ends_with("Не перенесено определений: 1\n")) << run.err;

  ScanwordDocument back;
  ReadScanwordFile(path("out.skw")).applyTo(back);
  const Drawing drawing = PrintWriter(document, PrintSettings{}, TypesetSettings{}, testing::DefaultFont()).drawing({});
  for (const Shape& shape : drawing.shapes) {
    const auto* block = std::get_if<TextBlock>(&shape.form);
    if (block == nullptr || block->fit.slot != 1) continue;
    ASSERT_EQ(block->lines.size(), 2u);
    EXPECT_EQ(back.definitions.slot(1).line(1).text(), block->lines[0].text);
    EXPECT_EQ(back.definitions.slot(1).line(2).text(), block->lines[1].text);
  }
  EXPECT_EQ(Cp1251ToUtf8(back.definitions.slot(1).line(1).text()), "Комнатное");
  EXPECT_EQ(back.definitions.slot(2), document.definitions.slot(2));
  EXPECT_EQ(back.definitions.slot(3), document.definitions.slot(3));
  // Set from the file written, nothing is broken again.
  const FitReport again = MakeFitReport(back, PrintSettings{}, TypesetSettings{}, testing::DefaultFont());
  EXPECT_EQ(again.rebroken, 1);  // only the clue that was left
}

}  // namespace
}  // namespace verstak::batch
