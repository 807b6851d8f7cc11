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

void ExpectSame(const Seen& macro, const Seen& drawing) {
  ASSERT_EQ(macro.rectangles.size(), drawing.rectangles.size());
  for (std::size_t i = 0; i < macro.rectangles.size(); ++i) {
    ExpectClose(macro.rectangles[i].box, drawing.rectangles[i].box, "rectangle " + std::to_string(i));
    EXPECT_NEAR(macro.rectangles[i].radius, drawing.rectangles[i].radius, kClose);
    EXPECT_EQ(macro.rectangles[i].fill, drawing.rectangles[i].fill) << "rectangle " << i;
  }
  ASSERT_EQ(macro.curves.size(), drawing.curves.size());
  for (std::size_t i = 0; i < macro.curves.size(); ++i) {
    ASSERT_EQ(macro.curves[i].size(), drawing.curves[i].size()) << "curve " << i;
    for (std::size_t p = 0; p < macro.curves[i].size(); ++p) {
      EXPECT_NEAR(macro.curves[i][p].x, drawing.curves[i][p].x, kClose) << "curve " << i;
      EXPECT_NEAR(macro.curves[i][p].y, drawing.curves[i][p].y, kClose) << "curve " << i;
    }
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
      ExpectSame(FromMacro(doc, settings, choice, typeset.pageMargin), FromDrawing(drawing, doc));
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
    ExpectSame(FromMacro(doc, PrintSettings{}, choice, 0), FromDrawing(drawing, doc));
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

// Missing variants are drawn and take their slots as their plain kinds.
TEST(PrintDrawing, MissingVariantsAreDrawnAsTheirPlainKinds) {
  for (int kind : {16, 19, 20, 24, 25}) {
    const ScanwordDocument plain = OneCell(kind);
    const ScanwordDocument missing = OneCell(Code(MissingVariant(KindFromCode(static_cast<std::uint8_t>(kind)))));
    const Seen a =
        FromDrawing(PrintDrawing(plain, PrintSettings{}, TypesetSettings{}, DefaultFont(), ExportChoice{}), plain);
    const Seen b =
        FromDrawing(PrintDrawing(missing, PrintSettings{}, TypesetSettings{}, DefaultFont(), ExportChoice{}), missing);
    ExpectSame(a, b);
    EXPECT_EQ(a.texts.size(), static_cast<std::size_t>(slotCount(KindFromCode(static_cast<std::uint8_t>(kind)))));
  }
}

}  // namespace
}  // namespace verstak
