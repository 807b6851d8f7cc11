#include "cli/batch_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <span>
#include <string_view>

#include "document/blanks.h"
#include "settings/apply_settings.h"
#include "files/open_messages.h"
#include "files/puzzle_number_set.h"
#include "print/answer_key.h"
#include "print/output_condition.h"
#include "print/output_formats.h"

namespace verstak::batch {
namespace {

using CommandSet = unsigned;
constexpr CommandSet Bit(Command command) { return 1u << static_cast<unsigned>(command); }
constexpr CommandSet kEveryCommand = Bit(Command::Export) | Bit(Command::Save) | Bit(Command::Check) |
                                     Bit(Command::Info) | Bit(Command::Rebreak) | Bit(Command::Markup);
constexpr CommandSet kBook = Bit(Command::Book);
// Everything that sets clues in their cells: export, the fit check, info --json, rebreak, book.
constexpr CommandSet kTypesetCommands =
    Bit(Command::Export) | Bit(Command::Check) | Bit(Command::Info) | Bit(Command::Rebreak) | kBook;
// The print options of export that a book takes too.
constexpr CommandSet kPrint = Bit(Command::Export) | kBook;

struct CommandWord {
  std::string_view word;
  Command command;
};
constexpr CommandWord kCommands[] = {
    {"export", Command::Export}, {"save", Command::Save}, {"check", Command::Check}, {"info", Command::Info},
    {"book", Command::Book},     {"rebreak", Command::Rebreak}, {"markup", Command::Markup}};

struct KnownOption {
  std::string_view name;
  bool takesValue;
  CommandSet commands;  // the commands it belongs to
};
constexpr KnownOption kOptions[] = {
    {"--grid", true, kEveryCommand | kBook},
    {"--definitions", true, kEveryCommand | kBook},
    {"--scanword", true, kEveryCommand},
    {"--number", true, kEveryCommand},
    {"--all", false, kPrint | Bit(Command::Markup)},
    {"--numbers", true, kBook},
    {"--per-page", true, kBook},
    {"--title", true, kBook},
    {"--markup", false, kBook},
    {"-o", true, kPrint | Bit(Command::Save) | Bit(Command::Rebreak) | Bit(Command::Markup)},
    {"--target", true, Bit(Command::Export)},
    {"--layout", true, Bit(Command::Export)},
    {"--passes", true, Bit(Command::Export)},
    {"--cell-width", true, kTypesetCommands},
    {"--cell-height", true, kTypesetCommands},
    {"--rounded", false, kPrint},
    {"--cmyk", true, kPrint},
    {"--json", false, Bit(Command::Info)},
    {"--format", true, Bit(Command::Export)},
    {"--font", true, kTypesetCommands},
    {"--font-size", true, kTypesetCommands},
    {"--min-font-size", true, kTypesetCommands},
    {"--line-spacing", true, kTypesetCommands},
    {"--no-kerning", false, kTypesetCommands},
    {"--margin", true, kPrint},
    {"--line-width", true, kPrint},
    {"--no-arrowheads", false, kPrint},
    {"--strict-fit", false, Bit(Command::Export)},
    {"--strict", false, kPrint},
    {"--bleed", true, kPrint},
    {"--marks", false, kPrint},
    {"--page", true, kPrint},
    {"--output-condition", true, kPrint},
    {"--icc", true, kPrint},
    {"--fit", false, Bit(Command::Check) | Bit(Command::Info)},
    {"--answers", false, Bit(Command::Export)},
    {"--with-answers", false, Bit(Command::Export)},
    {"--answer-cell", true, kPrint},
};

template <class Value>
struct Named {
  std::string_view name;
  Value value;
};
constexpr Named<CorelVersion> kTargets[] = {
    {"7", CorelVersion::Draw7}, {"9", CorelVersion::Draw9}, {"10", CorelVersion::Draw10}};
constexpr Named<LayerMode> kLayouts[] = {
    {"one", LayerMode::OneLayer}, {"separate", LayerMode::SeparatelyOnOneLayer}, {"layers", LayerMode::ByLayers}};
constexpr Named<bool PassChoices::*> kPasses[] = {
    {"text", &PassChoices::text},          {"arrows", &PassChoices::arrows},
    {"empty", &PassChoices::emptySquares}, {"full", &PassChoices::fullSquares},
    {"pictures", &PassChoices::pictures},  {"all", &PassChoices::allSquares},
};

template <class Value>
std::optional<Value> Lookup(std::span<const Named<Value>> table, std::string_view name) {
  const auto found = std::ranges::find(table, name, &Named<Value>::name);
  if (found == table.end()) return std::nullopt;
  return found->value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The options as typed, before their values are looked at.
struct RawArguments {
  std::optional<Command> command;
  std::map<std::string_view, std::string> given;  // option name -> value ("" for a flag)
  std::vector<std::string> files;                 // book: the words after the command

  bool has(std::string_view name) const { return given.contains(name); }
  const std::string* value(std::string_view name) const {
    const auto found = given.find(name);
    return found == given.end() ? nullptr : &found->second;
  }
};

using Problem = std::optional<std::string>;

bool IsHelpOption(std::string_view argument) { return argument == "--help" || argument == "-h"; }

Problem TakeOption(const std::vector<std::string>& arguments, std::size_t& index, RawArguments& raw) {
  std::string_view typed = arguments[index];
  std::optional<std::string> inlineValue;
  if (const std::size_t equals = typed.find('='); typed.starts_with("--") && equals != std::string_view::npos) {
    inlineValue = std::string(typed.substr(equals + 1));
    typed = typed.substr(0, equals);
  }
  const auto known = std::ranges::find(kOptions, typed, &KnownOption::name);
  if (known == std::end(kOptions)) return "неизвестный параметр " + std::string(typed);
  if (raw.has(known->name)) return "параметр " + std::string(known->name) + " указан дважды";
  if (!known->takesValue) {
    if (inlineValue) return "параметр " + std::string(known->name) + " указывается без значения";
    raw.given.emplace(known->name, "");
    return std::nullopt;
  }
  if (!inlineValue) {
    if (index + 1 >= arguments.size()) return "после " + std::string(known->name) + " нужно значение";
    inlineValue = arguments[++index];
    // "--" takes the next argument as the value whatever it looks like: a
    // file named -h is written as -o -- -h.
    if (*inlineValue == "--") {
      if (index + 1 >= arguments.size()) return "после " + std::string(known->name) + " -- нужно значение";
      inlineValue = arguments[++index];
    } else if (IsHelpOption(*inlineValue) || std::ranges::find(kOptions, *inlineValue, &KnownOption::name) != std::end(kOptions)) {
      return "после " + std::string(known->name) + " нужно значение, а не параметр " + *inlineValue +
             " (значение, начинающееся с -, пишется после --: " + std::string(known->name) + " -- " + *inlineValue + ")";
    }
  }
  raw.given.emplace(known->name, std::move(*inlineValue));
  return std::nullopt;
}

Problem TakeCommand(std::string_view word, RawArguments& raw) {
  if (raw.command == Command::Book) {
    raw.files.emplace_back(word);
    return std::nullopt;
  }
  if (raw.command) return "лишний аргумент: " + std::string(word);
  const auto found = std::ranges::find(kCommands, word, &CommandWord::word);
  if (found == std::end(kCommands)) return "неизвестная команда: " + std::string(word);
  raw.command = found->command;
  return std::nullopt;
}

Problem CheckOptionsBelongToCommand(const RawArguments& raw) {
  const auto word = std::ranges::find(kCommands, *raw.command, &CommandWord::command)->word;
  for (const auto& [name, value] : raw.given) {
    const auto known = std::ranges::find(kOptions, name, &KnownOption::name);
    if (!(known->commands & Bit(*raw.command))) {
      return "параметр " + std::string(name) + " не относится к команде " + std::string(word);
    }
  }
  return std::nullopt;
}

// Only what the open dialog's number field can hold; a number outside is
// refused rather than moved to the nearer bound, which would open another puzzle.
Problem TakeNumber(const std::string& text, int& number) {
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (text.empty() || error != std::errc{} || stop != end || !PuzzleNumberSet::InRange(number)) {
    return "номер кроссворда должен быть целым числом от 1 до 10000: " + text;
  }
  return std::nullopt;
}

Problem TakeInput(const RawArguments& raw, Options& options) {
  PuzzleInput& input = options.input;
  if (const std::string* grid = raw.value("--grid")) input.grid = *grid;
  if (const std::string* definitions = raw.value("--definitions")) input.definitions = *definitions;
  if (const std::string* scanword = raw.value("--scanword")) input.scanword = *scanword;
  if (!input.grid && !input.definitions && !input.scanword) return std::string(kNoFileChosenMessage);
  input.everyPuzzle = raw.has("--all");
  if (input.everyPuzzle && raw.has("--number")) return "--number и --all не указываются вместе";
  if (input.everyPuzzle && (!input.grid || input.scanword)) {
    return "--all берёт номера из файла сеток: нужен --grid, и без --scanword";
  }
  if (const std::string* number = raw.value("--number")) return TakeNumber(*number, input.number);
  return std::nullopt;
}

// "5,7,12-20": numbers and ranges of the open dialog's 1..10000, in the
// order written, each once.
std::optional<std::vector<int>> NumbersOf(std::string_view text) {
  PuzzleNumberSet seen;
  std::vector<int> numbers;
  for (std::string_view part : Split(text, ',')) {
    const std::size_t dash = part.find('-');
    const std::string_view low = part.substr(0, dash);
    const std::string_view high = dash == std::string_view::npos ? low : part.substr(dash + 1);
    int first = 0, last = 0;
    const auto number = [](std::string_view digits, int& value) {
      const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
      return !digits.empty() && error == std::errc{} && stop == digits.data() + digits.size() &&
             PuzzleNumberSet::InRange(value);
    };
    if (!number(low, first) || !number(high, last) || first > last) return std::nullopt;
    for (int n = first; n <= last; ++n) {
      if (seen.contains(n)) continue;
      seen.insert(n);
      numbers.push_back(n);
    }
  }
  return numbers;
}

// A book comes from scanword files or from the grid file's numbers.
Problem TakeBookInput(const RawArguments& raw, Options& options) {
  PuzzleInput& input = options.input;
  if (const std::string* grid = raw.value("--grid")) input.grid = *grid;
  if (const std::string* definitions = raw.value("--definitions")) input.definitions = *definitions;
  for (const std::string& file : raw.files) options.bookFiles.emplace_back(file);
  const bool chosen = raw.has("--all") || raw.has("--numbers");
  if (!options.bookFiles.empty()) {
    if (input.grid || input.definitions || chosen)
      return "book: файлы .skw или --grid с --all или --numbers, но не то и другое";
  } else {
    if (!input.grid) return "book: нужен --grid с --all или --numbers, или файлы .skw";
    if (raw.has("--all") == raw.has("--numbers")) return "book: укажите --all или --numbers";
  }
  input.everyPuzzle = raw.has("--all");
  if (const std::string* numbers = raw.value("--numbers")) {
    std::optional<std::vector<int>> order = NumbersOf(*numbers);
    if (!order) return "--numbers: номера и диапазоны через запятую, например 5,7,12-20, а не " + *numbers;
    options.numbers.emplace();
    for (int n : *order) options.numbers->insert(n);
    options.numberOrder = std::move(*order);
  }
  if (const std::string* perPage = raw.value("--per-page")) {
    if (*perPage != "1" && *perPage != "2") return "--per-page: 1 или 2, а не " + *perPage;
    options.perPage = *perPage == "2" ? 2 : 1;
  }
  if (const std::string* title = raw.value("--title")) options.bookTitle = *title;
  options.markup = raw.has("--markup");
  options.format = OutputFormat::Pdf;
  return std::nullopt;
}

Problem TakeOutput(const RawArguments& raw, Options& options) {
  const std::string* output = raw.value("-o");
  const bool needed = options.command != Command::Check && options.command != Command::Info;
  if (needed && (!output || output->empty())) return "не указан выходной файл: -o";
  if (output) options.output = *output;
  return std::nullopt;
}

Problem TakeChoice(const RawArguments& raw, ExportChoice& choice) {
  if (const std::string* target = raw.value("--target")) {
    const auto version = Lookup<CorelVersion>(kTargets, *target);
    if (!version) return "--target: 7, 9 или 10, а не " + *target;
    choice.version = *version;
  }
  if (const std::string* layout = raw.value("--layout")) {
    const auto mode = Lookup<LayerMode>(kLayouts, *layout);
    if (!mode) return "--layout: one, separate или layers, а не " + *layout;
    choice.layerMode = *mode;
  }
  if (const std::string* passes = raw.value("--passes")) {
    // The dialog's check boxes are disabled for the one-layer layout.
    if (choice.layerMode == LayerMode::OneLayer) return "--passes действует только с --layout separate или layers";
    PassChoices ticked{false, false, false, false, false, false};
    for (std::string_view name : Split(*passes, ',')) {
      const auto box = Lookup<bool PassChoices::*>(kPasses, name);
      if (!box) return "--passes: неизвестный проход \"" + std::string(name) + "\"; есть text, arrows, empty, full, pictures, all";
      ticked.*(*box) = true;
    }
    choice.passes = ticked;
  }
  return std::nullopt;
}

// The settings dialog's own fields and checks; a decimal point is taken for
// the comma the dialog expects.
Problem TakeSettings(const RawArguments& raw, PrintSettings& settings) {
  SettingsFieldTexts fields;
  // An empty field is the dialog's "as it was"; an empty value typed here is
  // a value left out, refused as a field that holds no number.
  const auto millimetres = [](std::string text) {
    std::ranges::replace(text, '.', ',');
    return TrimBlanks(text).empty() ? std::string("?") : text;
  };
  if (const std::string* width = raw.value("--cell-width")) fields.width = millimetres(*width);
  if (const std::string* height = raw.value("--cell-height")) fields.height = millimetres(*height);
  if (const std::string* cmyk = raw.value("--cmyk")) {
    const std::vector<std::string_view> parts = Split(*cmyk, ',');
    if (parts.size() != 4) return "--cmyk: нужны четыре процента через запятую, например 0,0,0,20";
    fields.cyan = parts[0];
    fields.magenta = parts[1];
    fields.yellow = parts[2];
    fields.black = parts[3];
  }
  const CellCorners corners = raw.has("--rounded") ? CellCorners::Rounded : CellCorners::Square;
  const SettingsOutcome outcome = ApplySettings(PrintSettings{}, fields, fields, corners);
  if (outcome.failure) return outcome.failure->text;
  settings = outcome.settings;
  return std::nullopt;
}

// A number of the typesetting options, with a decimal point or comma, from
// `lowest` to `highest`.
struct NumberRange {
  std::string_view option;
  double lowest;
  double highest;
  std::string_view what;  // what the message asks for, before its range
};

// 0,05 or 1000: as the message writes it, at most two decimals.
std::string RangeEnd(double number) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, number, std::chars_format::fixed, 2).ptr;
  std::string text(digits, end);
  while (text.ends_with('0')) text.pop_back();
  if (text.ends_with('.')) text.pop_back();
  std::ranges::replace(text, '.', ',');
  return text;
}

Problem TakeNumberIn(const RawArguments& raw, const NumberRange& range, double& value) {
  const std::string* text = raw.value(range.option);
  if (!text) return std::nullopt;
  std::string typed = *text;
  std::ranges::replace(typed, ',', '.');
  double number = 0;
  const char* const end = typed.data() + typed.size();
  const auto [stop, error] = std::from_chars(typed.data(), end, number);
  const bool inRange = number >= range.lowest && number <= range.highest;
  if (typed.empty() || error != std::errc{} || stop != end || !std::isfinite(number) || !inRange) {
    return std::string(range.option) + ": " + std::string(range.what) + " от " + RangeEnd(range.lowest) + " до " +
           RangeEnd(range.highest) + ", а не " + *text;
  }
  value = number;
  return std::nullopt;
}

constexpr NumberRange kAnswerCellRange{"--answer-cell", kSmallestAnswerCell, kLargestAnswerCell, "клетка в мм"};

Problem TakeTypeset(const RawArguments& raw, TypesetSettings& typeset) {
  if (const std::string* font = raw.value("--font")) {
    if (font->empty()) return "--font: нужно название шрифта или путь к файлу .ttf";
    typeset.font = *font;
  }
  using L = TypesetLimits;
  const NumberRange ranges[] = {
      {"--font-size", L::kSmallestSize, L::kLargestSize, "размер в пунктах"},
      {"--min-font-size", L::kSmallestSize, L::kLargestSize, "размер в пунктах"},
      {"--line-spacing", L::kSmallestSpacing, L::kLargestSpacing, "число"},
      {"--margin", 0, L::kWidestMargin, "поле в мм"},
      {"--line-width", L::kThinnestLine, L::kThickestLine, "толщина в мм"},
  };
  double* values[] = {&typeset.size, &typeset.minimumSize, &typeset.lineSpacing, &typeset.pageMargin,
                      &typeset.lineWidth};
  for (std::size_t i = 0; i < std::size(ranges); ++i) {
    if (Problem problem = TakeNumberIn(raw, ranges[i], *values[i])) return problem;
  }
  // A smaller default minimum follows a small size.
  if (!raw.has("--min-font-size")) typeset.minimumSize = std::min(typeset.minimumSize, typeset.size);
  if (typeset.minimumSize > typeset.size) return "--min-font-size не может быть больше --font-size";
  typeset.arrowheads = !raw.has("--no-arrowheads");
  typeset.kerning = !raw.has("--no-kerning");
  return std::nullopt;
}

// A millimetre figure with a decimal point or comma, above 0 and at most 10 m.
std::optional<double> PaperSide(std::string_view text) {
  std::string typed(text);
  std::ranges::replace(typed, ',', '.');
  double side = 0;
  const char* const end = typed.data() + typed.size();
  const auto [stop, error] = std::from_chars(typed.data(), end, side);
  if (typed.empty() || error != std::errc{} || stop != end || !std::isfinite(side) || side <= 0 || side > 10000)
    return std::nullopt;
  return side;
}

// A4, A5, A3 (any case) or WxH in millimetres.
std::optional<PaperSize> PaperOf(std::string_view text) {
  for (const NamedPaper& paper : kPaperSizes) {
    if (text.size() == paper.name.size() && std::toupper(static_cast<unsigned char>(text[0])) == paper.name[0] &&
        text.substr(1) == paper.name.substr(1))
      return paper.size;
  }
  const std::size_t cross = text.find_first_of("xX");
  if (cross == std::string_view::npos) return std::nullopt;
  const std::optional<double> width = PaperSide(text.substr(0, cross));
  const std::optional<double> height = PaperSide(text.substr(cross + 1));
  if (!width || !height) return std::nullopt;
  return PaperSize{*width, *height};
}

Problem TakePress(const RawArguments& raw, Options& options) {
  PressSettings& press = options.press;
  if (Problem problem = TakeNumberIn(raw, {"--bleed", 0, 50, "выпуск в мм"}, press.bleed))
    return problem;
  press.cropMarks = raw.has("--marks");
  // A book's pages are A4 unless asked otherwise.
  if (options.command == Command::Book) press.paper = kPaperSizes[1].size;
  if (const std::string* page = raw.value("--page")) {
    press.paper = PaperOf(*page);
    if (!press.paper) return "--page: A4, A5, A3 или ШxВ в мм (например 200x280), а не " + *page;
  }
  if (const std::string* icc = raw.value("--icc")) {
    if (icc->empty()) return "--icc: нужен файл профиля ICC";
    options.iccFile = *icc;
  }
  if (const std::string* condition = raw.value("--output-condition")) {
    if (condition->empty()) return "--output-condition: нужно название условия печати, например FOGRA39";
    press.outputCondition = *condition;
  }
  if (!options.iccFile && !FindRegisteredCondition(press.outputCondition))
    return UnregisteredConditionMessage(press.outputCondition) + " (--icc ФАЙЛ)";
  return std::nullopt;
}

Problem TakeFormat(const RawArguments& raw, Options& options) {
  if (const std::string* format = raw.value("--format")) {
    options.format = FormatOfExtension(*format);
    if (!options.format) return "--format: " + FormatWords() + ", а не " + *format;
  }
  options.fit = raw.has("--fit");
  options.strictFit = raw.has("--strict-fit");
  options.strict = raw.has("--strict");
  return std::nullopt;
}

Problem TakeAnswers(const RawArguments& raw, Options& options) {
  options.answers = raw.has("--answers");
  options.withAnswers = raw.has("--with-answers");
  if (Problem problem = TakeNumberIn(raw, kAnswerCellRange, options.answerCell)) return problem;
  if (options.answers && options.withAnswers) return "--answers и --with-answers не указываются вместе";
  const OutputKind& format = OutputOf(options.outputFormat());
  if ((options.answers || options.withAnswers) && !format.answerKey)
    return "ключ ответов пишется в PDF или SVG, а не в макрос";
  if (options.withAnswers && !format.pages) return "--with-answers добавляет страницу только к PDF";
  return std::nullopt;
}

}  // namespace

OutputFormat Options::outputFormat() const {
  if (format) return *format;
  if (input.everyPuzzle) return OutputFormat::Macro;
  return FormatOfFileName(output).value_or(OutputFormat::Macro);
}

ParsedArguments ParseArguments(const std::vector<std::string>& arguments) {
  // Help wins over everything else, but not as the value of an option.
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    if (IsHelpOption(arguments[index])) return HelpRequest{};
    const auto known = std::ranges::find(kOptions, std::string_view(arguments[index]), &KnownOption::name);
    if (known != std::end(kOptions) && known->takesValue) index += index + 1 < arguments.size() && arguments[index + 1] == "--" ? 2 : 1;
  }
  RawArguments raw;
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    const bool option = argument.size() > 1 && argument.front() == '-';
    if (Problem problem = option ? TakeOption(arguments, index, raw) : TakeCommand(argument, raw)) {
      return UsageError{std::move(*problem)};
    }
  }
  if (!raw.command) return UsageError{"не указана команда: export, save, check, info, book, rebreak или markup"};
  Options options;
  options.command = *raw.command;
  options.json = raw.has("--json");
  Problem problem = CheckOptionsBelongToCommand(raw);
  if (!problem) problem = options.command == Command::Book ? TakeBookInput(raw, options) : TakeInput(raw, options);
  if (!problem) problem = TakeOutput(raw, options);
  if (!problem) problem = TakeChoice(raw, options.choice);
  if (!problem) problem = TakeSettings(raw, options.settings);
  if (!problem) problem = TakeTypeset(raw, options.typeset);
  if (!problem) problem = TakePress(raw, options);
  if (!problem) problem = TakeFormat(raw, options);
  if (!problem && options.command != Command::Book) problem = TakeAnswers(raw, options);
  if (!problem && options.command == Command::Book) problem = TakeNumberIn(raw, kAnswerCellRange, options.answerCell);
  if (problem) return UsageError{std::move(*problem)};
  return options;
}

}  // namespace verstak::batch
