#pragma once
// The clue font: found by family name with fontconfig or taken from a file,
// with the advance widths the PDF will set its glyphs at. The measurements
// of the typesetting come from here, so that what fits is what is printed.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/user_message.h"

namespace verstak {

struct TypesetFont {
  std::filesystem::path file;  // the TrueType file the PDF embeds
  std::string family;          // UTF-8, as an SVG names it
  // Advance width of each cp1251 byte in thousandths of the size, exactly as
  // the PDF's width table gives it (the PDF sets no kerning).
  std::array<std::uint16_t, 256> advance{};
  int ascent = 0;   // thousandths of the size, above the baseline
  int descent = 0;  // thousandths of the size, below the baseline (negative)

  // The advance of a line, in thousandths of the size.
  long long lineAdvance(std::string_view cp1251) const {
    long long units = 0;
    for (const char c : cp1251) units += advance[static_cast<unsigned char>(c)];
    return units;
  }
};

struct FontOutcome {
  std::optional<TypesetFont> font;
  Failure failure;  // names the font that could not be found or read
};

// `font` is a family name for fontconfig (a style may follow a colon), or
// the path of a .ttf file: a name holding a slash or ending in .ttf, .otf or
// .ttc is taken as a path.
FontOutcome LoadTypesetFont(std::string_view font);

// The file `font` names, as LoadTypesetFont finds it; nullopt when there is none.
std::optional<std::filesystem::path> FontFile(std::string_view font);

// True when `font` names a file that is there but is no font libhpdf may
// read: damaged, or not TrueType.
bool FontRefused(std::string_view font);

// The file fontconfig picks for a family name (a style may follow a colon);
// nullopt unless that file is of the family asked for.
std::optional<std::filesystem::path> FontFileOfFamily(std::string_view font);

}  // namespace verstak
