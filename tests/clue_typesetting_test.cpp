// Setting clues in their cells, measured against the font file's own advance
// widths read here (kerning off, so that the widths are the advances), and
// the fit report of clues that do not fit in width, in height, in an upright
// half, and of an empty slot.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "document/cp1251.h"
#include "print/fit_report.h"
#include "print/printable_text.h"
#include "print_test_support.h"
#include "script_test_support.h"
#include "truetype_reference.h"

namespace verstak {
namespace {

using namespace verstak::testing;

constexpr double kMmPerPoint = 25.4 / 72;

// The width of a UTF-8 line at `size` points, from the font file's hmtx.
double ReferenceWidth(std::string_view utf8, double size) {
  static const TrueTypeReference font(DefaultFont().file);
  double units = 0;
  for (const char c : Utf8ToCp1251(utf8)) units += font.advance(Cp1251ToUnicode(static_cast<unsigned char>(c)));
  return units / font.unitsPerEm() * size * kMmPerPoint;
}

TypesetSettings Unkerned() {
  TypesetSettings typeset;
  typeset.kerning = false;
  return typeset;
}

// The size the rules give to the stored lines: from 7 pt down in steps of
// 0.25 pt, the first at which every line and the block's height fit in the
// cell less 0.4 mm a side.
double ReferenceSize(const std::vector<std::string>& lines, double along, double across) {
  for (double size = 7; size >= 5 - 1e-9; size -= 0.25) {
    bool fits = lines.size() * size * 1.15 * kMmPerPoint <= across - 0.8 + 1e-9;
    for (const std::string& line : lines) fits = fits && ReferenceWidth(line, size) <= along - 0.8 + 1e-9;
    if (fits) return size;
  }
  return 5;
}

DefinitionText Clue(std::initializer_list<std::string_view> utf8Lines) {
  DefinitionText clue;
  int number = 1;
  for (std::string_view line : utf8Lines) clue.line(number++).assign(Utf8ToCp1251(line));
  return clue;
}

const PageBox kCell{10, 20, 22.636, 32.636};      // a whole 12.636 mm cell
const PageBox kLeftHalf{10, 20, 16.318, 32.636};  // its left half

struct SizeCase {
  std::vector<std::string> lines;
  PageBox box;
  bool upright;
};

// Chosen sizes of clues that fit, against sizes worked out from the font
// file: the stored lines' size, or a larger one where breaking them again
// gives it.
TEST(ClueTypesetting, ChoosesTheLargestSizeThatFitsByTheFontsOwnWidths) {
  const std::vector<SizeCase> cases = {
      {{"Ядовитая", "змея"}, kCell, false},           // fits at 7 pt
      {{"Двухколесный", "транспорт"}, kCell, false},  // a little too wide at 7 pt
      {{"Математичес-", "кое действие"}, kCell, false},
      {{"Восточный", "календарь", "(живот-", "ное)"}, kCell, false},  // too tall at 7 pt
      {{"Столица Кубы"}, kCell, false},
      {{"Узкая", "левая"}, kLeftHalf, true},  // upright: the cell's height is the room along
      {{"Правая", "стоячая", "Ф"}, kLeftHalf, true},
  };
  std::set<double> sizes;
  for (const SizeCase& c : cases) {
    DefinitionText clue;
    for (std::size_t i = 0; i < c.lines.size(); ++i)
      clue.line(static_cast<int>(i) + 1).assign(Utf8ToCp1251(c.lines[i]));
    const TextBlock block = SetClue(clue, c.box, c.upright, Unkerned(), DefaultFont());
    const double along = c.upright ? c.box.height() : c.box.width();
    const double across = c.upright ? c.box.width() : c.box.height();
    const double expected = ReferenceSize(c.lines, along, across);
    EXPECT_TRUE(block.fit.fits) << c.lines[0];
    for (const SetLine& line : block.lines) {
      EXPECT_NEAR(line.width, ReferenceWidth(Cp1251ToUtf8(line.text), block.size), 1e-6) << Cp1251ToUtf8(line.text);
      EXPECT_LE(line.width, along - 0.8 + 1e-9);
    }
    if (block.fit.rebroken) {
      EXPECT_GT(block.size, expected) << c.lines[0];
      continue;
    }
    EXPECT_DOUBLE_EQ(block.size, expected) << c.lines[0];
    ASSERT_EQ(block.lines.size(), c.lines.size());
    sizes.insert(block.size);
  }
  EXPECT_TRUE(sizes.contains(7.0));
}

// Each line centred along, the block centred across, one line height apart.
TEST(ClueTypesetting, CentresEachLineAndTheBlock) {
  const DefinitionText clue = Clue({"Река в", "", "Италии"});  // the empty line is not set
  for (bool upright : {false, true}) {
    const PageBox box = upright ? kLeftHalf : kCell;
    const TextBlock block = SetClue(clue, box, upright, TypesetSettings{}, DefaultFont());
    ASSERT_EQ(block.lines.size(), 2u);
    EXPECT_EQ(block.lines[1].number, block.fit.rebroken ? 2 : 3);
    const PagePoint centre = box.centre();
    for (const SetLine& line : block.lines) {
      if (upright) {
        EXPECT_NEAR(line.origin.y - line.width / 2, centre.y, 1e-9);  // read upwards from origin
      } else {
        EXPECT_NEAR(line.origin.x + line.width / 2, centre.x, 1e-9);
      }
    }
    const double step =
        upright ? block.lines[1].origin.x - block.lines[0].origin.x : block.lines[1].origin.y - block.lines[0].origin.y;
    EXPECT_NEAR(step, block.size * TypesetSettings{}.lineSpacing * kMmPerPoint, 1e-9);
    // The ascent-to-descent band of the two lines is centred on the rectangle.
    const double ascent = DefaultFont().ascent / 1000.0 * block.size * kMmPerPoint;
    const double descent = DefaultFont().descent / 1000.0 * block.size * kMmPerPoint;
    const double first = upright ? block.lines[0].origin.x : block.lines[0].origin.y;
    const double last = upright ? block.lines[1].origin.x : block.lines[1].origin.y;
    EXPECT_NEAR((first - ascent + last - descent) / 2, upright ? centre.x : centre.y, 1e-9);
  }
}

// Sizes are tried in steps of 0.25 pt from the size given; the minimum is
// tried last even when the steps pass it.
TEST(ClueTypesetting, StepsFromTheSizeGivenDownToTheMinimum) {
  TypesetSettings typeset = Unkerned();
  typeset.size = 7.1;
  typeset.minimumSize = 5.05;
  // Digits have no hyphenation points: only a smaller size makes them fit.
  const DefinitionText wide = Clue({"012345678901", "транспорт"});
  const TextBlock block = SetClue(wide, kCell, false, typeset, DefaultFont());
  const double steps = (7.1 - block.size) / 0.25;
  EXPECT_NEAR(steps, std::round(steps), 1e-9);
  EXPECT_LT(block.size, 7.1);
  EXPECT_GT(ReferenceWidth("012345678901", block.size + 0.25), kCell.width() - 0.8);

  // Fits at 5.05 but at no step above it: 5.1 is too wide.
  PageBox narrow = kCell;
  narrow.right = narrow.left + ReferenceWidth("012345678901", 5.07) + 0.8;
  const TextBlock last = SetClue(wide, narrow, false, typeset, DefaultFont());
  EXPECT_DOUBLE_EQ(last.size, 5.05);
  EXPECT_TRUE(last.fit.fits);
}

struct Overflow {
  const char* name;
  int kind;
  std::vector<std::string> firstSlot;
  ClueHalf half;
  bool upright;
  bool wide;
  bool tall;
};

class FitReportCases : public ::testing::TestWithParam<Overflow> {};

// Clues made to overflow, of pieces no breaking helps (digits have no
// hyphenation points, and no two of ten fit a line together): set at the
// minimum as stored, with the overflow worked out from the font file.
TEST_P(FitReportCases, ReportsTheFirstLineAndTheOverflow) {
  const Overflow& c = GetParam();
  ScanwordDocument doc = OneCell(c.kind);
  doc.definitions.slot(1).clear();
  for (std::size_t i = 0; i < c.firstSlot.size(); ++i)
    doc.definitions.slot(1).line(static_cast<int>(i) + 1).assign(Utf8ToCp1251(c.firstSlot[i]));
  const TypesetSettings typeset = Unkerned();
  const FitReport report = MakeFitReport(doc, PrintSettings{}, typeset, DefaultFont());
  ASSERT_FALSE(report.clues.empty());
  const ClueFit& fit = report.clues.front();
  EXPECT_EQ(fit.slot, 1);
  EXPECT_EQ(fit.row, 1);
  EXPECT_EQ(fit.column, 1);
  EXPECT_EQ(fit.half, c.half);
  EXPECT_EQ(fit.upright, c.upright);
  EXPECT_FALSE(fit.fits);
  EXPECT_FALSE(fit.empty);
  EXPECT_DOUBLE_EQ(fit.size, 5);
  EXPECT_EQ(fit.lines, static_cast<int>(c.firstSlot.size()));

  // Along the lines the room is the whole cell less the margins in each case;
  // across, a half holds half of it.
  const double cell = 12.636;
  const double along = cell - 0.8;
  const double across = (c.half == ClueHalf::Whole ? cell : cell / 2) - 0.8;
  const double lineHeight = 5 * typeset.lineSpacing * kMmPerPoint;
  double widest = 0;
  int firstWide = 0;
  for (std::size_t i = 0; i < c.firstSlot.size(); ++i) {
    widest = std::max(widest, ReferenceWidth(c.firstSlot[i], 5));
    if (firstWide == 0 && ReferenceWidth(c.firstSlot[i], 5) > along) firstWide = static_cast<int>(i) + 1;
  }
  const int line = firstWide > 0 ? firstWide : static_cast<int>(std::floor(across / lineHeight)) + 1;
  EXPECT_EQ(fit.overflowLine, line);
  EXPECT_EQ(Cp1251ToUtf8(fit.overflowText), c.firstSlot[static_cast<std::size_t>(line - 1)]);
  const double height = static_cast<double>(c.firstSlot.size()) * lineHeight;
  EXPECT_NEAR(fit.overflowWidth, c.wide ? widest - along : 0, 1e-6);
  EXPECT_NEAR(fit.overflowHeight, c.tall ? height - across : 0, 1e-6);
  EXPECT_EQ(fit.overflowWidth > 0, c.wide);
  EXPECT_EQ(fit.overflowHeight > 0, c.tall);
}

const std::string kTen = "0123456789";
const std::string kTwenty = kTen + kTen;

INSTANTIATE_TEST_SUITE_P(
    Clues, FitReportCases,
    ::testing::Values(
        Overflow{"TooWide", 19, {"Ядовитая", kTwenty}, ClueHalf::Whole, false, true, false},
        Overflow{"TooTall", 19, std::vector<std::string>(8, kTen), ClueHalf::Whole, false, false, true},
        Overflow{"TooTallInTheTopHalf", 25, std::vector<std::string>(4, kTen), ClueHalf::Top, false, false, true},
        Overflow{"UprightTooLong", 24, {kTwenty}, ClueHalf::Left, true, true, false},
        Overflow{"UprightTooManyLines", 24, std::vector<std::string>(4, kTen), ClueHalf::Left, true, false, true},
        Overflow{"UprightBoth", 20, {kTwenty, kTen, kTen, kTen}, ClueHalf::Left, true, true, true}),
    [](const ::testing::TestParamInfo<Overflow>& info) { return std::string(info.param.name); });

// The most lines a whole cell and its top half hold at the minimum size fit,
// and no line is named as overflowing; one line more overflows at that line.
TEST(FitReport, AsManyLinesAsTheCellHoldsFitAndNameNoLine) {
  TypesetSettings typeset = Unkerned();
  typeset.size = typeset.minimumSize;
  const double lineHeight = typeset.minimumSize * typeset.lineSpacing * kMmPerPoint;
  const PageBox topHalf{kCell.left, kCell.top, kCell.right, kCell.top + 12.636 / 2};
  for (const PageBox& box : {kCell, topHalf}) {
    const int most = static_cast<int>(std::floor((box.bottom - box.top - 0.8) / lineHeight));
    for (const int lines : {most, most + 1}) {
      DefinitionText clue;
      for (int i = 1; i <= lines; ++i) clue.line(i).assign(kTen);
      const ClueFit fit = SetClue(clue, box, false, typeset, DefaultFont()).fit;
      EXPECT_EQ(fit.fits, lines == most) << lines << " lines";
      EXPECT_EQ(fit.overflowLine, lines == most ? 0 : most + 1) << lines << " lines";
      EXPECT_EQ(fit.overflowText, lines == most ? "" : kTen);
      EXPECT_EQ(fit.overflowHeight > 0, lines > most);
    }
  }
}

// A clue slot without text is reported as such, with its cell and half.
TEST(FitReport, ListsEmptySlotsOfClueCells) {
  ScanwordDocument doc = OneCell(16);
  doc.definitions.slot(2).clear();
  doc.gridWidth = 2;
  doc.cells.at(2, 1).kind = CellKind::ClueHalfTopMissing;  // slot 3, never filled
  const FitReport report = MakeFitReport(doc, PrintSettings{}, TypesetSettings{}, DefaultFont());
  ASSERT_EQ(report.clues.size(), 2u);
  EXPECT_EQ(report.clues[0].slot, 2);
  EXPECT_EQ(report.clues[0].half, ClueHalf::Bottom);
  EXPECT_TRUE(report.clues[0].empty);
  EXPECT_EQ(FitReportLine(report.clues[0]), "Определение 2 (строка 1, столбец 1, нижняя половина): нет текста");
  EXPECT_EQ(report.clues[1].slot, 3);
  EXPECT_EQ(report.clues[1].column, 2);
  EXPECT_EQ(FitReportLine(report.clues[1]), "Определение 3 (строка 1, столбец 2, верхняя половина): нет текста");
  EXPECT_EQ(report.overflowing(), 0);

  // Filled, it fits, and the report is empty.
  doc.definitions.slot(2).line(1).assign(Utf8ToCp1251("Низ"));
  doc.definitions.slot(3).line(1).assign(Utf8ToCp1251("Верх"));
  EXPECT_TRUE(MakeFitReport(doc, PrintSettings{}, TypesetSettings{}, DefaultFont()).empty());
}

TEST(FitReport, LineSaysWhatDoesNotFitAndByHowMuch) {
  ClueFit fit;
  fit.slot = 12;
  fit.row = 3;
  fit.column = 5;
  fit.half = ClueHalf::Right;
  fit.fits = false;
  fit.overflowLine = 2;
  fit.overflowText = Utf8ToCp1251("Двухколесный");
  fit.overflowWidth = 1.21;
  fit.overflowHeight = 0.02;
  EXPECT_EQ(FitReportLine(fit),
            "Определение 12 (строка 3, столбец 5, правая половина): «Двухколесный» не помещается: по ширине на "
            "1,3 мм, по высоте на 0,1 мм");
  fit.overflowHeight = 0;
  fit.half = ClueHalf::Whole;
  EXPECT_EQ(FitReportLine(fit),
            "Определение 12 (строка 3, столбец 5): «Двухколесный» не помещается: по ширине на 1,3 мм");
}

// Any byte may stand in a clue line; only printable ones are set.
TEST(PrintableText, KeepsPrintableBytesOnly) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string bytes;
    for (int i = Between(random, 0, 40); i > 0; --i) bytes += static_cast<char>(Between(random, 0, 255));
    const std::string printable = PrintableText(bytes);
    std::size_t kept = 0;
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      kept += byte == '\t' || (byte >= 0x20 && byte != 0x7F && byte != 0x98);
    }
    EXPECT_EQ(printable.size(), kept);
    for (const char c : printable) {
      const auto byte = static_cast<unsigned char>(c);
      EXPECT_TRUE(byte >= 0x20 && byte != 0x7F && byte != 0x98) << int{byte};
    }
  }
  EXPECT_EQ(PrintableText("a\tb\x01\x7F\x98"
                          "c"),
            "a bc");
}

}  // namespace
}  // namespace verstak
