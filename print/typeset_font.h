#pragma once
// The clue font: found by family name with fontconfig or taken from a file,
// with the advance widths the PDF will set its glyphs at. The measurements
// of the typesetting come from here, so that what fits is what is printed.

#include <array>
#include <bitset>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/user_message.h"
#include "print/font_tables.h"

namespace verstak {

struct TypesetFont {
  std::filesystem::path file;  // the TrueType file the PDF embeds
  std::string family;          // UTF-8, as an SVG names it
  // Advance width of each cp1251 byte in thousandths of the size, exactly as
  // the PDF's width table gives it.
  std::array<std::uint16_t, 256> advance{};
  int ascent = 0;   // thousandths of the size, above the baseline
  int descent = 0;  // thousandths of the size, below the baseline (negative)
  std::bitset<256> glyphs;                     // cp1251 bytes whose character the font has
  std::shared_ptr<const KerningPairs> kerning;  // null: the font kerns no pair

  // How much closer (negative) or further apart two neighbours are set, in
  // thousandths of the size. A word space keeps its width: narrowed, text
  // extraction reads the two words as one.
  int kern(unsigned char left, unsigned char right) const {
    if (!kerning || left == ' ' || right == ' ') return 0;
    return (*kerning)[std::size_t{left} << 8 | right];
  }

  // The advance of a line, in thousandths of the size, kerned or not.
  long long lineAdvance(std::string_view cp1251, bool kerned = false) const {
    long long units = 0;
    unsigned char previous = 0;
    for (const char c : cp1251) {
      const auto byte = static_cast<unsigned char>(c);
      units += advance[byte];
      if (kerned && previous != 0) units += kern(previous, byte);
      previous = byte;
    }
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
