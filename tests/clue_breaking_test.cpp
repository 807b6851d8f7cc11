// Breaking clues into lines again and the one size of a puzzle: Russian
// hyphenation points against a list checked by hand, breakings against every
// breaking tried by the test with widths from the font file, the puzzle's
// size rule, the line spacing against the font's outlines, and kerning
// against HarfBuzz's hb-shape.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <regex>

#include "document/cp1251.h"
#include "print/clue_breaking.h"
#include "print/clue_typesetting.h"
#include "print/fit_report.h"
#include "print/hyphenation.h"
#include "print/puzzle_typesetting.h"
#include "print_test_support.h"
#include "script_test_support.h"
#include "temp_folder.h"
#include "truetype_reference.h"

namespace verstak {
namespace {

using namespace verstak::testing;

constexpr double kMmPerPoint = 25.4 / 72;

const TrueTypeReference& Reference() {
  static const TrueTypeReference font(DefaultFont().file);
  return font;
}

// The unkerned width of a cp1251 line at `size` points, from the font file's hmtx.
double ReferenceWidth(std::string_view cp1251, double size) {
  double units = 0;
  for (const char c : cp1251) units += Reference().advance(Cp1251ToUnicode(static_cast<unsigned char>(c)));
  return units / Reference().unitsPerEm() * size * kMmPerPoint;
}

DefinitionText Clue(std::initializer_list<std::string_view> utf8Lines) {
  DefinitionText clue;
  int number = 1;
  for (std::string_view line : utf8Lines) clue.line(number++).assign(Utf8ToCp1251(line));
  return clue;
}

std::vector<std::string> Utf8Lines(const TextBlock& block) {
  std::vector<std::string> lines;
  for (const SetLine& line : block.lines) lines.push_back(Cp1251ToUtf8(line.text));
  return lines;
}

TypesetSettings Unkerned() {
  TypesetSettings typeset;
  typeset.kerning = false;
  return typeset;
}

const PageBox kCell{10, 20, 22.636, 32.636};       // a whole 12.636 mm cell
const PageBox kTopHalf{10, 20, 22.636, 26.318};    // its top half
const PageBox kLeftHalf{10, 20, 16.318, 32.636};   // its left half

struct HyphenCase {
  const char* word;
  const char* hyphenated;  // the word with a "-" at each point, checked by hand
};

// The points of Russian words as the rules of Russian hyphenation allow
// them, two letters at least on each side; capitals as lower case; only
// Cyrillic letters, never at a hyphen already there.
TEST(Hyphenation, PointsOfRussianWordsAsCheckedByHand) {
  const HyphenCase cases[] = {
      {"двухколесный", "двух-ко-лес-ный"},
      {"Двухколесный", "Двух-ко-лес-ный"},
      {"математическое", "матема-ти-че-ское"},
      {"Комнатное", "Ком-нат-ное"},
      {"растение", "рас-те-ние"},
      {"компьютерная", "компью-тер-ная"},
      {"война", "вой-на"},
      {"ёлка", "ёл-ка"},
      {"собственность", "соб-ствен-ность"},
      {"(животное)", "(жи-вот-ное)"},
      {"северо-западный", "се-ве-ро-за-пад-ный"},
      {"рассказ", "рас-сказ"},
      {"июнь", "июнь"},
      {"до", "до"},
      {"abcdefgh", "abcdefgh"},
      {"0123456789", "0123456789"},
  };
  ASSERT_TRUE(RussianHyphenation().loaded()) << "hyphen-ru is not installed";
  for (const HyphenCase& c : cases) {
    const std::string word = Utf8ToCp1251(c.word);
    std::string marked;
    std::size_t done = 0;
    for (const int point : RussianHyphenation().points(word)) {
      ASSERT_GT(point, static_cast<int>(done));
      marked += word.substr(done, static_cast<std::size_t>(point) - done) + "-";
      done = static_cast<std::size_t>(point);
    }
    marked += word.substr(done);
    EXPECT_EQ(Cp1251ToUtf8(marked), c.hyphenated) << c.word;
  }
  EXPECT_TRUE(Hyphenation("/nonexistent.dic").points(Utf8ToCp1251("двухколесный")).empty());
}

// Every breaking of a text at its blanks and, in words wider than the line,
// at their hyphenation points, tried by the test.
struct Breaking {
  int lines = 0;
  double widest = 0;
};

std::optional<Breaking> BestBreaking(const std::string& text, double width, int most) {
  struct Place {
    std::size_t end, next;
    bool hyphen;
  };
  std::vector<Place> places;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (ReferenceWidth(word, 1) > width + 1e-9) {
      for (const int point : RussianHyphenation().points(word)) places.push_back({start + point, start + point, true});
    }
    if (end < text.size()) places.push_back({end, end + 1, false});
    start = end + 1;
  }
  std::optional<Breaking> best;
  for (unsigned mask = 0; mask < (1u << places.size()); ++mask) {
    Breaking tried;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= places.size(); ++i) {
      if (i < places.size() && !(mask & (1u << i))) continue;
      const std::string line = i < places.size() ? text.substr(from, places[i].end - from) + (places[i].hyphen ? "-" : "")
                                                 : text.substr(from);
      tried.widest = std::max(tried.widest, ReferenceWidth(line, 1));
      ++tried.lines;
      if (i < places.size()) from = places[i].next;
    }
    if (tried.lines > most || tried.widest > width + 1e-9) continue;
    if (!best || tried.lines < best->lines || (tried.lines == best->lines && tried.widest < best->widest - 1e-9)) {
      best = tried;
    }
  }
  return best;
}

struct BreakCase {
  std::vector<std::string> lines;
  PageBox box;
};

// The size is the largest at which some breaking (or the stored lines)
// fits; at it, the fewest lines, the widest of them as narrow as any
// breaking into that many lines gives.
TEST(ClueBreaking, FewestLinesThenTheNarrowestAtTheLargestSize) {
  const std::vector<BreakCase> cases = {
      {{"Комнатное растение"}, kTopHalf},  // on one line it ran across both borders
      {{"Двухколесный транспорт"}, kCell},
      {{"Горная система", "в Европе"}, kTopHalf},
      {{"Эпическая поэма Гомера о войне"}, kCell},
      {{"Математическое действие"}, kTopHalf},
      {{"Достопримечательность"}, kTopHalf},
      {{"Женский головной убор"}, kCell},
  };
  const TypesetSettings typeset = Unkerned();
  for (const BreakCase& c : cases) {
    DefinitionText clue;
    std::string text;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      clue.line(static_cast<int>(i) + 1).assign(Utf8ToCp1251(c.lines[i]));
      text += (i ? " " : "") + Utf8ToCp1251(c.lines[i]);
    }
    const double along = c.box.width() - 0.8, across = c.box.height() - 0.8;
    double expectedSize = 0;
    std::optional<Breaking> expected;
    for (const double size : TriedSizes(typeset)) {
      const double width = along / size;  // as ReferenceWidth gives it at 1 pt
      const int most = static_cast<int>(std::floor(across / (size * typeset.lineSpacing * kMmPerPoint) + 1e-9));
      expected = BestBreaking(text, width, most);
      if (expected) {
        expectedSize = size;
        break;
      }
    }
    ASSERT_TRUE(expected) << c.lines[0];
    const TextBlock block = SetClue(clue, c.box, false, typeset, DefaultFont());
    SCOPED_TRACE(c.lines[0]);
    EXPECT_DOUBLE_EQ(block.size, expectedSize);
    EXPECT_TRUE(block.fit.fits);
    EXPECT_FALSE(block.clipped);
    ASSERT_EQ(static_cast<int>(block.lines.size()), expected->lines) << ::testing::PrintToString(Utf8Lines(block));
    EXPECT_EQ(block.fit.lines, expected->lines);
    double widest = 0;
    std::string joined;
    for (const SetLine& line : block.lines) {
      EXPECT_NEAR(line.width, ReferenceWidth(line.text, block.size), 1e-6) << Cp1251ToUtf8(line.text);
      widest = std::max(widest, ReferenceWidth(line.text, 1));
      // The lines give back the text: a hyphen at a line's end was added.
      if (!joined.empty() && joined.back() == '-') {
        joined.pop_back();
      } else if (!joined.empty()) {
        joined += ' ';
      }
      joined += line.text;
    }
    EXPECT_NEAR(widest, expected->widest, 1e-9) << ::testing::PrintToString(Utf8Lines(block));
    EXPECT_EQ(Cp1251ToUtf8(joined), Cp1251ToUtf8(text));
  }
}

TEST(ClueBreaking, KeepsTheStoredLinesWhenTheyFit) {
  const TextBlock kept = SetClue(Clue({"Ядовитая", "змея"}), kCell, false, TypesetSettings{}, DefaultFont());
  EXPECT_EQ(Utf8Lines(kept), (std::vector<std::string>{"Ядовитая", "змея"}));
  EXPECT_FALSE(kept.fit.rebroken);
  EXPECT_DOUBLE_EQ(kept.size, 7);
  EXPECT_EQ(kept.lines[1].number, 2);
  // The same words stored on one line too wide for the half: broken at the blank.
  const TextBlock broken = SetClue(Clue({"Ядовитая змея"}), kLeftHalf, true, TypesetSettings{}, DefaultFont());
  EXPECT_TRUE(broken.fit.rebroken);
  EXPECT_EQ(Utf8Lines(broken), (std::vector<std::string>{"Ядовитая", "змея"}));
}

// Blanks the compiler left around and between words are not set: each line
// holds single blanks only, none at its ends, and is as wide as the font
// file makes those bytes.
TEST(ClueBreaking, StrayBlanksAreNotSet) {
  const TypesetSettings typeset = Unkerned();
  const struct {
    std::vector<std::string> stored;
    std::vector<std::string> set;
  } cases[] = {
      {{"Кот "}, {"Кот"}},
      {{"  Кот"}, {"Кот"}},
      {{"Кот  ", " лес "}, {"Кот", "лес"}},
      {{"Ядовитая   змея  "}, {"Ядовитая змея"}},
  };
  for (const auto& c : cases) {
    DefinitionText clue;
    for (std::size_t i = 0; i < c.stored.size(); ++i) clue.line(static_cast<int>(i) + 1).assign(Utf8ToCp1251(c.stored[i]));
    const PageBox wide{0, 0, 60, 20};
    const TextBlock block = SetClue(clue, wide, false, typeset, DefaultFont());
    ASSERT_EQ(Utf8Lines(block), c.set) << c.stored[0];
    for (const SetLine& line : block.lines)
      EXPECT_NEAR(line.width, ReferenceWidth(line.text, block.size), 1e-6) << Cp1251ToUtf8(line.text);
  }
}

// The compiler's hyphen at a line's end joins the word again; a soft hyphen
// only offers a point and never prints; a hyphen of the text is a point
// where nothing is added.
TEST(ClueBreaking, JoinsHyphenatedWordsAndNeverPrintsASoftHyphen) {
  const TypesetSettings typeset = Unkerned();
  WordHyphenation hyphenation(RussianHyphenation());
  const ClueRun joined(Clue({"Математичес-", "кое", "действие"}), DefaultFont(), false, 0, hyphenation);
  EXPECT_EQ(Cp1251ToUtf8(joined.text()), "Математическое действие");
  const ClueRun kept(Clue({"Северо-", "Запад"}), DefaultFont(), false, 0, hyphenation);
  EXPECT_EQ(Cp1251ToUtf8(kept.text()), "Северо- Запад");
  DefinitionText softEnd;
  softEnd.line(1).assign(Utf8ToCp1251("Сверх") + "\xAD");
  softEnd.line(2).assign(Utf8ToCp1251("звуковой"));
  EXPECT_EQ(Cp1251ToUtf8(ClueRun(softEnd, DefaultFont(), false, 0, hyphenation).text()), "Сверхзвуковой");

  DefinitionText softClue;
  softClue.line(1).assign(Utf8ToCp1251("Сверх") + "\xAD" + Utf8ToCp1251("звуковой самолёт"));
  for (const PageBox& box : {kCell, kLeftHalf}) {
    const TextBlock block = SetClue(softClue, box, false, typeset, DefaultFont());
    for (const SetLine& line : block.lines) EXPECT_EQ(line.text.find('\xAD'), std::string::npos);
  }
  const TextBlock northWest = SetClue(Clue({"Ветер северо-западный"}), kLeftHalf, false, typeset, DefaultFont());
  for (const SetLine& line : northWest.lines) EXPECT_FALSE(line.text.ends_with("--")) << Cp1251ToUtf8(line.text);
}

// A clue that fits at no size: at the minimum, clipped, the lines filled to
// the width, a piece too wide on its own line, and the first such line reported.
TEST(ClueBreaking, ClueThatFitsAtNoSizeIsClippedAtTheMinimum) {
  const TypesetSettings typeset = Unkerned();
  const TextBlock block =
      SetClue(Clue({"0123456789012345678901234 и ещё слова"}), kTopHalf, false, typeset, DefaultFont());
  EXPECT_DOUBLE_EQ(block.size, 5);
  EXPECT_FALSE(block.fit.fits);
  EXPECT_TRUE(block.clipped);
  ASSERT_GE(block.lines.size(), 2u);
  EXPECT_EQ(Cp1251ToUtf8(block.lines[0].text), "0123456789012345678901234");
  EXPECT_EQ(block.fit.overflowLine, 1);
  EXPECT_NEAR(block.fit.overflowWidth, ReferenceWidth(block.lines[0].text, 5) - (kTopHalf.width() - 0.8), 1e-6);
  for (std::size_t i = 1; i < block.lines.size(); ++i) {
    EXPECT_LE(ReferenceWidth(block.lines[i].text, 5), kTopHalf.width() - 0.8 + 1e-9) << Cp1251ToUtf8(block.lines[i].text);
  }
}

// Baselines a line height apart: the size times the spacing, whatever it is set to.
TEST(ClueTypesetting, LinesLieTheLineSpacingApart) {
  for (const double spacing : {0.5, 1.0, 1.15, 1.6}) {
    TypesetSettings typeset;
    typeset.lineSpacing = spacing;
    typeset.size = 6;
    const TextBlock block = SetClue(Clue({"Река", "в", "Италии"}), PageBox{0, 0, 30, 30}, false, typeset, DefaultFont());
    ASSERT_EQ(block.lines.size(), 3u);
    EXPECT_NEAR(block.lines[1].origin.y - block.lines[0].origin.y, 6 * spacing * kMmPerPoint, 1e-9) << spacing;
    EXPECT_NEAR(block.lines[2].origin.y - block.lines[1].origin.y, 6 * spacing * kMmPerPoint, 1e-9) << spacing;
  }
  // Four lines of 7 pt (no two of them fit one line) fit 12.636 mm at spacing 1, not at 1.6.
  const DefinitionText four = Clue({"0123456789", "0123456789", "0123456789", "0123456789"});
  TypesetSettings tight;
  tight.lineSpacing = 1.0;
  EXPECT_DOUBLE_EQ(SetClue(four, kCell, false, tight, DefaultFont()).size, 7);
  tight.lineSpacing = 1.6;
  EXPECT_LT(SetClue(four, kCell, false, tight, DefaultFont()).size, 7);
}

// The default spacing keeps the deepest descender of д, р, у, ф, ц, щ off
// the highest accent of Й and Ё on the next line, with room to spare.
TEST(ClueTypesetting, DefaultSpacingKeepsDescendersOffTheAccentsBelow) {
  int deepest = 0, highest = 0;
  for (const char32_t c : std::u32string(U"дрруфцщДЦЩ")) deepest = std::min(deepest, Reference().verticalBounds(c).first);
  for (const char32_t c : std::u32string(U"ЙЁ")) highest = std::max(highest, Reference().verticalBounds(c).second);
  const double gap = TypesetSettings{}.lineSpacing * Reference().unitsPerEm() - highest + deepest;
  EXPECT_GE(gap / Reference().unitsPerEm(), 0.05) << deepest << " " << highest;
  EXPECT_LE(TypesetSettings{}.lineSpacing, 1.2);
}

struct SizeRuleCase {
  const char* name;
  std::vector<std::optional<double>> largest;
  double puzzle;
  double apart;
};

// All clues with text but five in a hundred (rounded down) fit at the
// puzzle's size; those few share the largest size at which all of them fit.
TEST(PuzzleSize, LargestSizeAtWhichAllButFivePerCentFit) {
  const auto many = [](std::size_t count, double size) { return std::vector<std::optional<double>>(count, size); };
  auto twenty = many(19, 7);
  twenty.push_back(6);  // one of 20 may be smaller
  auto nineteen = many(18, 7);
  nineteen.push_back(6);  // not one of 19
  auto twoOfTwentyOne = many(19, 7);
  twoOfTwentyOne.push_back(6.5);
  twoOfTwentyOne.push_back(6);  // one of 21 may be smaller, not two
  auto twoApart = many(40, 7);
  twoApart.push_back(6.5);
  twoApart.push_back(5.75);  // two of 42 share the smaller one's size
  // A clue that fits at no size is clipped anyway: it does not count.
  auto unfitting = many(19, 7);
  unfitting.push_back(6.5);
  unfitting.push_back(std::nullopt);
  auto small = many(3, 6.25);
  small.push_back(std::nullopt);
  const SizeRuleCase cases[] = {{"OneOfTwenty", twenty, 7, 6},
                                {"OneOfNineteen", nineteen, 6, 6},
                                {"TwoOfTwentyOne", twoOfTwentyOne, 6.5, 6},
                                {"TwoApart", twoApart, 7, 5.75},
                                {"UnfittingDoesNotCount", unfitting, 7, 6.5},
                                {"FewAndUnfitting", small, 6.25, 6.25},
                                {"OnlyUnfitting", {std::nullopt}, 7, 7},
                                {"Empty", {}, 7, 7}};
  for (const SizeRuleCase& c : cases) {
    const PuzzleSizes sizes = ChoosePuzzleSizes(c.largest, TypesetSettings{});
    EXPECT_DOUBLE_EQ(sizes.puzzle, c.puzzle) << c.name;
    EXPECT_DOUBLE_EQ(sizes.apart, c.apart) << c.name;
  }
}

// In a puzzle every clue is set at its size: the puzzle's, the one the few
// that do not fit at it share, or for a clue that fits at none the minimum;
// clues that would fit larger are not set larger.
TEST(PuzzleSize, CluesAreSetAtThePuzzlesSizeOrTheSecond) {
  ScanwordDocument doc;
  doc.gridWidth = 42;
  doc.gridHeight = 1;
  for (int x = 1; x <= 42; ++x) doc.cells.at(x, 1).kind = CellKind::Clue;
  for (int slot = 1; slot <= 39; ++slot) doc.definitions.slot(slot).line(1).assign(Utf8ToCp1251("Кот"));
  // Words the patterns give no points: only smaller sizes fit them.
  doc.definitions.slot(40).line(1).assign(Utf8ToCp1251("Английский физик"));
  doc.definitions.slot(41).line(1).assign(Utf8ToCp1251("Олимпийский вид спорта"));
  doc.definitions.slot(42).line(1).assign("0123456789012345678901234567890");  // fits at no size
  TypesetSettings typeset;
  typeset.size = 9;
  const FitReport report = MakeFitReport(doc, PrintSettings{}, typeset, DefaultFont());
  const std::vector<ClueFit> fits = AllClueFits(doc, PrintSettings{}, typeset, DefaultFont());
  ASSERT_EQ(fits.size(), 42u);
  WordHyphenation hyphenation(RussianHyphenation());
  const auto own = [&](int slot) {
    return ClueSetting(doc.definitions.slot(slot), kCell, false, typeset, DefaultFont(), hyphenation).largestFit();
  };
  ASSERT_NE(*own(40), *own(41));
  ASSERT_LT(std::max(*own(40), *own(41)), 9);
  ASSERT_FALSE(own(42));
  const double second = std::min(*own(40), *own(41));
  for (int i = 0; i < 39; ++i) EXPECT_DOUBLE_EQ(fits[static_cast<std::size_t>(i)].size, 9);
  EXPECT_DOUBLE_EQ(fits[39].size, second);
  EXPECT_DOUBLE_EQ(fits[40].size, second);
  EXPECT_DOUBLE_EQ(fits[41].size, 5);
  EXPECT_FALSE(fits[41].fits);
  EXPECT_EQ(report.sizes.size(), 3u);
  EXPECT_EQ(report.sizes.at(9), 39);
  char ownText[16];
  std::snprintf(ownText, sizeof ownText, "%g", second);
  std::string ownComma = ownText;
  std::ranges::replace(ownComma, '.', ',');
  const auto rebroken = std::ranges::count_if(fits, [](const ClueFit& fit) { return fit.rebroken; });
  EXPECT_EQ(FitSizesLine(report),
            "Размеры: 9 пт — 39, " + ownComma + " пт — 2, 5 пт — 1; набрано заново: " + std::to_string(rebroken));
  EXPECT_TRUE(fits[41].rebroken);
}

// hb-shape's advances of a line, in font units, with only the kern feature's
// pairs among the positioning features.
long long ShapedAdvance(const std::string& utf8, bool kerned, const TempFolder& folder,
                        const std::filesystem::path& font = DefaultFont().file) {
  const std::filesystem::path text = folder.write("line.txt", utf8);
  const std::string command = "hb-shape --no-glyph-names --no-clusters --features=" +
                              std::string(kerned ? "" : "-kern,") + "-liga,-clig,-calt '" + font.string() +
                              "' --text-file='" + text.string() + "' 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  std::string out;
  char block[4096];
  while (const std::size_t got = std::fread(block, 1, sizeof block, pipe)) out.append(block, got);
  const int status = pclose(pipe);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    ADD_FAILURE() << "hb-shape (libharfbuzz-bin) failed: " << out;
    return -1;
  }
  long long advance = 0;
  static const std::regex kAdvance(R"(\+(-?\d+))");
  for (std::sregex_iterator it(out.begin(), out.end(), kAdvance), end; it != end; ++it) advance += std::stoll((*it)[1]);
  return advance;
}

// The width measure kerns as a shaper does; without kerning it is the sum
// of the advances.
TEST(Kerning, LineAdvancesAsHbShapeGivesThem) {
  TempFolder folder;
  ASSERT_EQ(Reference().unitsPerEm(), 1000);
  ASSERT_TRUE(DefaultFont().kerning);
  int kernedLines = 0;
  for (const std::string line : {"ТАВАта Ую", "Двухколесный транспорт", "Гоголь «Вий»", "Река в Италии", "ЬЯ ГА ТЬ Ф.",
                                  "AVATAR Typo, Wolf", "Г-н Лёвин: 1917", "Ёж, ёлка; «Уфа»"}) {
    const std::string cp1251 = Utf8ToCp1251(line);
    const long long kerned = DefaultFont().lineAdvance(cp1251, true);
    const long long plain = DefaultFont().lineAdvance(cp1251, false);
    // Word by word: a word space keeps its own advance.
    long long shaped = 0, unshaped = 0;
    std::size_t start = 0;
    for (std::size_t end = 0; end <= line.size(); ++end) {
      if (end < line.size() && line[end] != ' ') continue;
      if (end > start) {
        shaped += ShapedAdvance(line.substr(start, end - start), true, folder);
        unshaped += ShapedAdvance(line.substr(start, end - start), false, folder);
      }
      if (end < line.size()) {
        shaped += Reference().advance(U' ');
        unshaped += Reference().advance(U' ');
      }
      start = end + 1;
    }
    EXPECT_EQ(kerned, shaped) << line;
    EXPECT_EQ(plain, unshaped) << line;
    EXPECT_EQ(plain, ShapedAdvance(line, false, folder)) << line;
    kernedLines += kerned != plain;
  }
  EXPECT_GE(kernedLines, 4);
}

// A font of 2048 units to the em (the clue font has 1000): each pair's
// kerning in thousandths of the size is hb-shape's, scaled by the em.
TEST(Kerning, PairsOfAFontOfAnotherEmScaledToThousandths) {
  const std::filesystem::path file = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";  // fonts-dejavu-core
  const FontOutcome loaded = LoadTypesetFont(file.string());
  ASSERT_TRUE(loaded.font && loaded.font->kerning);
  const TrueTypeReference reference(file);
  ASSERT_EQ(reference.unitsPerEm(), 2048);
  TempFolder folder;
  int kernedPairs = 0;
  for (const std::string pair : {"AV", "Ta", "LT", "Yo", "FA", "ТА", "Гу", "ЬЯ"}) {
    const std::string cp1251 = Utf8ToCp1251(pair);
    const long long units = ShapedAdvance(pair, true, folder, file) - ShapedAdvance(pair, false, folder, file);
    const int ours = loaded.font->kern(static_cast<unsigned char>(cp1251[0]), static_cast<unsigned char>(cp1251[1]));
    EXPECT_NEAR(ours, static_cast<double>(units) * 1000 / 2048, 1.0) << pair;
    kernedPairs += units != 0;
  }
  EXPECT_GE(kernedPairs, 4);
}

}  // namespace
}  // namespace verstak
