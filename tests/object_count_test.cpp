#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "document/slot_numbering.h"
#include "macro_runner.h"
#include "script_test_support.h"

namespace verstak {
namespace {

using namespace verstak::testing;

// The text a slot must become once the macro's string expression is read.
std::string ClueText(const DefinitionText& clue) {
  std::string text(clue.line(1).text());
  for (int number = 2; number <= kDefinitionLines; ++number) {
    if (!clue.line(number).empty()) text.append("\r").append(clue.line(number).text());
  }
  return text;
}

// The rectangle each clue text belongs to: the whole cell for a clue cell,
// otherwise the half of the cell that holds it, first slot top or left.
std::map<std::string, Box> ExpectedPlaces(const ScanwordDocument& doc, const PrintSettings& settings) {
  const long long w = settings.cellWidth;
  const long long h = settings.cellHeight;
  std::map<std::string, Box> places;
  ForEachCellInReadingOrder(doc, [&](int x, int y, const GridCell& cell) {
    const std::optional<CellSlots> slots = SlotNumbering(doc, x, y);
    if (!slots) return;
    const long long left = ScriptOriginX + (x - 1) * w;
    const long long top = ScriptOriginY - (y - 1) * h;
    const Box whole{top, left, top - h, left + w};
    const Box upper{top, left, top - h / 2, left + w};
    const Box lower{top - h / 2, left, top - h, left + w};
    const Box leftHalf{top, left, top - h, left + w / 2};
    const Box rightHalf{top, left + w / 2, top - h, left + w};
    Box first = whole;
    Box second{};
    switch (PlainKind(cell.kind)) {
      case CellKind::ClueHalfTop: first = upper; break;
      case CellKind::ClueHalfLeft: first = leftHalf; break;
      case CellKind::ClueSplitHorizontal: first = upper, second = lower; break;
      case CellKind::ClueSplitVertical: first = leftHalf, second = rightHalf; break;
      default: break;
    }
    places[ClueText(doc.definitions.slot(slots->first))] = first;
    if (slots->second != 0) places[ClueText(doc.definitions.slot(slots->second))] = second;
  });
  return places;
}

// Runs the macro and checks every alignment: the newest object is a text,
// nob names it (the objects made before it plus one), and the object aligned
// with it is the rectangle of that clue's own cell or half.
MacroRunner RunAndCheckAlignments(const ScanwordDocument& doc, const ExportChoice& choice,
                                  const PrintSettings& settings) {
  MacroRunner runner(SplitLines(MacroOf(doc, choice, settings)));
  runner.run();
  const std::map<std::string, Box> places = ExpectedPlaces(doc, settings);
  EXPECT_EQ(places.size(), static_cast<std::size_t>(SlotTotal(doc)));  // every slot's text is its own
  EXPECT_EQ(runner.alignments().size(), places.size());
  std::set<std::string> seen;
  for (const Alignment& a : runner.alignments()) {
    EXPECT_EQ(a.nobAtSelection, static_cast<long long>(a.objectsMadeBefore) + 1);
    EXPECT_EQ(a.text, a.nobAtSelection);
    EXPECT_EQ(a.text, static_cast<int>(a.objectsMadeBefore) + 1);
    const MacroObject& text = runner.object(a.text);
    const MacroObject& partner = runner.object(a.partner);
    EXPECT_EQ(text.type, MacroObject::Type::Text);
    EXPECT_EQ(partner.type, MacroObject::Type::Rectangle) << Cp1251ToUtf8(text.text);
    if (places.count(text.text) != 1) {
      ADD_FAILURE() << "no clue reads " << Cp1251ToUtf8(text.text);
      continue;
    }
    EXPECT_EQ(partner.box, places.at(text.text)) << Cp1251ToUtf8(text.text);
    EXPECT_TRUE(seen.insert(text.text).second) << Cp1251ToUtf8(text.text);
  }
  return runner;
}

PrintSettings OddSizedCells() {
  PrintSettings settings;
  settings.cellWidth = 100000;
  settings.cellHeight = 80000;
  settings.cornerRadius = 20000;
  return settings;
}

TEST(MacroObjects, OneLayerSelectionsPairEachTextWithItsOwnRectangle) {
  const ScanwordDocument doc = RichGrid();
  for (CorelVersion version : {CorelVersion::Draw7, CorelVersion::Draw9}) {
    for (const PrintSettings& settings : {PrintSettings{}, OddSizedCells()}) {
      const MacroRunner runner = RunAndCheckAlignments(doc, Choice(version, LayerMode::OneLayer), settings);
      // The counter lines kept pace with every object to the end.
      int arrows = 0;
      int bent = 0;
      for (const MacroObject& object : runner.objects()) {
        arrows += object.type == MacroObject::Type::Curve ? 1 : 0;
        bent += object.type == MacroObject::Type::Curve && object.segments == 2 ? 1 : 0;
      }
      int arrowMarks = 0;
      int bentMarks = 0;
      ForEachCellInReadingOrder(doc, [&](int, int, const GridCell& cell) {
        for (int code : {int{Code(cell.kind)}, int{cell.overlay}}) {
          arrowMarks += IsArrowCode(static_cast<std::uint8_t>(code)) ? 1 : 0;
          bentMarks += code >= 3 && code <= 14 ? 1 : 0;
        }
      });
      EXPECT_EQ(arrows, arrowMarks);
      EXPECT_EQ(bent, bentMarks);
      EXPECT_EQ(runner.deletions(), 0);
    }
  }
}

TEST(MacroObjects, LayeredTextPassPairsTextsAndDeletesOnlyPlacementRectangles) {
  const ScanwordDocument doc = RichGrid();
  for (LayerMode mode : {LayerMode::SeparatelyOnOneLayer, LayerMode::ByLayers}) {
    const MacroRunner runner = RunAndCheckAlignments(doc, Choice(CorelVersion::Draw9, mode), OddSizedCells());
    EXPECT_EQ(runner.deletions(), SlotTotal(doc));
    for (const MacroObject& object : runner.objects()) {
      EXPECT_FALSE(object.deleted && object.type != MacroObject::Type::Rectangle);
    }
  }
}

// A text line stands for its command and its placement tail; what lies
// between the quotes is the clue's.
std::string LineShape(const std::string& line) {
  if (!line.starts_with(" .CreateArtisticText \"")) return line;
  return " .CreateArtisticText" + line.substr(line.rfind('"') + 1);
}

// No clue text, whatever its bytes, can change the number or the kind of the
// macro's lines: every byte that would end or cut a line is written as
// CHR(n), like the double quote, and the texts read back as the clue bytes.
TEST(MacroObjects, ClueBytesOfAnyKindStayInsideTheirTexts) {
  const ScanwordDocument grid = RichGrid();
  const int slots = SlotTotal(grid);
  const std::string risky = std::string("\0\n\r\x1A\"\r\n", 7);
  std::mt19937 random(21);
  for (int round = 0; round < 12; ++round) {
    ScanwordDocument doc = grid;
    ScanwordDocument plain = grid;
    for (int slot = 1; slot <= slots; ++slot) {
      for (int n = 1; n <= kDefinitionLines; ++n) {
        std::string line;
        for (int length = std::uniform_int_distribution<int>(0, 30)(random); length > 0; --length) {
          const int pick = std::uniform_int_distribution<int>(0, 511)(random);
          line += pick < 256 ? static_cast<char>(pick) : risky[static_cast<std::size_t>(pick) % risky.size()];
        }
        if (n == 1) line = std::to_string(slot) + "." + line;  // every text its own
        doc.definitions.slot(slot).line(n).assign(line);
      }
      plain.definitions.slot(slot).line(1).assign(std::to_string(slot));
    }
    for (const ExportChoice& choice : {Choice(CorelVersion::Draw7, LayerMode::OneLayer),
                                       Choice(CorelVersion::Draw9, LayerMode::SeparatelyOnOneLayer),
                                       Choice(CorelVersion::Draw10, LayerMode::ByLayers)}) {
      const std::string macro = MacroOf(doc, choice);
      EXPECT_EQ(std::count(macro.begin(), macro.end(), '\0') + std::count(macro.begin(), macro.end(), '\x1A'), 0);
      std::vector<std::string> shapes, plainShapes;
      for (const std::string& line : SplitLines(macro)) shapes.push_back(LineShape(line));
      for (const std::string& line : SplitLines(MacroOf(plain, choice))) plainShapes.push_back(LineShape(line));
      EXPECT_EQ(shapes, plainShapes) << "round " << round;
      RunAndCheckAlignments(doc, choice, PrintSettings{});
    }
  }
}

// The runner itself must notice a counter line that is off by one.
TEST(MacroObjects, RunnerCatchesAShiftedCounter) {
  ScanwordDocument doc;
  doc.gridWidth = 2;
  doc.gridHeight = 1;
  doc.cells.at(1, 1) = {CellKind::ArrowFromLeftDown, 17};
  doc.cells.at(2, 1).kind = CellKind::Clue;
  SetClue(doc, 1, {"ОДИН"});
  std::string macro = MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::OneLayer));
  const std::string bar = "    GOSUB Klet_17\r\n    nob = nob+2\r\n";
  ASSERT_NE(macro.find(bar), std::string::npos);
  macro.replace(macro.find(bar), bar.size(), "    GOSUB Klet_17\r\n    nob = nob+1\r\n");
  MacroRunner runner(SplitLines(macro));
  runner.run();
  ASSERT_EQ(runner.alignments().size(), 1u);
  EXPECT_NE(runner.alignments()[0].nobAtSelection,
            static_cast<long long>(runner.alignments()[0].objectsMadeBefore) + 1);
}

}  // namespace
}  // namespace verstak
