#include "print/font_tables.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <set>
#include <vector>

#include "document/cp1251.h"

namespace verstak {
namespace {

// Big-endian reads that give 0 past the end of the file.
class FontBytes {
 public:
  explicit FontBytes(std::string_view data) : data_(data) {}

  std::uint32_t u16(std::size_t at) const { return at + 2 <= data_.size() ? byte(at) << 8 | byte(at + 1) : 0; }
  int s16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }
  std::uint32_t u32(std::size_t at) const { return u16(at) << 16 | u16(at + 2); }
  std::string_view tag(std::size_t at) const { return at + 4 <= data_.size() ? data_.substr(at, 4) : ""; }
  // Records counted by the file stop at its end, so that a damaged count costs no more than the file's length.
  bool inside(std::size_t at) const { return at < data_.size(); }

  // The offset of a table, 0 when the file has none.
  std::size_t table(std::string_view name) const {
    const std::uint32_t count = u16(4);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::size_t record = 12 + 16 * std::size_t{i};
      if (tag(record) == name) return u32(record + 8) < data_.size() ? u32(record + 8) : 0;
    }
    return 0;
  }

 private:
  std::uint32_t byte(std::size_t at) const { return static_cast<unsigned char>(data_[at]); }
  std::string_view data_;
};

// The glyph of a character in a Unicode subtable of cmap, format 4 or 12.
class CharacterMap {
 public:
  explicit CharacterMap(const FontBytes& font) : font_(font) {
    const std::size_t cmap = font.table("cmap");
    if (cmap == 0) return;
    int best = 0;
    for (std::uint32_t i = 0, count = font.u16(cmap + 2); i < count; ++i) {
      const std::size_t record = cmap + 4 + 8 * std::size_t{i};
      const std::uint32_t platform = font.u16(record), encoding = font.u16(record + 2);
      const std::size_t at = cmap + font.u32(record + 4);
      const std::uint32_t format = font.u16(at);
      const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
      const int rank = !unicode ? 0 : format == 12 ? 2 : format == 4 ? 1 : 0;
      if (rank > best) {
        best = rank;
        subtable_ = at;
        format_ = format;
      }
    }
  }

  std::uint32_t glyph(char32_t c) const {
    if (format_ == 4) return glyphOfFormat4(c);
    if (format_ == 12) return glyphOfFormat12(c);
    return 0;
  }

 private:
  std::uint32_t glyphOfFormat4(char32_t c) const {
    if (c > 0xFFFF) return 0;
    const std::size_t segments = font_.u16(subtable_ + 6) / 2;
    const std::size_t ends = subtable_ + 14, starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments, offsets = deltas + 2 * segments;
    for (std::size_t s = 0; s < segments; ++s) {
      if (c > font_.u16(ends + 2 * s)) continue;
      const std::uint32_t start = font_.u16(starts + 2 * s);
      if (c < start) return 0;
      const std::uint32_t delta = font_.u16(deltas + 2 * s), offset = font_.u16(offsets + 2 * s);
      if (offset == 0) return (c + delta) & 0xFFFF;
      const std::uint32_t glyph = font_.u16(offsets + 2 * s + offset + 2 * (c - start));
      return glyph == 0 ? 0 : (glyph + delta) & 0xFFFF;
    }
    return 0;
  }

  std::uint32_t glyphOfFormat12(char32_t c) const {
    const std::uint32_t groups = font_.u32(subtable_ + 12);
    for (std::uint32_t g = 0; g < groups && font_.inside(subtable_ + 16 + 12 * std::size_t{g}); ++g) {
      const std::size_t group = subtable_ + 16 + 12 * std::size_t{g};
      const std::uint32_t first = font_.u32(group), last = font_.u32(group + 4);
      if (c >= first && c <= last) return font_.u32(group + 8) + (c - first);
    }
    return 0;
  }

  const FontBytes& font_;
  std::size_t subtable_ = 0;
  std::uint32_t format_ = 0;
};

// The glyphs of the cp1251 characters and the bytes each stands for.
struct CharacterGlyphs {
  std::array<std::uint32_t, 256> glyphOf{};  // 0: none
  std::vector<std::pair<std::uint32_t, unsigned char>> bytesOf;  // sorted by glyph

  explicit CharacterGlyphs(const CharacterMap& map) {
    for (int byte = 0x20; byte < 256; ++byte) {
      if (byte == 0x7F || byte == 0x98) continue;
      const std::uint32_t glyph = map.glyph(Cp1251ToUnicode(static_cast<unsigned char>(byte)));
      glyphOf[static_cast<std::size_t>(byte)] = glyph;
      if (glyph != 0) bytesOf.emplace_back(glyph, static_cast<unsigned char>(byte));
    }
    std::ranges::sort(bytesOf);
  }

  template <class Visit>
  void forBytesOf(std::uint32_t glyph, Visit visit) const {
    auto at = std::ranges::lower_bound(bytesOf, std::pair<std::uint32_t, unsigned char>{glyph, 0});
    for (; at != bytesOf.end() && at->first == glyph; ++at) visit(at->second);
  }
};

// Pairs collected in font units, then scaled to thousandths of the size.
class PairSums {
 public:
  explicit PairSums(int unitsPerEm) : unitsPerEm_(unitsPerEm > 0 ? unitsPerEm : 1000) {}

  void add(unsigned char left, unsigned char right, int units) { sums_[Index(left, right)] += units; }
  bool decided(unsigned char left, unsigned char right) const { return decided_[Index(left, right)]; }
  void decide(unsigned char left, unsigned char right) { decided_.set(Index(left, right)); }
  void nextLookup() { decided_.reset(); }

  std::shared_ptr<const KerningPairs> take() const {
    auto pairs = std::make_shared<KerningPairs>();
    bool any = false;
    for (std::size_t i = 0; i < sums_.size(); ++i) {
      const long value = std::lround(static_cast<double>(sums_[i]) * 1000 / unitsPerEm_);
      (*pairs)[i] = static_cast<std::int16_t>(std::clamp<long>(value, -32768, 32767));
      any = any || (*pairs)[i] != 0;
    }
    return any ? pairs : nullptr;
  }

 private:
  static std::size_t Index(unsigned char left, unsigned char right) { return std::size_t{left} << 8 | right; }
  int unitsPerEm_;
  std::vector<int> sums_ = std::vector<int>(256 * 256, 0);
  std::bitset<256 * 256> decided_;
};

// Format 0 subtables of a version 0 kern table that kern horizontally.
void ReadKernTable(const FontBytes& font, std::size_t kern, const CharacterGlyphs& glyphs, PairSums& sums) {
  if (font.u16(kern) != 0) return;
  std::size_t subtable = kern + 4;
  for (std::uint32_t t = 0, count = font.u16(kern + 2); t < count; ++t) {
    const std::uint32_t length = font.u16(subtable + 2), coverage = font.u16(subtable + 4);
    const bool horizontalFormat0 = (coverage & 0xFF07) == 0x0001;
    if (horizontalFormat0) {
      const std::uint32_t pairs = font.u16(subtable + 6);
      for (std::uint32_t p = 0; p < pairs && font.inside(subtable + 14 + 6 * std::size_t{p}); ++p) {
        const std::size_t pair = subtable + 14 + 6 * std::size_t{p};
        const int value = font.s16(pair + 4);
        glyphs.forBytesOf(font.u16(pair), [&](unsigned char left) {
          glyphs.forBytesOf(font.u16(pair + 2), [&](unsigned char right) { sums.add(left, right, value); });
        });
      }
    }
    if (length < 6 || !font.inside(subtable + length)) break;
    subtable += length;
  }
}

// Pair adjustments of GPOS: the first subtable of a lookup that holds a pair
// decides it; the lookups add up, as shapers apply them one after another.
class GposPairs {
 public:
  GposPairs(const FontBytes& font, std::size_t gpos, const CharacterGlyphs& glyphs, PairSums& sums)
      : font_(font), gpos_(gpos), glyphs_(glyphs), sums_(sums) {}

  bool read() {
    const std::set<std::uint32_t> lookups = kernLookups();
    const std::size_t list = gpos_ + font_.u16(gpos_ + 8);
    for (const std::uint32_t index : lookups) {
      const std::size_t lookup = list + font_.u16(list + 2 + 2 * std::size_t{index});
      sums_.nextLookup();
      const std::uint32_t type = font_.u16(lookup);
      for (std::uint32_t s = 0, count = font_.u16(lookup + 4); s < count && font_.inside(lookup + 6 + 2 * std::size_t{s}); ++s) {
        std::size_t subtable = lookup + font_.u16(lookup + 6 + 2 * std::size_t{s});
        std::uint32_t subtableType = type;
        if (type == 9) {  // an extension: the real type and a 32-bit offset
          subtableType = font_.u16(subtable + 2);
          subtable += font_.u32(subtable + 4);
        }
        if (subtableType == 2) pairSubtable(subtable);
      }
    }
    return !lookups.empty();
  }

 private:
  // The "kern" features of the Cyrillic, default and Latin scripts.
  std::set<std::uint32_t> kernLookups() const {
    std::set<std::uint32_t> features;
    const std::size_t scripts = gpos_ + font_.u16(gpos_ + 4);
    for (std::uint32_t i = 0, count = font_.u16(scripts); i < count; ++i) {
      const std::size_t record = scripts + 2 + 6 * std::size_t{i};
      const std::string_view tag = font_.tag(record);
      if (tag != "cyrl" && tag != "DFLT" && tag != "latn") continue;
      const std::size_t script = scripts + font_.u16(record + 4);
      if (font_.u16(script) == 0) continue;
      const std::size_t langSys = script + font_.u16(script);
      for (std::uint32_t f = 0, n = font_.u16(langSys + 4); f < n; ++f) features.insert(font_.u16(langSys + 6 + 2 * f));
    }
    std::set<std::uint32_t> lookups;
    const std::size_t list = gpos_ + font_.u16(gpos_ + 6);
    for (const std::uint32_t index : features) {
      if (index >= font_.u16(list)) continue;
      const std::size_t record = list + 2 + 6 * std::size_t{index};
      if (font_.tag(record) != "kern") continue;
      const std::size_t feature = list + font_.u16(record + 4);
      for (std::uint32_t l = 0, n = font_.u16(feature + 2); l < n; ++l) lookups.insert(font_.u16(feature + 4 + 2 * l));
    }
    return lookups;
  }

  // The index of a glyph in a coverage table, or nullopt.
  std::optional<std::uint32_t> covered(std::size_t coverage, std::uint32_t glyph) const {
    const std::uint32_t format = font_.u16(coverage), count = font_.u16(coverage + 2);
    for (std::uint32_t i = 0; i < count && font_.inside(coverage + 4 + 2 * std::size_t{i}) && spend(); ++i) {
      if (format == 1 && font_.u16(coverage + 4 + 2 * std::size_t{i}) == glyph) return i;
      if (format != 2) continue;
      const std::size_t range = coverage + 4 + 6 * std::size_t{i};
      if (glyph >= font_.u16(range) && glyph <= font_.u16(range + 2)) return font_.u16(range + 4) + glyph - font_.u16(range);
    }
    return std::nullopt;
  }

  std::uint32_t glyphClass(std::size_t classDef, std::uint32_t glyph) const {
    const std::uint32_t format = font_.u16(classDef);
    if (format == 1) {
      const std::uint32_t start = font_.u16(classDef + 2), count = font_.u16(classDef + 4);
      return glyph >= start && glyph < start + count ? font_.u16(classDef + 6 + 2 * std::size_t{glyph - start}) : 0;
    }
    if (format != 2) return 0;
    for (std::uint32_t i = 0, count = font_.u16(classDef + 2);
         i < count && font_.inside(classDef + 4 + 6 * std::size_t{i}) && spend(); ++i) {
      const std::size_t range = classDef + 4 + 6 * std::size_t{i};
      if (glyph >= font_.u16(range) && glyph <= font_.u16(range + 2)) return font_.u16(range + 4);
    }
    return 0;
  }

  // The first value's horizontal advance; the record's fields come in the order of their bits.
  int xAdvance(std::size_t record, std::uint32_t valueFormat) const {
    if (!(valueFormat & 0x0004)) return 0;
    return font_.s16(record + 2 * std::size_t(std::popcount(valueFormat & 0x0003u)));
  }

  void decide(std::uint32_t first, std::uint32_t second, int units) {
    glyphs_.forBytesOf(first, [&](unsigned char left) {
      glyphs_.forBytesOf(second, [&](unsigned char right) {
        if (sums_.decided(left, right)) return;
        sums_.decide(left, right);
        sums_.add(left, right, units);
      });
    });
  }

  void pairSubtable(std::size_t subtable) {
    const std::uint32_t format = font_.u16(subtable);
    const std::size_t coverage = subtable + font_.u16(subtable + 2);
    const std::uint32_t format1 = font_.u16(subtable + 4), format2 = font_.u16(subtable + 6);
    const std::size_t size1 = 2 * std::size_t(std::popcount(format1 & 0xFFu));
    const std::size_t size2 = 2 * std::size_t(std::popcount(format2 & 0xFFu));
    for (const auto& [first, byte] : glyphs_.bytesOf) {
      const std::optional<std::uint32_t> index = covered(coverage, first);
      if (!index) continue;
      if (format == 1) pairSet(subtable + font_.u16(subtable + 10 + 2 * std::size_t{*index}), first, format1, size1 + size2);
      if (format == 2) classPairs(subtable, first, format1, size1 + size2);
    }
  }

  void pairSet(std::size_t set, std::uint32_t first, std::uint32_t format1, std::size_t valuesSize) {
    for (std::uint32_t i = 0, count = font_.u16(set); i < count && font_.inside(set + 2 + (2 + valuesSize) * i) && spend();
         ++i) {
      const std::size_t record = set + 2 + (2 + valuesSize) * i;
      decide(first, font_.u16(record), xAdvance(record + 2, format1));
    }
  }

  void classPairs(std::size_t subtable, std::uint32_t first, std::uint32_t format1, std::size_t valuesSize) {
    const std::size_t classDef1 = subtable + font_.u16(subtable + 8), classDef2 = subtable + font_.u16(subtable + 10);
    const std::uint32_t classes1 = font_.u16(subtable + 12), classes2 = font_.u16(subtable + 14);
    const std::uint32_t class1 = glyphClass(classDef1, first);
    if (class1 >= classes1) return;
    for (const auto& [second, byte] : glyphs_.bytesOf) {
      if (!spend()) return;
      const std::uint32_t class2 = glyphClass(classDef2, second);
      if (class2 >= classes2) continue;
      const std::size_t record = subtable + 16 + (std::size_t{class1} * classes2 + class2) * valuesSize;
      decide(first, second, xAdvance(record, format1));
    }
  }

  // A damaged or hostile file may chain offsets into endless work: past
  // this many steps the rest of its pairs are left out. A real font needs
  // a few hundred thousand.
  bool spend() const { return work_ > 0 && --work_ >= 0; }

  const FontBytes& font_;
  std::size_t gpos_;
  const CharacterGlyphs& glyphs_;
  PairSums& sums_;
  mutable long work_ = 50'000'000;
};

}  // namespace

FontTables ReadFontTables(std::string_view file) {
  const FontBytes font(file);
  const CharacterMap map(font);
  const CharacterGlyphs glyphs(map);
  FontTables tables;
  for (int byte = 0; byte < 256; ++byte) tables.glyphs[static_cast<std::size_t>(byte)] = glyphs.glyphOf[static_cast<std::size_t>(byte)] != 0;
  const std::size_t head = font.table("head");
  PairSums sums(head == 0 ? 1000 : static_cast<int>(font.u16(head + 18)));
  const std::size_t gpos = font.table("GPOS");
  const bool positioned = gpos != 0 && GposPairs(font, gpos, glyphs, sums).read();
  if (!positioned) {
    if (const std::size_t kern = font.table("kern")) ReadKernTable(font, kern, glyphs, sums);
  }
  tables.kerning = sums.take();
  return tables;
}

}  // namespace verstak
