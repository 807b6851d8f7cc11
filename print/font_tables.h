#pragma once
// What the typesetting reads from a TrueType file beyond libhpdf's widths:
// which characters have a glyph (cmap) and how pairs of them are kerned
// (GPOS pair adjustments of the "kern" feature, or else the kern table).
// The file is not trusted: every read is checked against its length.

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string_view>

namespace verstak {

// Kerning of each pair of cp1251 bytes, in thousandths of the size; most
// fonts kern a few hundred pairs of the 65536.
using KerningPairs = std::array<std::int16_t, 256 * 256>;

struct FontTables {
  std::bitset<256> glyphs;                     // cp1251 bytes whose character the font has
  std::shared_ptr<const KerningPairs> kerning;  // null when the font kerns no pair
};

FontTables ReadFontTables(std::string_view file);

}  // namespace verstak
