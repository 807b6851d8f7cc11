#pragma once
// Clue bytes as the print output sets them. A clue line may hold any byte
// (a scanword file is read as it is); what cannot be printed must not reach
// a PDF string or an XML document.

#include <string>
#include <string_view>

namespace verstak {

// A tab becomes a blank; the other control bytes, DEL and 0x98 (which
// cp1251 leaves unassigned) are dropped. Everything else stays cp1251.
std::string PrintableText(std::string_view cp1251);

// A clue line as set: printable, its runs of blanks one blank, none at its
// ends (they would only push the line off its centre).
std::string SetLineText(std::string_view cp1251);

}  // namespace verstak
