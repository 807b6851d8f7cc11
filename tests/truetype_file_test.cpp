// Fonts damaged on purpose, made from the Debian font by the test: each
// breaks one thing libhpdf trusts (a count, an offset, a length), found by
// reading the font's table directory here. Each is refused before libhpdf
// sees it, by the table at fault, and never loads as the clue font.

#include "print/truetype_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "print/typeset_font.h"
#include "temp_folder.h"

namespace verstak {
namespace {

const std::filesystem::path kFont = "/usr/share/fonts/truetype/paratype/PTN57F.ttf";

class FontBytes {
 public:
  explicit FontBytes(std::string bytes) : bytes_(std::move(bytes)) {}

  std::uint32_t u16(std::size_t at) const {
    return static_cast<unsigned char>(bytes_.at(at)) << 8 | static_cast<unsigned char>(bytes_.at(at + 1));
  }
  std::uint32_t u32(std::size_t at) const { return u16(at) << 16 | u16(at + 2); }
  void put16(std::size_t at, std::uint32_t value) {
    bytes_.at(at) = static_cast<char>(value >> 8);
    bytes_.at(at + 1) = static_cast<char>(value);
  }
  void put32(std::size_t at, std::uint32_t value) {
    put16(at, value >> 16);
    put16(at + 2, value & 0xFFFF);
  }

  // Where the directory's record of `tag` is; its table's offset is at +8, its length at +12.
  std::size_t record(const std::string& tag) const {
    for (std::size_t i = 0, count = u16(4); i < count; ++i) {
      if (bytes_.compare(12 + 16 * i, 4, tag) == 0) return 12 + 16 * i;
    }
    ADD_FAILURE() << "no table " << tag;
    return 0;
  }
  std::size_t table(const std::string& tag) const { return u32(record(tag) + 8); }
  std::size_t length(const std::string& tag) const { return u32(record(tag) + 12); }

  // The Windows Unicode map of cmap (platform 3, encoding 1).
  std::size_t unicodeMap() const {
    const std::size_t cmap = table("cmap");
    for (std::size_t i = 0, count = u16(cmap + 2); i < count; ++i) {
      const std::size_t entry = cmap + 4 + 8 * i;
      if (u16(entry) == 3 && u16(entry + 2) == 1) return cmap + u32(entry + 4);
    }
    ADD_FAILURE() << "no Unicode map";
    return 0;
  }

  // Field `field` (0 platform, 2 encoding, 4 language, 6 id, 8 length) of name record `index`.
  void putName(std::size_t index, std::size_t field, std::uint32_t value) {
    put16(table("name") + 6 + 12 * index + field, value);
  }

  // The same font with `extra` more tables of no bytes at its end: the
  // directory grows, so every table moves by its new records.
  FontBytes withEmptyTables(std::size_t extra) const {
    const std::size_t count = u16(4), shift = 16 * extra;
    std::string bytes = bytes_.substr(0, 12 + 16 * count);
    FontBytes grown(bytes);
    grown.put16(4, static_cast<std::uint32_t>(count + extra));
    for (std::size_t i = 0; i < count; ++i) {
      grown.put32(12 + 16 * i + 8, static_cast<std::uint32_t>(u32(12 + 16 * i + 8) + shift));
    }
    const std::size_t end = bytes_.size() + shift;
    for (std::size_t i = 0; i < extra; ++i) {
      std::string record = "z" + std::to_string(100 + i) + std::string(12, '\0');
      grown.bytes_ += record;
      grown.put32(grown.bytes_.size() - 8, static_cast<std::uint32_t>(end));
    }
    grown.bytes_ += bytes_.substr(12 + 16 * count);
    return grown;
  }

  std::span<const unsigned char> span() const {
    return {reinterpret_cast<const unsigned char*>(bytes_.data()), bytes_.size()};
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

struct Damage {
  const char* what;
  const char* table;  // the table the refusal names; nullptr: not TrueType at all
  std::function<void(FontBytes&)> apply;
};

std::vector<Damage> Damages() {
  return {
      // As they were found: more metrics than glyphs, written past the metrics' buffer.
      {"7F FF at offset 422", "hhea", [](FontBytes& f) { f.put16(422, 0x7FFF); }},
      {"00 01 at offset 428", "hhea", [](FontBytes& f) { f.put16(428, 0x0001); }},
      {"no glyphs at all", "maxp", [](FontBytes& f) { f.put16(f.table("maxp") + 4, 0); }},
      {"no units per em (libhpdf divides by them)", "head", [](FontBytes& f) { f.put16(f.table("head") + 18, 0); }},
      {"a loca format of its own", "head", [](FontBytes& f) { f.put16(f.table("head") + 50, 2); }},
      {"a head cut short", "head", [](FontBytes& f) { f.put32(f.record("head") + 12, 40); }},
      {"hmtx shorter than its metrics", "hmtx",
       [](FontBytes& f) { f.put32(f.record("hmtx") + 12, static_cast<std::uint32_t>(f.length("hmtx") - 2)); }},
      {"loca shorter than the glyphs", "loca",
       [](FontBytes& f) { f.put32(f.record("loca") + 12, static_cast<std::uint32_t>(f.length("loca") - 4)); }},
      {"a glyph past the end of glyf", "loca",
       [](FontBytes& f) { f.put32(f.record("glyf") + 12, static_cast<std::uint32_t>(f.length("glyf") - 100)); }},
      {"glyph offsets out of order", "loca",
       [](FontBytes& f) {
         // PT Sans Narrow has long offsets: glyph 6 starting before glyph 5.
         const std::size_t loca = f.table("loca");
         f.put32(loca + 4 * 6, f.u32(loca + 4 * 5) - 2);
       }},
      {"a segment count that is odd", "cmap", [](FontBytes& f) { f.put16(f.unicodeMap() + 6, 7); }},
      {"a map longer than cmap", "cmap", [](FontBytes& f) { f.put16(f.unicodeMap() + 2, 0xFFFF); }},
      {"the last segment short of FFFF", "cmap",
       [](FontBytes& f) {
         const std::size_t map = f.unicodeMap(), segments = f.u16(map + 6) / 2;
         f.put16(map + 14 + 2 * (segments - 1), 0xFFFE);
       }},
      {"a character mapped past the glyphs", "cmap",
       [](FontBytes& f) {
         // The first segment's delta puts its first character on the glyph after the last.
         const std::size_t map = f.unicodeMap(), segments = f.u16(map + 6) / 2;
         const std::size_t starts = map + 16 + 2 * segments, deltas = starts + 2 * segments;
         f.put16(deltas + 2 * segments, 0);  // its glyphs come from the delta alone
         f.put16(deltas, (f.u16(f.table("maxp") + 4) - f.u16(starts)) & 0xFFFF);
       }},
      {"no Windows Unicode map", "cmap",
       [](FontBytes& f) {
         const std::size_t cmap = f.table("cmap");
         for (std::size_t i = 0, count = f.u16(cmap + 2); i < count; ++i) f.put16(cmap + 4 + 8 * i, 7);
       }},
      {"a name past its table", "name", [](FontBytes& f) { f.put16(f.table("name") + 6 + 8, 0xFFFF); }},
      {"an OS/2 cut short", "OS/2", [](FontBytes& f) { f.put32(f.record("OS/2") + 12, 60); }},
      {"no hmtx", "hmtx", [](FontBytes& f) { f.put32(f.record("hmtx"), 0x686D7458); }},  // "hmtX"
      {"a table past the end of the file", nullptr,
       [](FontBytes& f) { f.put32(f.record("kern") + 8, static_cast<std::uint32_t>(f.bytes().size())); }},
      {"a table of no bytes past the end of the file", nullptr,
       [](FontBytes& f) {
         f.put32(f.record("kern") + 8, static_cast<std::uint32_t>(f.bytes().size() + 1));
         f.put32(f.record("kern") + 12, 0);
       }},
      {"a collection", nullptr, [](FontBytes& f) { f.put32(0, 0x74746366); }},  // "ttcf"
  };
}

class TrueTypeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kFont)) GTEST_SKIP() << "fonts-paratype is not installed";
  }
  FontBytes original{TempFolder::Read(kFont)};
  TempFolder folder;
};

TEST_F(TrueTypeFile, TheDebianFontIsSound) {
  EXPECT_EQ(TrueTypeFault(original.span()), std::nullopt);
  EXPECT_EQ(TrueTypeFault(kFont), std::nullopt);
}

// The two reproducers change the counts where the directory says they are.
TEST_F(TrueTypeFile, TheFoundOffsetsAreTheMetricAndGlyphCounts) {
  EXPECT_EQ(original.table("hhea") + 34, 422u);
  EXPECT_EQ(original.table("maxp") + 4, 428u);
}

TEST_F(TrueTypeFile, EachDamageIsRefusedByItsTable) {
  int index = 0;
  for (const Damage& damage : Damages()) {
    SCOPED_TRACE(damage.what);
    FontBytes font = original;
    damage.apply(font);
    ASSERT_NE(font.bytes(), original.bytes());
    const std::optional<std::string> fault = TrueTypeFault(font.span());
    ASSERT_TRUE(fault.has_value());
    if (damage.table != nullptr) {
      EXPECT_NE(fault->find(std::string("«") + damage.table + "»"), std::string::npos) << *fault;
    } else {
      EXPECT_EQ(*fault, "нужен шрифт TrueType");
    }
    // The file is judged as its bytes are, and never loads as the clue font.
    const std::filesystem::path file = folder.write("damaged" + std::to_string(++index) + ".ttf", font.bytes());
    EXPECT_EQ(TrueTypeFault(file), fault);
    EXPECT_TRUE(FontRefused(file.string()));
    const FontOutcome loaded = LoadTypesetFont(file.string());
    EXPECT_FALSE(loaded.font.has_value());
    ASSERT_TRUE(loaded.failure.has_value());
    EXPECT_EQ(loaded.failure->text,
              "Шрифт " + file.string() + " (" + file.string() + ") не читается: " + *fault);
  }
}

// The edges of what is sound: a table of no bytes may stand at the very end
// of the file, and the directory may hold 200 tables, not 201.
TEST_F(TrueTypeFile, TheDirectorysLimitsAreSoundUpToTheEdge) {
  FontBytes atEnd = original;
  atEnd.put32(atEnd.record("kern") + 8, static_cast<std::uint32_t>(atEnd.bytes().size()));
  atEnd.put32(atEnd.record("kern") + 12, 0);
  EXPECT_EQ(TrueTypeFault(atEnd.span()), std::nullopt);

  const std::size_t tables = original.u16(4);
  EXPECT_EQ(TrueTypeFault(original.withEmptyTables(200 - tables).span()), std::nullopt);
  EXPECT_EQ(TrueTypeFault(original.withEmptyTables(201 - tables).span()), "нужен шрифт TrueType");
}

// libhpdf copies the PostScript name and the style into a base font name of
// 127 bytes with an 8-byte tag: a Macintosh (1, 0) record's bytes when it has
// one, else half the Windows English (3, 1, 0x409) record's UTF-16 bytes; the
// last record of each kind counts, records of other kinds never. PT Sans
// Narrow: Macintosh style 7 bytes (record 2), name 13 (6); Windows style 14
// (18), name 26 (22); record 23 is a Windows English one of id 7.
TEST_F(TrueTypeFile, TheBaseFontNameFitsLibhpdfsBuffer) {
  struct Edit {
    std::size_t record, field;
    std::uint32_t value;
  };
  // Ids no table reads, for the two Macintosh records.
  const std::vector<Edit> noMacintosh = {{2, 6, 0x100}, {6, 6, 0x101}};
  const struct {
    const char* what;
    bool macintosh;  // its records left as they are
    std::vector<Edit> edits;
    bool sound;
  } cases[] = {
      {"Macintosh name of 112 bytes: 119 in all", true, {{6, 8, 112}}, true},
      {"Macintosh name of 113 bytes", true, {{6, 8, 113}}, false},
      {"Macintosh style of 107 bytes", true, {{2, 8, 107}}, false},
      {"a long Windows name beside the Macintosh one", true, {{22, 8, 1000}}, true},
      {"Windows name of 224 bytes alone: 112 + 7", false, {{22, 8, 224}}, true},
      {"Windows name of 226 bytes alone", false, {{22, 8, 226}}, false},
      {"a long Russian Windows name after the English one", false, {{23, 4, 0x419}, {23, 6, 6}, {23, 8, 1000}}, true},
      {"a long symbol-encoded Windows name after the English one", false, {{23, 2, 0}, {23, 6, 6}, {23, 8, 1000}},
       true},
      {"a long English Windows name after the first", false, {{23, 6, 6}, {23, 8, 1000}}, false},
      {"no style at all", false, {{18, 6, 0x102}}, false},
  };
  for (const auto& example : cases) {
    SCOPED_TRACE(example.what);
    FontBytes font = original;
    if (!example.macintosh) {
      for (const Edit& edit : noMacintosh) font.putName(edit.record, edit.field, edit.value);
    }
    for (const Edit& edit : example.edits) font.putName(edit.record, edit.field, edit.value);
    const std::optional<std::string> fault = TrueTypeFault(font.span());
    if (example.sound) {
      EXPECT_EQ(fault, std::nullopt);
    } else {
      EXPECT_EQ(fault, "повреждена таблица «name»");
    }
  }
}

// Cut anywhere in its tables, the font is refused, never read past its end.
TEST_F(TrueTypeFile, ATruncatedFontIsRefused) {
  const std::string& bytes = original.bytes();
  for (const std::size_t size : {std::size_t{0}, std::size_t{11}, std::size_t{100}, original.table("cmap") + 50,
                                 original.table("loca") + 10, bytes.size() - 1}) {
    SCOPED_TRACE(size);
    const FontBytes cut(bytes.substr(0, size));
    EXPECT_TRUE(TrueTypeFault(cut.span()).has_value());
  }
}

// The fonts Debian installs are all read as before: none is refused.
TEST_F(TrueTypeFile, EveryInstalledTrueTypeFontIsSound) {
  int fonts = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator("/usr/share/fonts/truetype")) {
    if (entry.path().extension() != ".ttf") continue;
    SCOPED_TRACE(entry.path().string());
    EXPECT_EQ(TrueTypeFault(entry.path()), std::nullopt);
    ++fonts;
  }
  EXPECT_GE(fonts, 2);
}

TEST_F(TrueTypeFile, AFileThatIsNoFontAtAll) {
  EXPECT_EQ(TrueTypeFault(folder.write("text.ttf", "not a font")), "нужен шрифт TrueType");
  EXPECT_EQ(TrueTypeFault(folder / "missing.ttf"), "нужен шрифт TrueType");
  EXPECT_FALSE(FontRefused((folder / "missing.ttf").string()));  // not there: not found, not refused
}

}  // namespace
}  // namespace verstak
