#pragma once
// Taking the settings dialog's fields over into the print settings: cell
// width and height in millimetres with a decimal comma, the four CMYK
// percentages of the clue background, and the corner choice.

#include <optional>
#include <string>
#include <string_view>

#include "settings/print_settings.h"
#include "document/user_message.h"

namespace verstak {

// The dialog's six fields, as typed; also what it keeps as SavedFieldTexts.
// The defaults are the texts the fields show at start.
struct SettingsFieldTexts {
  std::string cyan = "0  ";
  std::string magenta = "0  ";
  std::string yellow = "0  ";
  std::string black = "20 ";
  std::string width = "12,636";
  std::string height = "12,636";

  friend bool operator==(const SettingsFieldTexts&, const SettingsFieldTexts&) = default;
};

enum class CellCorners {
  Square,   // "Не закруглять"
  Rounded,  // "Закруглять"
};

struct SettingsOutcome {
  PrintSettings settings;              // every field before the failing one applied
  SettingsFieldTexts savedFieldTexts;  // accepted fields take their text as typed
  Failure failure;                     // the first failing field's message
};

// A millimetre text with a decimal comma as the text of an integer in units
// of 0.0001 mm: "12,636" gives "126360", "12" gives "120000". nullopt when
// anything but up to four digits follows the comma.
std::optional<std::string> MillimetreTextToUnits(std::string_view text);

// The field texts that show `settings`, as the dialog shows them at start
// for the defaults: lengths in millimetres with a decimal comma and no
// trailing zeros, percentages padded with blanks to three characters.
SettingsFieldTexts FieldTextsFor(const PrintSettings& settings);

// The OK of the settings dialog: corners, width, height, cyan, magenta,
// yellow, black, in this order, stopping at the first field that fails.
SettingsOutcome ApplySettings(const PrintSettings& settings, const SettingsFieldTexts& fields,
                              const SettingsFieldTexts& savedFieldTexts, CellCorners corners);

}  // namespace verstak
