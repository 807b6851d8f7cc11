#pragma once
// The document for a person at a terminal: its size, clue cells, slots and
// definitions, and the grid drawn one character per cell with a legend.

#include <string>

#include "document/scanword_document.h"

namespace verstak::batch {

// The character a cell of this kind is drawn with.
char CellSymbol(CellKind kind);

// Several lines, each ending with a line break; UTF-8.
std::string DocumentSummary(const ScanwordDocument& document);

}  // namespace verstak::batch
