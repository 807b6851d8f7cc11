// The parsers of typed and read numbers against plain models of their rules:
// the settings dialog's fields (millimetres with a decimal comma, CMYK
// percentages), the new grid dialog's sizes, the open dialog's puzzle number
// and the number of a header line, the last also fed in two pieces as the
// line reader feeds a long line.

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "files/new_grid_size.h"
#include "files/open_files.h"
#include "files/puzzle_header.h"
#include "fuzz_support.h"
#include "settings/apply_settings.h"

namespace verstak::fuzz {
namespace {

bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view text, bool leadingSpacesOnly = false) {
  while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
  while (!text.empty() && (leadingSpacesOnly ? text.front() == ' ' : Blank(text.front()))) text.remove_prefix(1);
  return text;
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Decimal digits as a value, held at a bound far above every limit.
long long Value(std::string_view digits) {
  long long value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), 1LL << 40);
  return value;
}

struct Signed {
  bool negative = false;
  std::string_view digits;
};

// An optional sign, then the rest.
Signed SplitSign(std::string_view text) {
  Signed result;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    result.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  result.digits = text;
  return result;
}

struct FieldModel {
  std::optional<long long> value;  // taken
  std::string failure;             // or refused with this; neither: left empty
};

FieldModel Millimetres(const std::string& typed, const std::string& name, const std::string& zero,
                       const std::string& large) {
  if (typed.empty()) return {};
  const std::string_view text = Trimmed(typed);
  const std::size_t comma = text.find(',');
  const Signed whole = SplitSign(text.substr(0, comma));
  const std::string_view fraction = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  const std::string error = " В поле \"" + name + "...\" ошибка! ";
  if (!AllDigits(whole.digits) || !AllDigits(fraction) || fraction.size() > 4) return {std::nullopt, error};
  long long value = Value(whole.digits);
  for (std::size_t i = 0; i < 4; ++i)
    value = std::min(value * 10 + (i < fraction.size() ? fraction[i] - '0' : 0), 1LL << 40);
  if (whole.negative && value != 0) return {std::nullopt, error};
  if (value == 0) return {std::nullopt, zero};
  if (value > 1000000) return {std::nullopt, large};
  return {value, ""};
}

FieldModel Percent(const std::string& typed, const std::string& name) {
  const Signed number = SplitSign(Trimmed(typed, true));
  if (number.digits.empty() || !AllDigits(number.digits)) return {std::nullopt, " В поле \"" + name + "\" ошибка! "};
  const long long value = Value(number.digits);
  if (number.negative && value != 0) return {std::nullopt, " В поле \"" + name + "\" ошибка! "};
  if (value > 100) return {std::nullopt, " " + name + " не может быть более 100% "};
  return {value, ""};
}

void CheckSettings(FuzzedDataProvider& input) {
  SettingsFieldTexts fields;
  for (std::string* field :
       {&fields.width, &fields.height, &fields.cyan, &fields.magenta, &fields.yellow, &fields.black}) {
    *field = input.ConsumeRandomLengthString(12);
  }
  const CellCorners corners = input.ConsumeBool() ? CellCorners::Rounded : CellCorners::Square;
  const SettingsOutcome outcome = ApplySettings(PrintSettings{}, fields, SettingsFieldTexts{}, corners);

  PrintSettings expected;
  expected.cornerRadius = corners == CellCorners::Rounded ? 20000 : 0;
  std::string failure;
  const auto length = [&](const std::string& typed, std::int32_t& units, const std::string& name,
                          const std::string& zero, const std::string& large) {
    if (!failure.empty()) return;
    const FieldModel model = Millimetres(typed, name, zero, large);
    failure = model.failure;
    if (model.value) units = static_cast<std::int32_t>(*model.value);
  };
  length(fields.width, expected.cellWidth, "Ширина", " Ширина клетки не может быть равна 0! ",
         " Ширина клетки не может быть более 100 мм! ");
  length(fields.height, expected.cellHeight, "Высота", " Высота клетки не может быть равна 0! ",
         " Высота клетки не может быть более 100 мм! ");
  const auto colour = [&](const std::string& typed, std::string& text, const std::string& name, bool comma) {
    if (!failure.empty()) return;
    const FieldModel model = Percent(typed, name);
    failure = model.failure;
    if (model.value) text = std::to_string(*model.value) + (comma ? "," : "");
  };
  colour(fields.cyan, expected.cyanText, "Cyan", true);
  colour(fields.magenta, expected.magentaText, "Magenta", true);
  colour(fields.yellow, expected.yellowText, "Yellow", true);
  colour(fields.black, expected.blackText, "Black", false);

  Check((outcome.failure ? outcome.failure->text : "") == failure, "settings: another message than the model's");
  Check(outcome.settings == expected, "settings: other values than the model's");
  if (!outcome.failure) {
    const SettingsOutcome again =
        ApplySettings(PrintSettings{}, outcome.savedFieldTexts, SettingsFieldTexts{}, corners);
    Check(!again.failure && again.settings == outcome.settings, "settings: the kept texts say something else");
  }
}

FieldModel GridSide(const std::string& typed, const std::string& name) {
  const std::string_view text = Trimmed(typed);
  const Signed number = SplitSign(text);
  const long long value = Value(number.digits);
  // An empty field is refused like a word.
  if (number.digits.empty() || !AllDigits(number.digits) || (number.negative && value != 0)) {
    return {std::nullopt, " В поле \"" + name + "...\" ошибка! "};
  }
  if (value == 0) return {std::nullopt, " " + name + " не может быть равна 0 клеток! "};
  if (value > 99) return {std::nullopt, " " + name + " не может быть более 99 клеток! "};
  return {value, ""};
}

void CheckNewGrid(FuzzedDataProvider& input) {
  const std::string width = input.ConsumeRandomLengthString(8);
  const std::string height = input.ConsumeRandomLengthString(8);
  const NewGridCheck check = CheckNewGridSize(width, height);
  const FieldModel w = GridSide(width, "Ширина");
  const FieldModel h = w.failure.empty() ? GridSide(height, "Высота") : FieldModel{};
  const std::string failure = !w.failure.empty() ? w.failure : h.failure;
  Check((check.failure ? check.failure->text : "") == failure, "new grid: another message than the model's");
  const bool sized = failure.empty() && w.value && h.value;
  Check(check.size.has_value() == sized, "new grid: a size where the model has none, or none where it has one");
  if (sized) Check(check.size->width == *w.value && check.size->height == *h.value, "new grid: another size");
}

void CheckPuzzleNumber(FuzzedDataProvider& input) {
  const std::string typed = input.ConsumeRandomLengthString(16);
  const std::string_view text = Trimmed(typed);
  std::optional<int> expected;
  if (text.empty()) {
    expected = 1;
  } else if (AllDigits(text)) {
    expected = static_cast<int>(std::clamp(Value(text), 1LL, 10000LL));
  }
  Check(PuzzleNumberFromText(typed) == expected, "puzzle number: another number than the model's");
}

void CheckHeader(FuzzedDataProvider& input) {
  const std::string line = input.ConsumeRandomLengthString(40);
  std::optional<int> expected;
  const std::size_t sign = line.find('\xB9');
  if (sign != std::string::npos) {
    std::string_view rest = std::string_view(line).substr(sign + 1);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    const Signed number = SplitSign(rest);
    long long value = 0;
    const auto [end, error] = std::from_chars(number.digits.data(), number.digits.data() + number.digits.size(), value);
    if (!number.digits.empty() && AllDigits(number.digits) && error == std::errc{} &&
        end == number.digits.data() + number.digits.size()) {
      value = number.negative ? -value : value;
      if (value >= INT_MIN && value <= INT_MAX) expected = static_cast<int>(value);
    }
  }
  Check(ParsePuzzleHeader(line) == expected, "header: another number than the model's");
  if (sign != std::string::npos) {
    const std::string_view rest = std::string_view(line).substr(sign + 1);
    const std::size_t cut = input.ConsumeIntegralInRange<std::size_t>(0, rest.size());
    HeaderNumberParser pieces;
    pieces.feed(rest.substr(0, cut));
    pieces.feed(rest.substr(cut));
    Check(pieces.result() == expected, "header: fed in two pieces, another number");
  }
}

}  // namespace
}  // namespace verstak::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      verstak::fuzz::CheckSettings(input);
      break;
    case 1:
      verstak::fuzz::CheckNewGrid(input);
      break;
    case 2:
      verstak::fuzz::CheckPuzzleNumber(input);
      break;
    default:
      verstak::fuzz::CheckHeader(input);
      break;
  }
  return 0;
}
