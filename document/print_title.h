#pragma once
// The title the print output carries (the PDF's title, the SVG's <title>)
// and the answer key's caption, one rule for the windows and verstak-batch.

#include <filesystem>
#include <string>

namespace verstak {

// The scanword file's name when the document has one; otherwise
// "Сканворд N" after the puzzle number it was read by, or "Сканворд" for a
// grid of its own (number 0). UTF-8.
std::string PrintTitle(const std::filesystem::path& scanwordFile, int puzzleNumber);

// "Ответы к сканворду № N", or after the scanword file's name when the
// document has one. UTF-8.
std::string AnswerCaption(const std::filesystem::path& scanwordFile, int puzzleNumber);

}  // namespace verstak
