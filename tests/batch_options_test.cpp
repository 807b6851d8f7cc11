// The command line: options in any order, the dialogs' defaults, and every
// way of calling the program wrongly ending in a usage message.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch_test_support.h"
#include "cli/batch_options.h"
#include "print/answer_key.h"
#include "print/typeset_settings.h"
#include "document/blanks.h"

namespace verstak::batch {
namespace {

using Arguments = std::vector<std::string>;

Options Parsed(const Arguments& arguments) {
  const ParsedArguments parsed = ParseArguments(arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) ADD_FAILURE() << error->problem;
  const auto* options = std::get_if<Options>(&parsed);
  return options ? *options : Options{};
}

TEST(BatchOptions, DefaultsAreTheDialogsFirstValues) {
  const Options options = Parsed({"export", "--grid", "g.txt", "-o", "out.csc"});
  EXPECT_EQ(options.command, Command::Export);
  EXPECT_EQ(options.input.grid, std::filesystem::path("g.txt"));
  EXPECT_FALSE(options.input.definitions);
  EXPECT_EQ(options.input.number, 1);
  EXPECT_FALSE(options.input.everyPuzzle);
  EXPECT_EQ(options.choice.version, CorelVersion::Draw9);
  EXPECT_EQ(options.choice.layerMode, LayerMode::OneLayer);
  EXPECT_EQ(options.choice.passes, PassChoices{});
  EXPECT_EQ(options.settings, (PrintSettings{126360, 126360, 0, "0,", "0,", "0,", "20"}));
}

TEST(BatchOptions, OrderAndSpellingOfOptionsDoNotMatter) {
  const Options a = Parsed({"export", "--grid", "g.txt", "--definitions", "d.txt", "--number", "12", "-o", "x.csc",
                            "--target", "7", "--layout", "layers", "--passes", "text,full", "--cell-width", "10.5",
                            "--cell-height", "9,25", "--rounded", "--cmyk", "10,20,30,40"});
  const Options b = Parsed({"--cmyk=10,20,30,40", "--rounded", "--cell-height=9,25", "--passes", "full,text",
                            "--layout=layers", "-o", "x.csc", "--number=12", "--target", "7", "--definitions=d.txt",
                            "--cell-width", "10.5", "--grid", "g.txt", "export"});
  for (const Options& options : {a, b}) {
    EXPECT_EQ(options.input.number, 12);
    EXPECT_EQ(options.input.definitions, std::filesystem::path("d.txt"));
    EXPECT_EQ(options.output, std::filesystem::path("x.csc"));
    EXPECT_EQ(options.choice.version, CorelVersion::Draw7);
    EXPECT_EQ(options.choice.layerMode, LayerMode::ByLayers);
    EXPECT_EQ(options.choice.passes, (PassChoices{true, false, false, true, false, false}));
    EXPECT_EQ(options.settings, (PrintSettings{105000, 92500, 20000, "10,", "20,", "30,", "40"}));
  }
}

TEST(BatchOptions, EachPassNameTicksItsOwnBox) {
  const std::pair<const char*, bool PassChoices::*> kBoxes[] = {
      {"text", &PassChoices::text},          {"arrows", &PassChoices::arrows},
      {"empty", &PassChoices::emptySquares}, {"full", &PassChoices::fullSquares},
      {"pictures", &PassChoices::pictures},  {"all", &PassChoices::allSquares},
  };
  for (const auto& [name, box] : kBoxes) {
    const Options options = Parsed({"export", "--grid", "g", "-o", "o", "--layout", "separate", "--passes", name});
    PassChoices want{false, false, false, false, false, false};
    want.*box = true;
    EXPECT_EQ(options.choice.passes, want) << name;
    EXPECT_EQ(options.choice.layerMode, LayerMode::SeparatelyOnOneLayer);
  }
}

TEST(BatchOptions, InputsOfEachCommand) {
  EXPECT_TRUE(Parsed({"info", "--scanword", "a.skw", "--json"}).json);
  EXPECT_EQ(Parsed({"check", "--definitions", "d.txt", "--number", "10000"}).input.number, 10000);
  EXPECT_TRUE(Parsed({"export", "--grid", "g.txt", "--all", "-o", "folder"}).input.everyPuzzle);
  // The scanword file wins over the other two, as in the open dialog.
  const Options both = Parsed({"save", "--grid", "g.txt", "--scanword", "a.skw", "-o", "b.skw"});
  EXPECT_EQ(both.input.scanword, std::filesystem::path("a.skw"));
  EXPECT_EQ(both.command, Command::Save);
  const Options markup = Parsed({"markup", "--grid", "g.txt", "--definitions", "d.txt", "--all", "-o", "folder"});
  EXPECT_EQ(markup.command, Command::Markup);
  EXPECT_TRUE(markup.input.everyPuzzle);
  EXPECT_EQ(markup.output, std::filesystem::path("folder"));
  EXPECT_EQ(Parsed({"markup", "--scanword", "a.skw", "-o", "b.skw"}).input.scanword, std::filesystem::path("a.skw"));
}

TEST(BatchOptions, TypesettingValuesAndTheFormat) {
  const Options defaults = Parsed({"export", "--grid", "g.txt", "-o", "out.pdf"});
  EXPECT_EQ(defaults.typeset, TypesetSettings{});
  EXPECT_EQ(defaults.typeset.font, "PT Sans Narrow");
  EXPECT_FALSE(defaults.format);
  EXPECT_EQ(defaults.outputFormat(), OutputFormat::Pdf);
  EXPECT_FALSE(defaults.strictFit);

  const Options set = Parsed({"export", "--grid", "g.txt", "-o", "out", "--font", "DejaVu Sans:bold", "--font-size",
                              "8,5", "--min-font-size", "6", "--line-spacing", "1.25", "--margin", "10",
                              "--line-width", "0.15", "--no-arrowheads", "--strict-fit", "--format", "svg"});
  EXPECT_EQ(set.typeset.font, "DejaVu Sans:bold");
  EXPECT_DOUBLE_EQ(set.typeset.size, 8.5);
  EXPECT_DOUBLE_EQ(set.typeset.minimumSize, 6);
  EXPECT_DOUBLE_EQ(set.typeset.lineSpacing, 1.25);
  EXPECT_DOUBLE_EQ(set.typeset.pageMargin, 10);
  EXPECT_DOUBLE_EQ(set.typeset.lineWidth, 0.15);
  EXPECT_FALSE(set.typeset.arrowheads);
  EXPECT_TRUE(set.strictFit);
  EXPECT_EQ(set.outputFormat(), OutputFormat::Svg);

  // A size below the default minimum brings the minimum down with it.
  EXPECT_DOUBLE_EQ(Parsed({"check", "--grid", "g.txt", "--fit", "--font-size", "4"}).typeset.minimumSize, 4);
  EXPECT_TRUE(Parsed({"check", "--grid", "g.txt", "--fit"}).fit);
  // --all names no file: the macro unless --format says otherwise.
  EXPECT_EQ(Parsed({"export", "--grid", "g.txt", "--all", "-o", "out.pdf"}).outputFormat(), OutputFormat::Macro);
  EXPECT_EQ(Parsed({"export", "--grid", "g.txt", "--all", "-o", "d", "--format", "pdf"}).outputFormat(), OutputFormat::Pdf);
}

// Each typesetting range ends where the preview's boxes end: both ends
// taken, a hundredth beyond either refused.
TEST(BatchOptions, TypesettingRangesAreThePreviewsLimits) {
  using L = TypesetLimits;
  struct Range {
    const char* option;
    double lowest, highest;
    double TypesetSettings::*value;
  };
  const Range ranges[] = {
      {"--font-size", L::kSmallestSize, L::kLargestSize, &TypesetSettings::size},
      {"--line-spacing", L::kSmallestSpacing, L::kLargestSpacing, &TypesetSettings::lineSpacing},
      {"--line-width", L::kThinnestLine, L::kThickestLine, &TypesetSettings::lineWidth},
      {"--margin", 0, L::kWidestMargin, &TypesetSettings::pageMargin},
  };
  const auto parsed = [](const Range& range, double value) {
    return ParseArguments({"export", "--grid", "g.txt", "-o", "x.pdf", "--min-font-size", "1", range.option,
                           std::to_string(value)});
  };
  for (const Range& range : ranges) {
    for (const double end : {range.lowest, range.highest}) {
      const ParsedArguments taken = parsed(range, end);
      ASSERT_TRUE(std::holds_alternative<Options>(taken))
          << range.option << " " << end << ": " << std::get<UsageError>(taken).problem;
      EXPECT_DOUBLE_EQ(std::get<Options>(taken).typeset.*range.value, end) << range.option;
    }
    for (const double beyond : {range.lowest - 0.01, range.highest + 0.01}) {
      EXPECT_TRUE(std::holds_alternative<UsageError>(parsed(range, beyond))) << range.option << " " << beyond;
    }
  }
}

// The answer key's cell is taken by both commands that make keys, within
// the same range.
TEST(BatchOptions, TheAnswerCellOfAKeyAndOfABook) {
  const std::vector<std::vector<std::string>> commands = {{"export", "--grid", "g.txt", "-o", "k.pdf", "--answers"},
                                                          {"book", "a.skw", "-o", "b.pdf"}};
  for (const std::vector<std::string>& command : commands) {
    SCOPED_TRACE(command.front());
    const auto with = [&](const std::string& cell) {
      std::vector<std::string> arguments = command;
      arguments.insert(arguments.end(), {"--answer-cell", cell});
      return ParseArguments(arguments);
    };
    EXPECT_DOUBLE_EQ(std::get<Options>(ParseArguments(command)).answerCell, kDefaultAnswerCell);
    for (const char* cell : {"1", "8", "50"}) {
      const ParsedArguments taken = with(cell);
      ASSERT_TRUE(std::holds_alternative<Options>(taken)) << cell;
      EXPECT_DOUBLE_EQ(std::get<Options>(taken).answerCell, std::stod(cell));
    }
    EXPECT_EQ(std::get<UsageError>(with("50,5")).problem, "--answer-cell: клетка в мм от 1 до 50, а не 50,5");
  }
}

TEST(BatchOptions, HelpWinsOverEverythingElse) {
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseArguments({"--help"})));
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseArguments({"export", "--bogus", "-h"})));
}

// A file named like the help option is written after "--"; alone it is no help.
TEST(BatchOptions, AValueAfterTwoDashesIsTakenAsItIs) {
  EXPECT_EQ(Parsed({"export", "--grid", "g.txt", "-o", "--", "-h"}).output, "-h");
  EXPECT_EQ(Parsed({"export", "--grid", "g.txt", "-o", "--", "--help"}).output, "--help");
  EXPECT_FALSE(std::holds_alternative<HelpRequest>(ParseArguments({"export", "--grid", "g.txt", "-o", "-h"})));
}

struct WrongUsage {
  const char* name;
  Arguments arguments;
  std::string problem;
};

class BatchUsageErrors : public ::testing::TestWithParam<WrongUsage> {};

TEST_P(BatchUsageErrors, EndInAUsageMessage) {
  const ParsedArguments parsed = ParseArguments(GetParam().arguments);
  const auto* error = std::get_if<UsageError>(&parsed);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->problem, GetParam().problem);

  const testing::BatchRun run = testing::RunBatchWith(GetParam().arguments);
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(std::string(TrimBlanks(GetParam().problem))), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("verstak-batch info    INPUT [--number N] [--json]"), std::string::npos) << run.err;
}

const Arguments kGrid = {"--grid", "g.txt"};

Arguments With(Arguments head, const Arguments& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchUsageErrors,
    ::testing::Values(
        WrongUsage{"Nothing", {}, "не указана команда: export, save, check, info, book, rebreak или markup"},
        WrongUsage{"UnknownCommand", {"print", "--grid", "g"}, "неизвестная команда: print"},
        WrongUsage{"TwoCommands", {"info", "check", "--grid", "g"}, "лишний аргумент: check"},
        WrongUsage{"UnknownOption", {"info", "--grid", "g", "--colour", "red"}, "неизвестный параметр --colour"},
        WrongUsage{"MissingValue", {"info", "--grid"}, "после --grid нужно значение"},
        WrongUsage{"Twice", {"info", "--grid", "a", "--grid", "b"}, "параметр --grid указан дважды"},
        WrongUsage{"FlagWithValue", {"info", "--grid", "a", "--json=yes"}, "параметр --json указывается без значения"},
        WrongUsage{"NoFile", {"check", "--number", "2"}, "Ни один файл не выбран!"},
        WrongUsage{"NumberZero", With({"check", "--number", "0"}, kGrid),
                   "номер кроссворда должен быть целым числом от 1 до 10000: 0"},
        WrongUsage{"NumberTooLarge", With({"check", "--number", "10001"}, kGrid),
                   "номер кроссворда должен быть целым числом от 1 до 10000: 10001"},
        WrongUsage{"NumberNotANumber", With({"check", "--number", "7a"}, kGrid),
                   "номер кроссворда должен быть целым числом от 1 до 10000: 7a"},
        WrongUsage{"NumberAndAll", With({"export", "--all", "--number", "2", "-o", "f"}, kGrid),
                   "--number и --all не указываются вместе"},
        WrongUsage{"AllWithoutGrid",
                   {"export", "--all", "--definitions", "d", "-o", "f"},
                   "--all берёт номера из файла сеток: нужен --grid, и без --scanword"},
        WrongUsage{"AllWithScanword", With({"export", "--all", "--scanword", "s", "-o", "f"}, kGrid),
                   "--all берёт номера из файла сеток: нужен --grid, и без --scanword"},
        WrongUsage{"AllOutsideExport", With({"info", "--all"}, kGrid), "параметр --all не относится к команде info"},
        WrongUsage{"ExportWithoutOutput", With({"export"}, kGrid), "не указан выходной файл: -o"},
        WrongUsage{"SaveWithoutOutput", With({"save"}, kGrid), "не указан выходной файл: -o"},
        WrongUsage{"MarkupWithoutOutput", With({"markup", "--number", "2"}, kGrid), "не указан выходной файл: -o"},
        WrongUsage{"MarkupAllWithScanword", {"markup", "--all", "--scanword", "s", "-o", "f"},
                   "--all берёт номера из файла сеток: нужен --grid, и без --scanword"},
        WrongUsage{"FontOfMarkup", With({"markup", "-o", "x", "--font", "PT Sans"}, kGrid),
                   "параметр --font не относится к команде markup"},
        WrongUsage{"OutputOfCheck", With({"check", "-o", "x"}, kGrid), "параметр -o не относится к команде check"},
        WrongUsage{"JsonOfExport", With({"export", "-o", "x", "--json"}, kGrid),
                   "параметр --json не относится к команде export"},
        WrongUsage{"Target", With({"export", "-o", "x", "--target", "8"}, kGrid), "--target: 7, 9 или 10, а не 8"},
        WrongUsage{"Layout", With({"export", "-o", "x", "--layout", "all"}, kGrid),
                   "--layout: one, separate или layers, а не all"},
        WrongUsage{"PassesOnOneLayer", With({"export", "-o", "x", "--passes", "text"}, kGrid),
                   "--passes действует только с --layout separate или layers"},
        WrongUsage{"PassName", With({"export", "-o", "x", "--layout", "layers", "--passes", "text,bars"}, kGrid),
                   "--passes: неизвестный проход \"bars\"; есть text, arrows, empty, full, pictures, all"},
        WrongUsage{"CmykParts", With({"export", "-o", "x", "--cmyk", "0,0,20"}, kGrid),
                   "--cmyk: нужны четыре процента через запятую, например 0,0,0,20"},
        // The settings dialog's own checks and messages.
        WrongUsage{"WidthZero", With({"export", "-o", "x", "--cell-width", "0.0"}, kGrid),
                   " Ширина клетки не может быть равна 0! "},
        WrongUsage{"WidthTooLarge", With({"export", "-o", "x", "--cell-width", "100.0001"}, kGrid),
                   " Ширина клетки не может быть более 100 мм! "},
        WrongUsage{"WidthFiveDecimals", With({"export", "-o", "x", "--cell-width", "12,63601"}, kGrid),
                   " В поле \"Ширина...\" ошибка! "},
        WrongUsage{"WidthSignAfterComma", With({"export", "-o", "x", "--cell-width", ",+6"}, kGrid),
                   " В поле \"Ширина...\" ошибка! "},
        WrongUsage{"HeightBlankAfterPoint", With({"export", "-o", "x", "--cell-height", ". 16"}, kGrid),
                   " В поле \"Высота...\" ошибка! "},
        WrongUsage{"HeightNotANumber", With({"export", "-o", "x", "--cell-height", "abc"}, kGrid),
                   " В поле \"Высота...\" ошибка! "},
        WrongUsage{"WidthEmpty", With({"export", "-o", "x", "--cell-width", ""}, kGrid),
                   " В поле \"Ширина...\" ошибка! "},
        WrongUsage{"HeightBlank", With({"export", "-o", "x", "--cell-height=  "}, kGrid),
                   " В поле \"Высота...\" ошибка! "},
        WrongUsage{"OutputThatIsHelp", With({"export", "-o", "-h"}, kGrid),
                   "после -o нужно значение, а не параметр -h (значение, начинающееся с -, пишется после --: -o -- -h)"},
        WrongUsage{"OutputThatIsAnOption", With({"export", "-o", "--all"}, kGrid),
                   "после -o нужно значение, а не параметр --all (значение, начинающееся с -, пишется после --: -o -- --all)"},
        WrongUsage{"CyanEmpty", With({"export", "-o", "x", "--cmyk", ",0,0,20"}, kGrid), " В поле \"Cyan\" ошибка! "},
        WrongUsage{"BlackTooLarge", With({"export", "-o", "x", "--cmyk", "0,0,0,101"}, kGrid),
                   " Black не может быть более 100% "},
        // The print output's options.
        WrongUsage{"Format", With({"export", "-o", "x", "--format", "png"}, kGrid), "--format: csc, pdf или svg, а не png"},
        WrongUsage{"FontEmpty", With({"export", "-o", "x", "--font="}, kGrid),
                   "--font: нужно название шрифта или путь к файлу .ttf"},
        WrongUsage{"FontSizeZero", With({"export", "-o", "x", "--font-size", "0"}, kGrid),
                   "--font-size: размер в пунктах от 1 до 100, а не 0"},
        WrongUsage{"FontSizeWord", With({"check", "--fit", "--font-size", "seven"}, kGrid),
                   "--font-size: размер в пунктах от 1 до 100, а не seven"},
        WrongUsage{"FontSizeNaN", With({"info", "--json", "--font-size", "nan"}, kGrid),
                   "--font-size: размер в пунктах от 1 до 100, а не nan"},
        WrongUsage{"MinimumAboveSize", With({"export", "-o", "x", "--min-font-size", "8"}, kGrid),
                   "--min-font-size не может быть больше --font-size"},
        WrongUsage{"LineSpacing", With({"export", "-o", "x", "--line-spacing", "0,4"}, kGrid),
                   "--line-spacing: число от 0,5 до 5, а не 0,4"},
        WrongUsage{"MarginNegative", With({"export", "-o", "x", "--margin", "-1"}, kGrid),
                   "--margin: поле в мм от 0 до 1000, а не -1"},
        WrongUsage{"LineWidthZero", With({"export", "-o", "x", "--line-width", "0"}, kGrid),
                   "--line-width: толщина в мм от 0,05 до 5, а не 0"},
        WrongUsage{"LineWidthTrailing", With({"export", "-o", "x", "--line-width", "0.2mm"}, kGrid),
                   "--line-width: толщина в мм от 0,05 до 5, а не 0.2mm"},
        WrongUsage{"FitOfExport", With({"export", "-o", "x", "--fit"}, kGrid), "параметр --fit не относится к команде export"},
        WrongUsage{"StrictFitOfCheck", With({"check", "--strict-fit"}, kGrid),
                   "параметр --strict-fit не относится к команде check"},
        WrongUsage{"MarginOfInfo", With({"info", "--margin", "2"}, kGrid), "параметр --margin не относится к команде info"}),
    [](const ::testing::TestParamInfo<WrongUsage>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace verstak::batch
