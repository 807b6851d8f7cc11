#pragma once
// "Перенести строки": the lines the print output sets, written back into the
// clue texts, so that the macro gets the same lines. A clue whose set lines
// a clue text cannot hold (more than 16 lines, a line over 32 bytes) is left
// as it is and said.

#include <string>
#include <vector>

#include "document/scanword_document.h"
#include "print/clue_typesetting.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "settings/print_settings.h"

namespace verstak {

struct RebrokenClue {
  int slot = 0;
  DefinitionText text;  // its lines as set
};

struct CluesRebroken {
  std::vector<RebrokenClue> changed;  // in slot order, only those whose lines change
  // One line each (UTF-8) for the clues set in more lines, or longer ones,
  // than a clue text holds:
  //   "Определение 12 (строка 3, столбец 5): набрано строк: 17, а определение вмещает 16"
  //   "Определение 7 (строка 1, столбец 2): строка «…» длиннее 32 знаков"
  std::vector<std::string> refused;
};

CluesRebroken RebreakClues(const ScanwordDocument& document, const PrintSettings& settings,
                           const TypesetSettings& typeset, const TypesetFont& font);

// Every change applied to the document.
void ApplyRebroken(ScanwordDocument& document, const CluesRebroken& rebroken);

}  // namespace verstak
