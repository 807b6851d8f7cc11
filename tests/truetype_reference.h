#pragma once
// Advance widths and glyph bounds read straight from a TrueType file, apart
// from the code under test and from libhpdf: the table directory, head's
// units per em, hhea's count of long metrics, hmtx, loca and the glyph
// headers of glyf, and the Unicode BMP subtable (format 4) of cmap.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace verstak::testing {

class TrueTypeReference {
 public:
  explicit TrueTypeReference(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const int tables = u16(4);
    for (int i = 0; i < tables; ++i) {
      const std::size_t entry = 12 + 16 * static_cast<std::size_t>(i);
      tables_[std::string(data_.data() + entry, 4)] = u32(entry + 8);
    }
    unitsPerEm_ = u16(table("head") + 18);
    const int longMetrics = u16(table("hhea") + 34);
    const std::size_t hmtx = table("hmtx");
    for (int glyph = 0; glyph < longMetrics; ++glyph)
      advances_.push_back(u16(hmtx + 4 * static_cast<std::size_t>(glyph)));
    readCmap();
  }

  int unitsPerEm() const { return unitsPerEm_; }

  // True when the Unicode cmap gives the character a glyph of its own.
  bool maps(char32_t c) const {
    const auto glyph = glyphs_.find(c);
    return glyph != glyphs_.end() && glyph->second != 0;
  }

  // The lowest and highest point of a character's outline, in font units.
  std::pair<int, int> verticalBounds(char32_t c) const {
    const std::size_t head = table("head");
    const bool longOffsets = u16(head + 50) != 0;
    const std::size_t glyph = glyphs_.at(c), loca = table("loca");
    const std::size_t offset = longOffsets ? u32(loca + 4 * glyph) : 2 * static_cast<std::size_t>(u16(loca + 2 * glyph));
    const std::size_t header = table("glyf") + offset;
    return {static_cast<std::int16_t>(u16(header + 4)), static_cast<std::int16_t>(u16(header + 8))};
  }

  // The advance of the glyph for a character, in font units.
  int advance(char32_t c) const {
    const auto glyph = glyphs_.find(c);
    const std::size_t index = glyph == glyphs_.end() ? 0 : glyph->second;
    return advances_.at(std::min(index, advances_.size() - 1));
  }

 private:
  int u16(std::size_t at) const {
    return static_cast<unsigned char>(data_.at(at)) << 8 | static_cast<unsigned char>(data_.at(at + 1));
  }
  std::size_t u32(std::size_t at) const {
    return static_cast<std::size_t>(u16(at)) << 16 | static_cast<std::size_t>(u16(at + 2));
  }
  std::size_t table(const std::string& tag) const {
    const auto found = tables_.find(tag);
    if (found == tables_.end()) ADD_FAILURE() << "no table " << tag;
    return found == tables_.end() ? 0 : found->second;
  }

  // Windows Unicode BMP (platform 3, encoding 1), format 4: segments of
  // codes with a delta or an offset into the glyph array.
  void readCmap() {
    const std::size_t cmap = table("cmap");
    std::size_t subtable = 0;
    for (int i = 0, count = u16(cmap + 2); i < count; ++i) {
      const std::size_t record = cmap + 4 + 8 * static_cast<std::size_t>(i);
      if (u16(record) == 3 && u16(record + 2) == 1) subtable = cmap + u32(record + 4);
    }
    ASSERT_NE(subtable, 0u) << "no Unicode cmap";
    ASSERT_EQ(u16(subtable), 4);
    const std::size_t segments = static_cast<std::size_t>(u16(subtable + 6)) / 2;
    const std::size_t ends = subtable + 14, starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments, offsets = deltas + 2 * segments;
    for (std::size_t s = 0; s < segments; ++s) {
      const int end = u16(ends + 2 * s), start = u16(starts + 2 * s);
      const int delta = u16(deltas + 2 * s), offset = u16(offsets + 2 * s);
      for (int c = start; c <= end && c != 0xFFFF; ++c) {
        int glyph = 0;
        if (offset == 0) {
          glyph = (c + delta) & 0xFFFF;
        } else {
          glyph = u16(offsets + 2 * s + static_cast<std::size_t>(offset) + 2 * static_cast<std::size_t>(c - start));
          if (glyph != 0) glyph = (glyph + delta) & 0xFFFF;
        }
        glyphs_[static_cast<char32_t>(c)] = static_cast<std::size_t>(glyph);
      }
    }
  }

  std::vector<char> data_;
  std::map<std::string, std::size_t> tables_;
  int unitsPerEm_ = 1000;
  std::vector<int> advances_;
  std::map<char32_t, std::size_t> glyphs_;
};

}  // namespace verstak::testing
