#pragma once
// What keeps a puzzle from the press, each cause a line in Russian (UTF-8):
// the count of the clue texts ("Мало определений!" and the like), the
// markup's faults by cell, clue slots with no text and clues that do not
// fit (the fit report's lines), and definitions past the grid's last slot,
// which nothing prints. A strict export refuses to write while there is
// any; otherwise they are warnings.

#include <string>
#include <vector>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "print/fit_report.h"

namespace verstak {

// `fit` is the report of every clue of the document (as the one-layer
// layout sets them).
std::vector<std::string> PressFaults(const ScanwordDocument& document, const FitReport& fit);

// The refusal of a strict export: the causes under it, one a line.
UserMessage StrictRefusal(const std::vector<std::string>& faults);

// "Предупреждение: " before a cause written without --strict.
std::string WarningLine(const std::string& fault);

}  // namespace verstak
