#pragma once
// The print settings (cell size, clue background colour, corners) kept
// between runs in the user's settings. Each value is checked on the way in
// by the settings dialog's own rules, so that a settings file edited by hand
// cannot give the macro a value the dialog would refuse; such a value is its
// default.

#include "settings/print_settings.h"

class QSettings;

namespace verstak {

PrintSettings LoadPrintSettings(const QSettings& kept);
void KeepPrintSettings(QSettings& kept, const PrintSettings& settings);

}  // namespace verstak
