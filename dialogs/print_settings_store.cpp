#include "dialogs/print_settings_store.h"

#include <QSettings>
#include <string>

#include "settings/apply_settings.h"

namespace verstak {
namespace {

const char* const kCellWidth = "print/cellWidth";
const char* const kCellHeight = "print/cellHeight";
const char* const kCornerRadius = "print/cornerRadius";

constexpr std::int32_t kLargestCell = 1000000;  // 100 mm
constexpr std::int32_t kRoundedRadius = 20000;

struct ColourKey {
  const char* key;
  std::string PrintSettings::*text;
  std::string SettingsFieldTexts::*field;
};

constexpr ColourKey kColours[] = {
    {"print/cyan", &PrintSettings::cyanText, &SettingsFieldTexts::cyan},
    {"print/magenta", &PrintSettings::magentaText, &SettingsFieldTexts::magenta},
    {"print/yellow", &PrintSettings::yellowText, &SettingsFieldTexts::yellow},
    {"print/black", &PrintSettings::blackText, &SettingsFieldTexts::black},
};

std::int32_t CellSide(const QSettings& kept, const char* key, std::int32_t fallback) {
  bool ok = false;
  const int value = kept.value(QLatin1String(key)).toInt(&ok);
  return ok && value > 0 && value <= kLargestCell ? value : fallback;
}

// The text the dialog's OK makes of some field text, or the default: the
// field is tried without the comma the dialog appends.
std::string ColourText(const QSettings& kept, const ColourKey& colour) {
  const PrintSettings defaults;
  const std::string stored = kept.value(QLatin1String(colour.key)).toString().toStdString();
  std::string typed = stored;
  if (!typed.empty() && typed.back() == ',') typed.pop_back();
  SettingsFieldTexts fields = FieldTextsFor(defaults);
  fields.*colour.field = typed;
  const SettingsOutcome outcome = ApplySettings(defaults, fields, fields, CellCorners::Square);
  return !outcome.failure && outcome.settings.*colour.text == stored ? stored : defaults.*colour.text;
}

}  // namespace

PrintSettings LoadPrintSettings(const QSettings& kept) {
  PrintSettings settings;
  settings.cellWidth = CellSide(kept, kCellWidth, settings.cellWidth);
  settings.cellHeight = CellSide(kept, kCellHeight, settings.cellHeight);
  bool ok = false;
  const int radius = kept.value(QLatin1String(kCornerRadius)).toInt(&ok);
  settings.cornerRadius = ok && radius == kRoundedRadius ? kRoundedRadius : 0;
  for (const ColourKey& colour : kColours) settings.*colour.text = ColourText(kept, colour);
  return settings;
}

void KeepPrintSettings(QSettings& kept, const PrintSettings& settings) {
  kept.setValue(QLatin1String(kCellWidth), settings.cellWidth);
  kept.setValue(QLatin1String(kCellHeight), settings.cellHeight);
  kept.setValue(QLatin1String(kCornerRadius), settings.cornerRadius);
  for (const ColourKey& colour : kColours) {
    kept.setValue(QLatin1String(colour.key), QString::fromStdString(settings.*colour.text));
  }
}

}  // namespace verstak
