#pragma once
// The words of info --json, added to the document's JSON:
//   "answers":[{"answer":"КОТ","word":{"row":1,"column":2,"direction":"across","length":3}},...]
//   "words":N, "faults":["строка R, столбец C: ...",...]
// one answer for every clue slot of the grid, slot 1 first; "answer" is
// null when a letter is unknown or the clue leads to no word, "word" null
// when it leads to none.

#include <string>

#include "document/scanword_document.h"

namespace verstak::batch {

// `documentJson` (an object) with "answers", "words" and "faults" added.
std::string WithWords(std::string documentJson, const ScanwordDocument& document);

}  // namespace verstak::batch
