#include "print/truetype_file.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <system_error>
#include <vector>

namespace verstak {
namespace {

using Bytes = std::vector<unsigned char>;

// libhpdf keeps file positions in a signed 32-bit number; real fonts stay far below.
constexpr std::uint64_t kLargestFont = 256u << 20;
constexpr std::uint32_t kMostTables = 200;  // libhpdf takes at most 625
constexpr std::uint32_t kHeadMagic = 0x5F0F3CF5;
constexpr std::uint64_t kGlyphHeader = 10;  // contours and the box
// libhpdf's base font name: the PostScript name, the style and 8 bytes of tag in 127.
constexpr std::uint32_t kLongestNames = 127 - 8;

const char* const kNotTrueType = "нужен шрифт TrueType";

// The bytes [offset, offset + length) of the font; nothing past its end.
using ReadAt = std::function<std::optional<Bytes>(std::uint64_t offset, std::uint64_t length)>;

// The big-endian fields of one table; a check asks first how far it reads.
class Table {
 public:
  explicit Table(Bytes bytes) : bytes_(std::move(bytes)) {}

  std::uint64_t size() const { return bytes_.size(); }
  bool holds(std::uint64_t at, std::uint64_t count) const { return at <= size() && count <= size() - at; }
  std::uint32_t u16(std::uint64_t at) const { return std::uint32_t{bytes_[at]} << 8 | bytes_[at + 1]; }
  std::uint32_t u32(std::uint64_t at) const { return u16(at) << 16 | u16(at + 2); }
  std::int32_t s16(std::uint64_t at) const { return static_cast<std::int16_t>(u16(at)); }

 private:
  Bytes bytes_;
};

struct Entry {
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
};

// What the tables say of each other, filled in as they are checked.
struct Counts {
  bool longLoca = false;
  std::uint32_t glyphs = 0;
  std::uint32_t longMetrics = 0;
  std::uint64_t glyfLength = 0;
};

bool HeadSound(const Table& head, Counts& counts) {
  if (!head.holds(0, 54) || head.u32(12) != kHeadMagic) return false;
  const std::uint32_t unitsPerEm = head.u16(18);  // libhpdf divides by it
  const std::int32_t locaFormat = head.s16(50);
  counts.longLoca = locaFormat == 1;
  return unitsPerEm >= 16 && unitsPerEm <= 16384 && (locaFormat == 0 || locaFormat == 1);
}

// libhpdf sizes its glyph tables by this count.
bool MaxpSound(const Table& maxp, Counts& counts) {
  if (!maxp.holds(0, 6)) return false;
  counts.glyphs = maxp.u16(4);
  return counts.glyphs >= 1;
}

// ...and reads this many metrics into the table of `glyphs`.
bool HheaSound(const Table& hhea, Counts& counts) {
  if (!hhea.holds(0, 36)) return false;
  counts.longMetrics = hhea.u16(34);
  return counts.longMetrics >= 1 && counts.longMetrics <= counts.glyphs;
}

bool HmtxSound(const Table& hmtx, Counts& counts) {
  return hmtx.holds(0, 4ull * counts.longMetrics + 2ull * (counts.glyphs - counts.longMetrics));
}

// Offsets of every glyph and of the end, in order, inside glyf; a glyph
// that is not empty holds at least its header, whose box libhpdf reads.
bool LocaSound(const Table& loca, Counts& counts) {
  const std::uint64_t entries = std::uint64_t{counts.glyphs} + 1;
  const std::uint64_t width = counts.longLoca ? 4 : 2;
  if (!loca.holds(0, entries * width)) return false;
  const auto at = [&](std::uint64_t i) { return counts.longLoca ? loca.u32(4 * i) : 2ull * loca.u16(2 * i); };
  std::uint64_t previous = at(0);
  for (std::uint64_t i = 1; i < entries; ++i) {
    const std::uint64_t offset = at(i);
    if (offset < previous || (offset > previous && offset - previous < kGlyphHeader)) return false;
    previous = offset;
  }
  return previous <= counts.glyfLength;
}

// One subtable of format 4, looked up as libhpdf looks up a character: the
// first segment ending at or above it (past the last one it would read out
// of its arrays), then the delta or the glyph array, which must hold the
// index it reads. Every glyph it gives is one of the font's.
bool UnicodeMapSound(const Table& cmap, std::uint64_t at, std::uint32_t glyphs) {
  if (!cmap.holds(at, 14)) return false;
  const std::uint64_t length = cmap.u16(at + 2), doubled = cmap.u16(at + 6);
  const std::uint64_t segments = doubled / 2, header = 16 + 8 * segments;
  if (segments == 0 || doubled % 2 != 0 || length < header || !cmap.holds(at, length)) return false;
  const std::uint64_t ends = at + 14, starts = ends + doubled + 2, deltas = starts + doubled;
  const std::uint64_t ranges = deltas + doubled, glyphArray = ranges + doubled;
  const std::int64_t glyphCount = static_cast<std::int64_t>((length - header) / 2);
  std::uint64_t previousEnd = 0;
  for (std::uint64_t s = 0; s < segments; ++s) {
    const std::uint32_t end = cmap.u16(ends + 2 * s), start = cmap.u16(starts + 2 * s);
    const std::uint32_t delta = cmap.u16(deltas + 2 * s), range = cmap.u16(ranges + 2 * s);
    if ((s > 0 && end <= previousEnd) || start > end) return false;
    previousEnd = end;
    for (std::uint32_t code = start; code <= end; ++code) {
      std::uint32_t glyph = code;
      if (range != 0) {
        const std::int64_t index = range / 2 + std::int64_t{code - start} - static_cast<std::int64_t>(segments - s);
        if (index < 0 || index >= glyphCount) return false;
        glyph = cmap.u16(glyphArray + 2 * static_cast<std::uint64_t>(index));
      }
      if (((glyph + delta) & 0xFFFF) >= glyphs) return false;
    }
  }
  return previousEnd == 0xFFFF;
}

// libhpdf reads the first Windows Unicode map of format 4 and no other.
bool CmapSound(const Table& cmap, Counts& counts) {
  if (!cmap.holds(0, 4) || cmap.u16(0) != 0) return false;
  const std::uint64_t records = cmap.u16(2);
  if (!cmap.holds(4, 8 * records)) return false;
  for (std::uint64_t i = 0; i < records; ++i) {
    const std::uint64_t record = 4 + 8 * i, at = cmap.u32(record + 4);
    if (!cmap.holds(at, 2)) return false;
    if (cmap.u16(record) == 3 && cmap.u16(record + 2) == 1 && cmap.u16(at) == 4) {
      return UnicodeMapSound(cmap, at, counts.glyphs);
    }
  }
  return false;
}

// Every string inside the table; the PostScript name and the style libhpdf
// copies into its base font name (the last record of each kind wins there
// too) short enough for it.
bool NameSound(const Table& name, Counts&) {
  if (!name.holds(0, 6)) return false;
  const std::uint64_t count = name.u16(2), strings = name.u16(4);
  if (!name.holds(6, 12 * count)) return false;
  std::uint32_t macPostScript = 0, macStyle = 0, unicodePostScript = 0, unicodeStyle = 0;
  bool postScript = false, style = false;
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint64_t record = 6 + 12 * i;
    const std::uint32_t platform = name.u16(record), encoding = name.u16(record + 2);
    const std::uint32_t language = name.u16(record + 4), id = name.u16(record + 6);
    const std::uint32_t length = name.u16(record + 8);
    if (!name.holds(strings + name.u16(record + 10), length)) return false;
    const bool mac = platform == 1 && encoding == 0;
    const bool windows = platform == 3 && encoding == 1 && language == 0x0409;
    if ((!mac && !windows) || (id != 6 && id != 2)) continue;
    if (id == 6) {
      (mac ? macPostScript : unicodePostScript) = length;
      postScript = true;
    } else {
      (mac ? macStyle : unicodeStyle) = length;
      style = true;
    }
  }
  const auto bytes = [](std::uint32_t mac, std::uint32_t unicode) { return mac != 0 ? mac : (unicode + 1) / 2; };
  return postScript && style && bytes(macPostScript, unicodePostScript) + bytes(macStyle, unicodeStyle) <= kLongestNames;
}

// The fields libhpdf reads, as far as the table's version has them.
bool Os2Sound(const Table& os2, Counts&) {
  if (!os2.holds(0, 2)) return false;
  const std::uint32_t version = os2.u16(0);
  return os2.holds(0, version == 0 ? 78 : version == 1 ? 86 : 96);
}

bool PostSound(const Table& post, Counts&) { return post.holds(0, 32); }

struct TableCheck {
  const char* tag;
  bool (*sound)(const Table& table, Counts& counts);
};

// In the order libhpdf reads them: each check may use the counts of those before it.
constexpr TableCheck kTableChecks[] = {
    {"head", HeadSound}, {"maxp", MaxpSound}, {"hhea", HheaSound}, {"hmtx", HmtxSound}, {"cmap", CmapSound},
    {"loca", LocaSound}, {"name", NameSound}, {"OS/2", Os2Sound},  {"post", PostSound},
};

// The first entry of each tag, as libhpdf finds it; every table after the
// directory and inside the file. Nothing unless the file starts as a plain
// TrueType font does (1.0 or "true", not a collection or CFF outlines).
std::optional<std::map<std::string, Entry>> ReadDirectory(std::uint64_t size, const ReadAt& read) {
  const auto header = read(0, 12);
  if (!header) return std::nullopt;
  const Table start(*header);
  const std::uint32_t version = start.u32(0), tables = start.u16(4);
  if ((version != 0x00010000 && version != 0x74727565) || tables == 0 || tables > kMostTables) return std::nullopt;
  const std::uint64_t directoryEnd = 12 + 16ull * tables;
  const auto records = read(12, 16ull * tables);
  if (!records) return std::nullopt;
  const Table directory(*records);
  std::map<std::string, Entry> entries;
  for (std::uint64_t i = 0; i < tables; ++i) {
    const Entry entry{directory.u32(16 * i + 8), directory.u32(16 * i + 12)};
    if (entry.offset < directoryEnd || entry.offset > size || entry.length > size - entry.offset) return std::nullopt;
    entries.emplace(std::string(reinterpret_cast<const char*>(records->data() + 16 * i), 4), entry);
  }
  return entries;
}

std::string Damaged(const std::string& tag) { return "повреждена таблица «" + tag + "»"; }

std::optional<std::string> Fault(std::uint64_t size, const ReadAt& read) {
  if (size < 12 || size > kLargestFont) return kNotTrueType;
  const auto directory = ReadDirectory(size, read);
  if (!directory) return kNotTrueType;
  const auto glyf = directory->find("glyf");
  if (glyf == directory->end()) return kNotTrueType;
  Counts counts;
  counts.glyfLength = glyf->second.length;
  for (const TableCheck& check : kTableChecks) {
    const auto entry = directory->find(check.tag);
    if (entry == directory->end()) return "нет таблицы «" + std::string(check.tag) + "»";
    auto bytes = read(entry->second.offset, entry->second.length);
    if (!bytes || !check.sound(Table(std::move(*bytes)), counts)) return Damaged(check.tag);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> TrueTypeFault(std::span<const unsigned char> font) {
  return Fault(font.size(), [font](std::uint64_t offset, std::uint64_t length) -> std::optional<Bytes> {
    if (offset > font.size() || length > font.size() - offset) return std::nullopt;
    const auto first = font.begin() + static_cast<std::ptrdiff_t>(offset);
    return Bytes(first, first + static_cast<std::ptrdiff_t>(length));
  });
}

// Only the tables checked are read, glyf never: listing the installed fonts
// stays quick.
std::optional<std::string> TrueTypeFault(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return kNotTrueType;
  std::ifstream in(file, std::ios::binary);
  if (!in) return kNotTrueType;
  return Fault(size, [&in, size](std::uint64_t offset, std::uint64_t length) -> std::optional<Bytes> {
    if (offset > size || length > size - offset) return std::nullopt;
    Bytes bytes(length);
    in.seekg(static_cast<std::streamoff>(offset));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length))) return std::nullopt;
    return bytes;
  });
}

}  // namespace verstak
