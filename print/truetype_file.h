#pragma once
// A look at a font file before libhpdf reads it. libhpdf trusts the file:
// its table directory, and the counts and offsets inside the tables it reads
// (a glyph count in maxp below hhea's count of metrics makes it write past
// its buffer). Each of those is checked here first, against the file's size
// and against each other.

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace verstak {

// Why libhpdf must not be given the font, in words for the user ("нужен
// шрифт TrueType", "повреждена таблица «hmtx»"), or nothing when it may.
std::optional<std::string> TrueTypeFault(std::span<const unsigned char> font);
std::optional<std::string> TrueTypeFault(const std::filesystem::path& file);

// A plain TrueType font (not a collection, not CFF outlines) that libhpdf
// may read.
inline bool LooksLikeTrueType(const std::filesystem::path& file) { return !TrueTypeFault(file); }

}  // namespace verstak
