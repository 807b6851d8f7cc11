#pragma once
// The document as JSON for scripts:
//   {"width":W,"height":H,"kinds":[[row 1],...],"overlays":[[row 1],...],
//    "slots":N,"definitions":[[lines of slot 1],...]}
// Kinds and overlays as their codes, row by row; N the grid's clue slots;
// definitions for slots 1..k, k the last slot holding text, each slot's
// lines up to its last non-empty one, as UTF-8 strings.

#include <string>

#include "document/scanword_document.h"

namespace verstak::batch {

std::string DocumentJson(const ScanwordDocument& document);

}  // namespace verstak::batch
