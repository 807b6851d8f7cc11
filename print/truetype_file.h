#pragma once
// A first look at a font file before libhpdf reads it: libhpdf trusts the
// file's table directory and crashes on a file that is not TrueType.

#include <filesystem>

namespace verstak {

// True when the file starts like a TrueType font (not a collection, not CFF
// outlines) and its table directory names the tables libhpdf reads, each
// lying inside the file.
bool LooksLikeTrueType(const std::filesystem::path& file);

}  // namespace verstak
