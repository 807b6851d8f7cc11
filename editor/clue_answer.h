#pragma once
// The word a clue leads to, as the clue editor's line and the grid view's
// tooltip name it: "ответ: ПАРИЖ", "ответ: ?" while the grid file gave no
// letters (a letter it lacks shows as "?"), or "нет слова".

#include <QString>

#include "document/clue_links.h"
#include "document/scanword_document.h"

namespace verstak {

QString ClueAnswer(const ScanwordDocument& document, const ClueLinks& links, int slot);

// The clue texts of clue cell (x, y), each with its answer, one clue a line;
// empty when the cell is no clue cell.
QString ClueCellTip(const ScanwordDocument& document, int x, int y);

}  // namespace verstak
