#include "settings/apply_settings.h"

#include <algorithm>
#include <cstdint>

#include "document/blanks.h"

namespace verstak {
namespace {

constexpr std::int64_t kMaxCellUnits = 1000000;  // 100 mm
constexpr std::int64_t kMaxPercent = 100;
constexpr int kUnitDigits = 4;  // 0.0001 mm

struct LengthField {
  std::string SettingsFieldTexts::*text;
  std::int32_t PrintSettings::*units;
  std::string_view notANumber;
  std::string_view zero;
  std::string_view tooLarge;
};

constexpr LengthField kLengthFields[] = {
    {&SettingsFieldTexts::width, &PrintSettings::cellWidth, " В поле \"Ширина...\" ошибка! ",
     " Ширина клетки не может быть равна 0! ", " Ширина клетки не может быть более 100 мм! "},
    {&SettingsFieldTexts::height, &PrintSettings::cellHeight, " В поле \"Высота...\" ошибка! ",
     " Высота клетки не может быть равна 0! ", " Высота клетки не может быть более 100 мм! "},
};

struct ColourField {
  std::string SettingsFieldTexts::*text;
  std::string PrintSettings::*setting;
  std::string_view name;  // as the field's messages call it
  bool trailingComma;     // all but black: the macro joins the four texts as they are
};

constexpr ColourField kColourFields[] = {
    {&SettingsFieldTexts::cyan, &PrintSettings::cyanText, "Cyan", true},
    {&SettingsFieldTexts::magenta, &PrintSettings::magentaText, "Magenta", true},
    {&SettingsFieldTexts::yellow, &PrintSettings::yellowText, "Yellow", true},
    {&SettingsFieldTexts::black, &PrintSettings::blackText, "Black", false},
};

// An optional sign and decimal digits, leading blanks allowed. The value
// saturates far above every limit, so a long row of digits is just too large.
struct Integer {
  bool negative = false;
  std::int64_t magnitude = 0;
};

std::optional<Integer> ParseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  Integer result;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    result.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    result.magnitude = std::min<std::int64_t>(result.magnitude * 10 + (c - '0'), std::int64_t{1} << 40);
  }
  return result;
}

// Negative values are refused like text that is no number.
std::optional<std::int64_t> ParseNonNegative(std::string_view text) {
  const std::optional<Integer> integer = ParseInteger(text);
  if (!integer || (integer->negative && integer->magnitude != 0)) return std::nullopt;
  return integer->magnitude;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

UserMessage Error(std::string_view text) { return UserMessage::Error(std::string(text)); }

// An empty field leaves the length as it is.
Failure ApplyLength(const LengthField& field, const SettingsFieldTexts& fields, SettingsOutcome& outcome) {
  const std::string& typed = fields.*field.text;
  if (typed.empty()) return std::nullopt;
  const std::optional<std::string> units = MillimetreTextToUnits(TrimBlanks(typed));
  const std::optional<std::int64_t> value = units ? ParseNonNegative(*units) : std::nullopt;
  if (!value) return Error(field.notANumber);
  if (*value == 0) return Error(field.zero);
  if (*value > kMaxCellUnits) return Error(field.tooLarge);
  outcome.settings.*field.units = static_cast<std::int32_t>(*value);
  outcome.savedFieldTexts.*field.text = typed;
  return std::nullopt;
}

// Stored as its plain decimal value, so that no input can break the macro's
// fill line.
Failure ApplyColour(const ColourField& field, const SettingsFieldTexts& fields, SettingsOutcome& outcome) {
  const std::string& typed = fields.*field.text;
  const std::optional<std::int64_t> value = ParseNonNegative(TrimTrailingBlanks(typed));
  const std::string name(field.name);
  if (!value) return Error(" В поле \"" + name + "\" ошибка! ");
  if (*value > kMaxPercent) return Error(" " + name + " не может быть более 100% ");
  outcome.settings.*field.setting = std::to_string(*value) + (field.trailingComma ? "," : "");
  outcome.savedFieldTexts.*field.text = typed;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> MillimetreTextToUnits(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::string(text) + std::string(kUnitDigits, '0');
  const std::string_view fraction = text.substr(comma + 1);
  // A sign or a blank there would be taken into the number once the comma is gone.
  if (fraction.size() > kUnitDigits || !std::ranges::all_of(fraction, IsDigit)) return std::nullopt;
  return std::string(text.substr(0, comma)) + std::string(fraction) + std::string(kUnitDigits - fraction.size(), '0');
}

namespace {

std::string MillimetreText(std::int32_t units) {
  std::string text = std::to_string(units / 10000);
  std::string fraction = std::to_string(10000 + units % 10000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? text : text + "," + fraction;
}

std::string PercentText(const std::string& setting) {
  std::string text(TrimBlanks(setting.substr(0, setting.find(','))));
  if (text.size() < 3) text.resize(3, ' ');
  return text;
}

}  // namespace

SettingsFieldTexts FieldTextsFor(const PrintSettings& settings) {
  return {PercentText(settings.cyanText),   PercentText(settings.magentaText),   PercentText(settings.yellowText),
          PercentText(settings.blackText),  MillimetreText(settings.cellWidth), MillimetreText(settings.cellHeight)};
}

SettingsOutcome ApplySettings(const PrintSettings& settings, const SettingsFieldTexts& fields,
                              const SettingsFieldTexts& savedFieldTexts, CellCorners corners) {
  SettingsOutcome outcome{settings, savedFieldTexts, std::nullopt};
  outcome.settings.cornerRadius = corners == CellCorners::Rounded ? 20000 : 0;
  for (const LengthField& field : kLengthFields) {
    outcome.failure = ApplyLength(field, fields, outcome);
    if (outcome.failure) return outcome;
  }
  for (const ColourField& field : kColourFields) {
    outcome.failure = ApplyColour(field, fields, outcome);
    if (outcome.failure) return outcome;
  }
  return outcome;
}

}  // namespace verstak
