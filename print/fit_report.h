#pragma once
// Which clues do not fit their cells: every clue set at the minimum size
// and still too wide or too tall, and every clue slot of a clue cell that
// holds no text; and the sizes the clues with text were set at.

#include <map>
#include <string>
#include <vector>

#include "document/scanword_document.h"
#include "print/clue_typesetting.h"
#include "print/print_drawing.h"
#include "settings/print_settings.h"

namespace verstak {

struct FitReport {
  std::vector<ClueFit> clues;  // in slot order
  std::map<double, int> sizes;  // clues with text by the size they were set at
  int rebroken = 0;             // clues whose text was broken into lines again

  bool empty() const { return clues.empty(); }
  // Clues with text that does not fit (not counting the empty slots).
  int overflowing() const;
};

// From a drawing already made: only the clues it sets.
FitReport MakeFitReport(const Drawing& drawing);

// Every clue of the document, as the one-layer layout sets it; nothing is written.
FitReport MakeFitReport(const ScanwordDocument& document, const PrintSettings& settings, const TypesetSettings& typeset,
                        const TypesetFont& font);
std::vector<ClueFit> AllClueFits(const ScanwordDocument& document, const PrintSettings& settings,
                                 const TypesetSettings& typeset, const TypesetFont& font);

// One line in Russian, UTF-8, without a line break:
//   "Определение 12 (строка 3, столбец 5, верхняя половина): «…» не помещается:
//    по ширине на 1,2 мм, по высоте на 0,5 мм"
//   "Определение 7 (строка 1, столбец 2): нет текста"
// The text quoted is the first line set that does not fit.
std::string FitReportLine(const ClueFit& clue);

// "Размеры: 7 пт — 310, 6,5 пт — 2; набрано заново: 41", the largest size first.
std::string FitSizesLine(const FitReport& report);

// "целиком", "верхняя половина" and so on.
std::string_view HalfName(ClueHalf half);

}  // namespace verstak
