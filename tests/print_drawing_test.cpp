// The print drawing against the macro: the tests' own interpreter runs the
// macro of random documents in every layout and collects every rectangle and
// curve it leaves with its fill, and every text with the rectangle it is
// aligned with. The drawing must hold exactly these, to 0.001 mm.

#include "print/print_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

#include "document/cp1251.h"
#include "document/slot_numbering.h"
#include "macro_runner.h"
#include "print_test_support.h"
#include "script_test_support.h"

namespace verstak {
namespace {

using namespace verstak::testing;

constexpr double kClose = 0.001;  // mm

// Lengths in millimetres of the page, from the macro's units, worked out
// here: 10000 units a millimetre, y pointing up from the grid's top edge.
struct PageFromMacro {
  double margin;
  double x(long long units) const { return margin + static_cast<double>(units - ScriptOriginX) / 10000; }
  double y(long long units) const { return margin + static_cast<double>(ScriptOriginY - units) / 10000; }
  PageBox box(const Box& b) const {
    return {std::min(x(b.left), x(b.right)), std::min(y(b.top), y(b.bottom)), std::max(x(b.left), x(b.right)),
            std::max(y(b.top), y(b.bottom))};
  }
};

// A rectangle as both sides see it: edges, radius, fill (all -1 when none).
struct SeenRectangle {
  PageBox box;
  double radius;
  std::array<double, 4> fill;
};

struct SeenText {
  std::string text;  // the macro's string: line 1, then CR and each further non-empty line
  PageBox box;
  bool upright;
};

// Sorted on values rounded to a ten-thousandth, so that both lists line up.
long long Key(double mm) { return std::llround(mm * 10000); }
auto BoxKey(const PageBox& b) { return std::tuple(Key(b.top), Key(b.left), Key(b.bottom), Key(b.right)); }

void ExpectClose(const PageBox& a, const PageBox& b, const std::string& what) {
  EXPECT_NEAR(a.left, b.left, kClose) << what;
  EXPECT_NEAR(a.top, b.top, kClose) << what;
  EXPECT_NEAR(a.right, b.right, kClose) << what;
  EXPECT_NEAR(a.bottom, b.bottom, kClose) << what;
}

std::string MacroText(const DefinitionText& clue) {
  std::string text(clue.line(1).text());
  for (int number = 2; number <= kDefinitionLines; ++number) {
    if (!clue.line(number).empty()) text += "\r" + std::string(clue.line(number).text());
  }
  return text;
}

struct Seen {
  std::vector<SeenRectangle> rectangles;
  std::vector<std::vector<PagePoint>> curves;
  std::vector<SeenText> texts;

  void sort() {
    std::ranges::sort(rectangles, {},
                      [](const SeenRectangle& r) { return std::tuple(BoxKey(r.box), Key(r.radius), r.fill); });
    std::ranges::sort(curves, {}, [](const std::vector<PagePoint>& c) {
      std::vector<std::pair<long long, long long>> key;
      for (const PagePoint& p : c) key.emplace_back(Key(p.x), Key(p.y));
      return key;
    });
    std::ranges::sort(texts, {}, [](const SeenText& t) { return std::tuple(BoxKey(t.box), t.text, t.upright); });
  }
};

Seen FromMacro(const ScanwordDocument& doc, const PrintSettings& settings, const ExportChoice& choice, double margin) {
  MacroRunner runner(SplitLines(MacroOf(doc, choice, settings)));
  runner.run();
  const PageFromMacro page{margin};
  Seen seen;
  for (const MacroObject& object : runner.objects()) {
    if (object.deleted) continue;
    if (object.type == MacroObject::Type::Rectangle) {
      std::array<double, 4> fill{-1, -1, -1, -1};
      if (object.filled) {
        for (std::size_t i = 0; i < 4 && i < object.colour.size(); ++i) fill[i] = static_cast<double>(object.colour[i]);
      }
      seen.rectangles.push_back({page.box(object.box), static_cast<double>(object.radius) / 10000, fill});
    } else if (object.type == MacroObject::Type::Curve) {
      std::vector<PagePoint> points;
      for (const MacroPoint& p : object.points) points.push_back({page.x(p.x), page.y(p.y)});
      seen.curves.push_back(points);
    }
  }
  for (const Alignment& a : runner.alignments()) {
    const MacroObject& text = runner.object(a.text);
    seen.texts.push_back({text.text, page.box(runner.object(a.partner).box), text.turned});
  }
  seen.sort();
  return seen;
}

Seen FromDrawing(const Drawing& drawing, const ScanwordDocument& doc) {
  Seen seen;
  for (const Shape& shape : drawing.shapes) {
    if (const auto* rectangle = std::get_if<RectangleShape>(&shape.form)) {
      std::array<double, 4> fill{-1, -1, -1, -1};
      if (rectangle->filled) fill = {shape.colour.cyan, shape.colour.magenta, shape.colour.yellow, shape.colour.black};
      seen.rectangles.push_back({rectangle->box, rectangle->cornerRadius, fill});
    } else if (const auto* arrow = std::get_if<ArrowShape>(&shape.form)) {
      seen.curves.push_back(arrow->points);
    } else {
      const TextBlock& block = std::get<TextBlock>(shape.form);
      seen.texts.push_back({MacroText(doc.definitions.slotOrEmpty(block.fit.slot)), block.box, block.upright});
    }
  }
  seen.sort();
  return seen;
}

// Every shape lies in the cell it names.
void ExpectShapesInTheirCells(const Drawing& drawing, const PrintSettings& settings, double margin) {
  const double w = settings.cellWidth / 10000.0, h = settings.cellHeight / 10000.0;
  for (const Shape& shape : drawing.shapes) {
    const PageBox cell{margin + (shape.column - 1) * w, margin + (shape.row - 1) * h, margin + shape.column * w,
                       margin + shape.row * h};
    std::vector<PagePoint> corners;
    if (const auto* rectangle = std::get_if<RectangleShape>(&shape.form)) {
      corners = {{rectangle->box.left, rectangle->box.top}, {rectangle->box.right, rectangle->box.bottom}};
    } else if (const auto* text = std::get_if<TextBlock>(&shape.form)) {
      corners = {{text->box.left, text->box.top}, {text->box.right, text->box.bottom}};
    }
    for (const PagePoint& p : corners) {
      EXPECT_GE(p.x, cell.left - kClose);
      EXPECT_LE(p.x, cell.right + kClose);
      EXPECT_GE(p.y, cell.top - kClose);
      EXPECT_LE(p.y, cell.bottom + kClose);
    }
  }
}

void ExpectSame(const Seen& macro, const Seen& drawing, const PrintSettings& settings) {
  ASSERT_EQ(macro.rectangles.size(), drawing.rectangles.size());
  for (std::size_t i = 0; i < macro.rectangles.size(); ++i) {
    ExpectClose(macro.rectangles[i].box, drawing.rectangles[i].box, "rectangle " + std::to_string(i));
    EXPECT_NEAR(macro.rectangles[i].radius, drawing.rectangles[i].radius, kClose);
    EXPECT_EQ(macro.rectangles[i].fill, drawing.rectangles[i].fill) << "rectangle " << i;
  }
  // Each of the macro's arrows is one of the drawing's, as it is or moved
  // whole by a quarter of the cell along the edge it starts from (the print
  // output's own start, see print/arrow_start.h).
  ASSERT_EQ(macro.curves.size(), drawing.curves.size());
  const double w = settings.cellWidth / 10000.0, h = settings.cellHeight / 10000.0;
  const PagePoint shifts[] = {{0, 0}, {w / 4, 0}, {-w / 4, 0}, {0, h / 4}, {0, -h / 4}};
  const auto moved = [](const std::vector<PagePoint>& a, const std::vector<PagePoint>& b, PagePoint by) {
    if (a.size() != b.size()) return false;
    for (std::size_t p = 0; p < a.size(); ++p) {
      if (std::abs(a[p].x + by.x - b[p].x) > kClose || std::abs(a[p].y + by.y - b[p].y) > kClose) return false;
    }
    return true;
  };
  std::vector<bool> used(drawing.curves.size(), false);
  for (std::size_t i = 0; i < macro.curves.size(); ++i) {
    bool found = false;
    for (const PagePoint& by : shifts) {
      for (std::size_t j = 0; j < drawing.curves.size() && !found; ++j) {
        if (used[j] || !moved(macro.curves[i], drawing.curves[j], by)) continue;
        used[j] = found = true;
      }
      if (found) break;
    }
    EXPECT_TRUE(found) << "curve " << i << " from " << macro.curves[i].front().x << "," << macro.curves[i].front().y;
  }
  ASSERT_EQ(macro.texts.size(), drawing.texts.size());
  for (std::size_t i = 0; i < macro.texts.size(); ++i) {
    EXPECT_EQ(macro.texts[i].text, drawing.texts[i].text) << Cp1251ToUtf8(macro.texts[i].text);
    ExpectClose(macro.texts[i].box, drawing.texts[i].box, Cp1251ToUtf8(macro.texts[i].text));
    EXPECT_EQ(macro.texts[i].upright, drawing.texts[i].upright) << Cp1251ToUtf8(macro.texts[i].text);
  }
}

TEST(PrintDrawing, HoldsExactlyWhatTheMacroDrawsForRandomDocumentsInEveryLayout) {
  std::mt19937 random(20240614);
  const LayerMode layouts[] = {LayerMode::OneLayer, LayerMode::SeparatelyOnOneLayer, LayerMode::ByLayers};
  int shapes = 0;
  for (int round = 0; round < 200; ++round) {
    const ScanwordDocument doc = RandomDocument(random);
    const PrintSettings settings = RandomSettings(random);
    TypesetSettings typeset;
    typeset.pageMargin = Between(random, 0, 1) * 2.5;
    for (LayerMode layout : layouts) {
      // Every pass ticked half the time, otherwise a random choice of them.
      const PassChoices passes = Between(random, 0, 1) == 1 ? PassChoices{} : RandomPasses(random);
      const ExportChoice choice{Between(random, 0, 1) == 1 ? CorelVersion::Draw7 : CorelVersion::Draw9, layout, passes};
      SCOPED_TRACE("round " + std::to_string(round) + ", layout " + std::to_string(static_cast<int>(layout)));
      const Drawing drawing = PrintDrawing(doc, settings, typeset, DefaultFont(), choice);
      ExpectSame(FromMacro(doc, settings, choice, typeset.pageMargin), FromDrawing(drawing, doc), settings);
      ExpectShapesInTheirCells(drawing, settings, typeset.pageMargin);
      shapes += static_cast<int>(drawing.shapes.size());
      if (::testing::Test::HasFailure()) return;
    }
  }
  EXPECT_GT(shapes, 20000);  // the documents were not trivially small
}

// One cell of each kind with its second mark, every layout, every pass.
TEST(PrintDrawing, HoldsWhatTheMacroDrawsForEveryKindAndMark) {
  const ScanwordDocument doc = RichGrid();
  for (LayerMode layout : {LayerMode::OneLayer, LayerMode::SeparatelyOnOneLayer, LayerMode::ByLayers}) {
    const ExportChoice choice{CorelVersion::Draw9, layout, {}};
    const Drawing drawing = PrintDrawing(doc, PrintSettings{}, TypesetSettings{}, DefaultFont(), choice);
    ExpectSame(FromMacro(doc, PrintSettings{}, choice, 0), FromDrawing(drawing, doc), PrintSettings{});
  }
}

// The interpreter itself must see a wrong point in a subroutine's line.
TEST(PrintDrawing, InterpreterSeesAMovedArrow) {
  const ScanwordDocument doc = OneCell(3);
  std::string macro = MacroOf(doc, ExportChoice{});
  const std::string bend = "   .AppendCurveLine xn+h2,yn-(ystep/2),xn+h2,yn-(ystep/2)-h3";
  ASSERT_NE(macro.find(bend), std::string::npos);
  macro.replace(macro.find(bend), bend.size(), "   .AppendCurveLine xn+h2,yn-(ystep/2),xn+h2,yn-(ystep/2)-h4");
  MacroRunner runner(SplitLines(macro));
  runner.run();
  Seen seen;
  for (const MacroObject& object : runner.objects()) {
    if (object.type != MacroObject::Type::Curve) continue;
    std::vector<PagePoint> points;
    for (const MacroPoint& p : object.points) points.push_back({PageFromMacro{0}.x(p.x), PageFromMacro{0}.y(p.y)});
    seen.curves.push_back(points);
  }
  const Drawing drawing = PrintDrawing(doc, PrintSettings{}, TypesetSettings{}, DefaultFont(), ExportChoice{});
  const Seen drawn = FromDrawing(drawing, doc);
  ASSERT_EQ(seen.curves.size(), 1u);
  ASSERT_EQ(drawn.curves.size(), 1u);
  EXPECT_GT(std::abs(seen.curves[0][2].y - drawn.curves[0][2].y), 1.0);
}

// Layered layouts paint layer by layer, lowest first, "Раздельно на один
// слой" too (where the macro would leave its texts under the fills made
// after them): fills never cover a text or an arrow.
TEST(PrintDrawing, LayersArePaintedFromFreeKubUpToArrows) {
  const ScanwordDocument doc = RichGrid();
  for (LayerMode layout : {LayerMode::SeparatelyOnOneLayer, LayerMode::ByLayers}) {
    const ExportChoice choice{CorelVersion::Draw9, layout, {}};
    const Drawing drawing = PrintDrawing(doc, PrintSettings{}, TypesetSettings{}, DefaultFont(), choice);
    const std::vector<std::string_view> order = {"Free_kub", "Fool_kub", "Images", "Oll_kub", "Text", "Arrows"};
    std::vector<std::string_view> seen;
    for (const Shape& shape : drawing.shapes) {
      if (seen.empty() || seen.back() != LayerName(shape.pass)) seen.push_back(LayerName(shape.pass));
    }
    EXPECT_EQ(seen, order);
    for (const Shape& shape : drawing.shapes) {
      EXPECT_EQ(std::holds_alternative<TextBlock>(shape.form), shape.pass == LayerPass::Text);
      EXPECT_EQ(std::holds_alternative<ArrowShape>(shape.form), shape.pass == LayerPass::Arrows);
    }
  }
}

// A head about a millimetre long at each arrow's end, pointing along its last
// segment; none when switched off.
TEST(PrintDrawing, ArrowheadsSitOnTheArrowsEnds) {
  const ScanwordDocument doc = RichGrid();
  TypesetSettings typeset;
  int heads = 0;
  for (bool on : {true, false}) {
    typeset.arrowheads = on;
    const Drawing drawing = PrintDrawing(doc, PrintSettings{}, typeset, DefaultFont(), ExportChoice{});
    for (const Shape& shape : drawing.shapes) {
      const auto* arrow = std::get_if<ArrowShape>(&shape.form);
      if (arrow == nullptr) continue;
      ASSERT_EQ(arrow->head.has_value(), on);
      if (!on) continue;
      ++heads;
      const auto& [tip, left, right] = *arrow->head;
      const PagePoint end = arrow->points.back(), before = arrow->points[arrow->points.size() - 2];
      EXPECT_EQ(tip, end);
      const PagePoint base{(left.x + right.x) / 2, (left.y + right.y) / 2};
      EXPECT_NEAR(std::hypot(tip.x - base.x, tip.y - base.y), 1.0, 1e-9);
      // The base lies on the last segment, behind the tip.
      const double cross = (end.x - before.x) * (base.y - before.y) - (end.y - before.y) * (base.x - before.x);
      EXPECT_NEAR(cross, 0, 1e-9);
      const std::vector<PagePoint> stroke = StrokePoints(*arrow);
      EXPECT_EQ(stroke.back(), base);
      EXPECT_EQ(shape.colour, kBlack);
    }
  }
  EXPECT_GT(heads, 20);
}

// Where each arrow of a letter cell starts on paper: in the middle of its own
// half when its clue cell is split across the edge it leaves by (the half
// from the slot-to-word rule), a quarter apart when two arrows leave by one
// edge of a cell not split across it, else where the macro starts it.
TEST(PrintDrawing, ArrowsStartInTheirOwnHalfAndApart) {
  struct Cell {
    int x, y, kind, overlay;
  };
  struct Start {
    int code;
    double x, y;  // the start in cells from the grid's corner
  };
  struct Case {
    const char* name;
    std::vector<Cell> cells;
    int letterX, letterY;  // the letter cell whose arrows are checked
    std::vector<Start> starts;
  };
  const Case cases[] = {
      {"split top and bottom, two arrows from its right edge", {{1, 1, 16, 0}, {2, 1, 1, 3}}, 2, 1,
       {{1, 1, 0.25}, {3, 1, 0.75}}},
      {"split top and bottom, one arrow: the first half", {{1, 1, 16, 0}, {2, 1, 3, 0}}, 2, 1, {{3, 1, 0.25}}},
      {"split top and bottom: the top clue leaves upwards, the right edge's in the bottom half",
       {{1, 2, 16, 0}, {1, 1, 9, 0}, {2, 2, 1, 0}}, 2, 2, {{1, 1, 1.75}}},
      {"the top edge of a cell split top and bottom is its top half's own", {{1, 2, 16, 0}, {1, 1, 9, 0}, {2, 2, 1, 0}},
       1, 1, {{9, 0.5, 1}}},
      {"split left and right, two arrows from its bottom edge", {{1, 1, 20, 0}, {1, 2, 4, 2}}, 1, 2,
       {{4, 0.25, 1}, {2, 0.75, 1}}},
      {"split from the left cell's right half: whole edge", {{1, 1, 20, 0}, {2, 1, 1, 0}}, 2, 1, {{1, 1, 0.5}}},
      {"from the right, split top and bottom", {{2, 1, 16, 0}, {1, 1, 14, 0}}, 1, 1, {{14, 1, 0.25}}},
      {"one whole clue, two arrows from its right edge", {{1, 1, 19, 0}, {2, 1, 1, 3}}, 2, 1,
       {{1, 1, 0.25}, {3, 1, 0.75}}},
      {"one whole clue, two arrows from its bottom edge", {{1, 1, 19, 0}, {1, 2, 2, 4}}, 1, 2,
       {{2, 0.25, 1}, {4, 0.75, 1}}},
      {"from a corner: where the macro starts it", {{1, 1, 16, 0}, {2, 2, 6, 0}}, 2, 2, {{6, 1, 1}}},
  };
  const PrintSettings settings;
  const double w = settings.cellWidth / 10000.0, h = settings.cellHeight / 10000.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScanwordDocument doc;
    doc.gridWidth = 3;
    doc.gridHeight = 3;
    for (const Cell& cell : c.cells)
      doc.cells.at(cell.x, cell.y) = {KindFromCode(static_cast<std::uint8_t>(cell.kind)),
                                      static_cast<std::uint8_t>(cell.overlay)};
    const Drawing drawing = PrintDrawing(doc, settings, TypesetSettings{}, DefaultFont(), ExportChoice{});
    std::vector<std::pair<double, double>> drawn, wanted;
    for (const Shape& shape : drawing.shapes) {
      const auto* arrow = std::get_if<ArrowShape>(&shape.form);
      if (arrow && shape.column == c.letterX && shape.row == c.letterY)
        drawn.emplace_back(std::round(arrow->points.front().x * 1000), std::round(arrow->points.front().y * 1000));
    }
    for (const Start& start : c.starts) wanted.emplace_back(std::round(start.x * w * 1000), std::round(start.y * h * 1000));
    std::ranges::sort(drawn);
    std::ranges::sort(wanted);
    EXPECT_EQ(drawn, wanted);
  }
}

// Missing variants are drawn and take their slots as their plain kinds.
TEST(PrintDrawing, MissingVariantsAreDrawnAsTheirPlainKinds) {
  for (int kind : {16, 19, 20, 24, 25}) {
    const ScanwordDocument plain = OneCell(kind);
    const ScanwordDocument missing = OneCell(Code(MissingVariant(KindFromCode(static_cast<std::uint8_t>(kind)))));
    const Seen a =
        FromDrawing(PrintDrawing(plain, PrintSettings{}, TypesetSettings{}, DefaultFont(), ExportChoice{}), plain);
    const Seen b =
        FromDrawing(PrintDrawing(missing, PrintSettings{}, TypesetSettings{}, DefaultFont(), ExportChoice{}), missing);
    ExpectSame(a, b, PrintSettings{});
    EXPECT_EQ(a.texts.size(), static_cast<std::size_t>(slotCount(KindFromCode(static_cast<std::uint8_t>(kind)))));
  }
}

}  // namespace
}  // namespace verstak
