#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "script_test_support.h"

namespace fs = std::filesystem;

namespace verstak {
namespace {

using namespace verstak::testing;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The worked examples, typed from the layout guide into cp1251 with CR LF.
std::string Golden(const char* name) { return ReadBytes(fs::path(VERSTAK_GOLDEN_DIR) / name); }

TEST(CorelScriptWriter, ReproducesTheOneLayerExampleByteForByte) {
  ScanwordDocument doc;
  doc.gridWidth = 2;
  doc.gridHeight = 1;
  doc.cells.at(1, 1).kind = CellKind::Clue;
  SetClue(doc, 1, {"ДВА", "СЛОВА"});
  const std::string golden = Golden("one_layer_example.csc");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::OneLayer)), golden);
}

TEST(CorelScriptWriter, ReproducesTheLayeredExampleByteForByte) {
  ScanwordDocument doc;
  doc.gridWidth = 1;
  doc.gridHeight = 1;
  doc.cells.at(1, 1).kind = CellKind::Clue;
  SetClue(doc, 1, {"СЛОН"});
  PassChoices passes = OnlyPass(&PassChoices::text);
  passes.fullSquares = true;
  const std::string golden = Golden("layered_example.csc");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(MacroOf(doc, Choice(CorelVersion::Draw7, LayerMode::ByLayers, passes)), golden);
}

TEST(CorelScriptWriter, EmptyGridGivesFrameTrailerAndNoSubroutine) {
  ScanwordDocument doc;
  doc.cells.at(1, 1).kind = CellKind::Clue;  // outside the grid of size 0
  for (LayerMode mode : {LayerMode::OneLayer, LayerMode::SeparatelyOnOneLayer, LayerMode::ByLayers}) {
    const std::string macro = MacroOf(doc, Choice(CorelVersion::Draw9, mode));
    const std::vector<std::string> lines = SplitLines(macro);
    const std::vector<std::string> body = BodyLines(macro);
    EXPECT_TRUE(LibraryLines(macro).empty());
    EXPECT_EQ(lines.back(), "k1: END WITHOBJECT");
    if (mode == LayerMode::ByLayers) {
      // The layers are made even when no pass draws on them.
      ASSERT_EQ(body.size(), 6u + 5u * 2u + 1u);
      EXPECT_EQ(body[0], "    .NewLayer \"Free_kub\"");
    } else if (mode == LayerMode::SeparatelyOnOneLayer) {
      EXPECT_EQ(body, std::vector<std::string>(5, "    GOSUB Lear"));
    } else {
      EXPECT_TRUE(body.empty());
    }
  }
}

TEST(CorelScriptWriter, ParametersFollowTheSettings) {
  ScanwordDocument doc;
  PrintSettings settings;
  settings.cornerRadius = 20000;
  settings.cellWidth = 100000;
  settings.cellHeight = 1;
  const std::vector<std::string> lines =
      SplitLines(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::OneLayer), settings));
  const std::vector<std::string> parameters(lines.begin() + 12, lines.begin() + 16);
  EXPECT_EQ(parameters, (std::vector<std::string>{" nob = 1", " okr = 20000", " ystep = 1", " xstep = 100000"}));
}

// The one-layer cell: frame, then the kind's lines with one counter line per
// object its subroutine makes, then the overlay's.
TEST(OneLayerLayout, EachKindWritesItsSubroutineAndCounterLines) {
  std::map<int, std::vector<std::string>> expected = {
      {0, {}},
      {15, {}},
      {16, Joined({{Gosub(16), Counter(2)}, Pair("А", "Б")})},
      {17, {Gosub(17), Counter(2)}},
      {18, {Gosub(18), Counter(2)}},
      {19, Joined({{Gosub(19)}, Centred("А")})},
      {20, Joined({{Gosub(20), Counter(2)}, RotatedPair("А", "Б")})},
      {21, {Gosub(21), Counter(1)}},
      {22, {Gosub(22), Counter(2)}},
      {23, {Gosub(23)}},
      {24, Joined({{Gosub(24), Counter(1)}, Rotated("А")})},
      {25, Joined({{Gosub(25), Counter(1)}, Centred("А")})},
      {26, {}},
      {255, {}},
  };
  for (int arrow = 1; arrow <= 14; ++arrow) expected[arrow] = {Gosub(arrow), Counter(1)};
  // Missing variants are drawn as their plain kinds.
  for (auto [missing, plain] : std::map<int, int>{{102, 20}, {104, 24}, {105, 25}, {106, 16}, {109, 19}}) {
    expected[missing] = expected.at(plain);
  }
  const std::vector<std::string> frame = {"   .CreateRectangle yn, xn, yk, xk , okr", Counter(1)};
  for (const auto& [kind, lines] : expected) {
    const std::string macro = MacroOf(OneCell(kind), Choice(CorelVersion::Draw9, LayerMode::OneLayer));
    EXPECT_EQ(BodyLines(macro), Joined({frame, lines, kNextColumn, kNextRow})) << "kind " << kind;
  }
}

TEST(OneLayerLayout, OverlaysAreDrawnLikeTheirKindsBarsIncluded) {
  std::map<int, std::vector<std::string>> expected = {
      {17, {Gosub(17), Counter(2)}},
      {18, {Gosub(18), Counter(2)}},
      {21, {Gosub(21), Counter(1)}},
      {22, {Gosub(22), Counter(2)}},
      {15, {}},
      {16, {}},
      {19, {}},
      {23, {}},
      {200, {}},
  };
  for (int arrow = 1; arrow <= 14; ++arrow) expected[arrow] = {Gosub(arrow), Counter(1)};
  for (const auto& [overlay, lines] : expected) {
    const std::string macro = MacroOf(OneCell(1, overlay), Choice(CorelVersion::Draw9, LayerMode::OneLayer));
    const std::vector<std::string> body = BodyLines(macro);
    ASSERT_GE(body.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(body.begin() + 4, body.end() - 6), lines) << "overlay " << overlay;
    if (overlay == 17) {
      EXPECT_NE(macro.find("\r\nKlet_17:.UnSelectAll\r\n"), std::string::npos);
    }
  }
}

TEST(OneLayerLayout, EveryRowEndsWithTheRowStepLastRowIncluded) {
  ScanwordDocument doc;
  doc.gridWidth = 3;
  doc.gridHeight = 2;
  const std::vector<std::string> frame = {"   .CreateRectangle yn, xn, yk, xk , okr", Counter(1)};
  const std::vector<std::string> cell = Joined({frame, kNextColumn});
  const std::vector<std::string> row = Joined({cell, cell, cell, kNextRow});
  EXPECT_EQ(BodyLines(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::OneLayer))), Joined({row, row}));
}

const ExportChoice kAllLayouts[] = {
    Choice(CorelVersion::Draw9, LayerMode::OneLayer),
    Choice(CorelVersion::Draw9, LayerMode::SeparatelyOnOneLayer),
    Choice(CorelVersion::Draw9, LayerMode::ByLayers),
};

TEST(CorelScriptWriter, TargetTenDiffersFromNineOnlyInHeaderLineFive) {
  const ScanwordDocument doc = RichGrid();
  for (ExportChoice choice : kAllLayouts) {
    std::vector<std::string> nine = SplitLines(MacroOf(doc, choice));
    choice.version = CorelVersion::Draw10;
    std::vector<std::string> ten = SplitLines(MacroOf(doc, choice));
    ASSERT_EQ(nine.size(), ten.size());
    EXPECT_EQ(nine[4], "WITHOBJECT \"CorelDraw.Automation.9\"");
    EXPECT_EQ(ten[4], "WITHOBJECT \"CorelDraw.Automation.10\"");
    nine.erase(nine.begin() + 4);
    ten.erase(ten.begin() + 4);
    EXPECT_EQ(nine, ten);
  }
}

TEST(CorelScriptWriter, TargetSevenChangesOnlyHeaderAndFillLines) {
  const ScanwordDocument doc = RichGrid();
  for (ExportChoice choice : kAllLayouts) {
    const std::string nine = MacroOf(doc, choice);
    choice.version = CorelVersion::Draw7;
    const std::string seven = MacroOf(doc, choice);
    EXPECT_EQ(BodyLines(seven), BodyLines(nine));
    EXPECT_EQ(SplitLines(seven)[4], "WITHOBJECT \"CorelDraw.Automation.7\"");
    EXPECT_EQ(seven.find(".StoreColor"), std::string::npos);
    EXPECT_NE(nine.find(".StoreColor"), std::string::npos);
  }
}

std::vector<std::string> SubroutineText(const std::vector<std::string>& library, int number) {
  const std::string label = "Klet_" + std::to_string(number) + ":";
  auto first =
      std::find_if(library.begin(), library.end(), [&](const std::string& l) { return l.rfind(label, 0) == 0; });
  if (first == library.end()) return {};
  auto last = std::find(first, library.end(), "RETURN");
  return {first, last == library.end() ? last : last + 1};
}

TEST(SubroutineLibrary, FillLinesFollowTheDialectAndTheClueColour) {
  ScanwordDocument doc;
  doc.gridWidth = 5;
  doc.gridHeight = 1;
  const CellKind kinds[] = {CellKind::ClueSplitHorizontal, CellKind::Clue, CellKind::BarBottom, CellKind::Picture,
                            CellKind::ClueHalfTop};
  for (int x = 1; x <= 5; ++x) doc.cells.at(x, 1).kind = kinds[x - 1];
  PrintSettings colour;
  colour.cyanText = "10,";
  colour.magentaText = "0,";
  colour.yellowText = "5,";
  colour.blackText = "0";
  const auto library = [&](CorelVersion version) {
    return LibraryLines(MacroOf(doc, Choice(version, LayerMode::OneLayer), colour));
  };
  const std::vector<std::string> seven = library(CorelVersion::Draw7);
  const std::vector<std::string> nine = library(CorelVersion::Draw9);
  const std::string clue7 = "   .ApplyUniformFillColor 5002,10,0,5,0";
  const std::vector<std::string> clue9 = {"   .StoreColor 5002,10,0,5,0", "   .ApplyUniformFillColor"};
  const std::string top = "   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr";
  const std::string bottom = "   .CreateRectangle yn-(ystep/2), xn, yk, xk , okr";

  EXPECT_EQ(SubroutineText(seven, 16),
            (std::vector<std::string>{"Klet_16:.UnSelectAll", top, clue7, bottom, clue7, "RETURN"}));
  EXPECT_EQ(SubroutineText(nine, 16), Joined({{"Klet_16:.UnSelectAll", top}, clue9, {bottom}, clue9, {"RETURN"}}));
  EXPECT_EQ(SubroutineText(seven, 19),
            (std::vector<std::string>{"Klet_19:", "  .ApplyUniformFillColor 5002,10,0,5,0", "RETURN"}));
  EXPECT_EQ(SubroutineText(nine, 19), Joined({{"Klet_19:"}, clue9, {"RETURN"}}));
  EXPECT_EQ(SubroutineText(seven, 17)[3], "   .ApplyUniformFillColor 5002, 0, 0, 0, 100");
  EXPECT_EQ(SubroutineText(nine, 17),
            (std::vector<std::string>{"Klet_17:.UnSelectAll", "   .CreateRectangle yn, xn, yk, xk , okr",
                                      "   .CreateRectangle yn-9*(ystep/10), xn, yk, xk , okr",
                                      "   .StoreColor 5002, 0, 0, 0, 100", "   .ApplyUniformFillColor", "RETURN"}));
  EXPECT_EQ(SubroutineText(seven, 23),
            (std::vector<std::string>{"Klet_23:", "   .ApplyUniformFillColor 5002, 0, 0, 0, 50", "RETURN"}));
  EXPECT_EQ(SubroutineText(nine, 23), (std::vector<std::string>{"Klet_23:", "   .StoreColor 5002, 0, 0, 0, 50",
                                                                "   .ApplyUniformFillColor", "RETURN"}));
  EXPECT_EQ(SubroutineText(seven, 25), (std::vector<std::string>{"Klet_25:.UnSelectAll", top, clue7, "RETURN"}));
}

TEST(SubroutineLibrary, ArrowsHaveTheirSegmentsAndOnlyBentOnesSelectAndAppend) {
  ScanwordDocument doc;
  doc.gridWidth = 14;
  doc.gridHeight = 1;
  for (int x = 1; x <= 14; ++x) doc.cells.at(x, 1).kind = KindFromCode(static_cast<std::uint8_t>(x));
  const std::vector<std::string> library = LibraryLines(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::OneLayer)));
  EXPECT_EQ(SubroutineText(library, 1),
            (std::vector<std::string>{"Klet_1:.UnSelectAll", "       .BeginDrawCurve xn,yn-(ystep/2)",
                                      "       .DrawCurveLineTo xn+h1,yn-(ystep/2)", "       .EndDrawCurve", "RETURN"}));
  EXPECT_EQ(
      SubroutineText(library, 8),
      (std::vector<std::string>{
          "Klet_8:.UnSelectAll", "   .BeginDrawCurve xn+(xstep),yn", "   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)",
          "   .EndDrawCurve", "   .RecorderSelectObjectByIndex TRUE,nob",
          "   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2)+h3,yn-(ystep/2)", "RETURN"}));
  EXPECT_EQ(SubroutineText(library, 14)[5], "   .AppendCurveLine xn+xstep-h2,yn-(ystep/2),xn+xstep-h2,yn-(ystep/2)-h3");
  for (int arrow = 1; arrow <= 14; ++arrow) {
    const std::vector<std::string> text = SubroutineText(library, arrow);
    ASSERT_EQ(text.size(), arrow <= 2 ? 5u : 7u) << arrow;
    const bool appends = std::any_of(
        text.begin(), text.end(), [](const std::string& l) { return l.find(".AppendCurveLine") != std::string::npos; });
    EXPECT_EQ(appends, arrow > 2) << arrow;
  }
}

std::vector<int> LibraryNumbers(const std::vector<std::string>& library) {
  std::vector<int> numbers;
  for (const std::string& line : library) {
    if (line.rfind("Klet_", 0) == 0) numbers.push_back(std::stoi(line.substr(5)));
  }
  return numbers;
}

constexpr std::string_view kGosubPrefix = "    GOSUB Klet_";

std::set<int> CalledNumbers(const std::string& macro) {
  std::set<int> numbers;
  for (const std::string& line : SplitLines(macro)) {
    if (line.rfind(kGosubPrefix, 0) == 0) numbers.insert(std::stoi(line.substr(kGosubPrefix.size())));
  }
  return numbers;
}

TEST(SubroutineLibrary, HoldsEachCalledSubroutineOnceInAscendingOrder) {
  ScanwordDocument doc;
  doc.gridWidth = 3;
  doc.gridHeight = 1;
  doc.cells.at(1, 1).kind = CellKind::ClueHalfTop;
  doc.cells.at(2, 1) = {CellKind::ArrowFromTopLeftCornerDown, 5};
  doc.cells.at(3, 1) = {CellKind::ArrowFromLeftRight, 3};
  const std::string macro = MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::OneLayer));
  EXPECT_EQ(LibraryNumbers(LibraryLines(macro)), (std::vector<int>{1, 3, 5, 25}));
  const std::vector<std::string> body = BodyLines(macro);
  EXPECT_EQ(std::count(body.begin(), body.end(), Gosub(5)), 2);

  // Whatever the layout: exactly the subroutines called, each once, ascending.
  const ScanwordDocument rich = RichGrid();
  for (const ExportChoice& choice : kAllLayouts) {
    const std::string richMacro = MacroOf(rich, choice);
    const std::vector<int> numbers = LibraryNumbers(LibraryLines(richMacro));
    const std::set<int> called = CalledNumbers(richMacro);
    EXPECT_EQ(numbers, std::vector<int>(called.begin(), called.end()));
  }
}

TEST(ClueText, LinesAreJoinedByTheRulesOfTheTextLine) {
  struct Case {
    std::vector<std::string_view> lines;
    std::string expected;  // between the opening quote and the tail
  };
  const Case cases[] = {
      {{}, ""},
      {{"", "КИТ"}, "\"+CHR(13)+\"" + Cp("КИТ")},
      {{"РАЗ", "", "ТРИ"}, Cp("РАЗ") + "\"+CHR(13)+\"" + Cp("ТРИ")},
      {{"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "ШЕСТНАДЦАТЬ"},
       "\"+CHR(13)+\"" + Cp("ШЕСТНАДЦАТЬ")},
      {{"Роман \"Идиот\""}, Cp("Роман ") + "\"+CHR(34)+\"" + Cp("Идиот") + "\"+CHR(34)+\""},
      {{"\"", "a\"b"}, "\"+CHR(34)+\"\"+CHR(13)+\"a\"+CHR(34)+\"b"},
  };
  for (const Case& c : cases) {
    ScanwordDocument doc;
    doc.gridWidth = 3;
    doc.gridHeight = 1;
    doc.cells.at(1, 1).kind = CellKind::Clue;
    doc.cells.at(2, 1).kind = CellKind::ClueHalfLeft;
    doc.cells.at(3, 1).kind = CellKind::ClueSplitHorizontal;
    for (int slot = 1; slot <= 4; ++slot) {
      int number = 1;
      for (std::string_view line : c.lines) doc.definitions.slot(slot).line(number++).assign(Cp(line));
    }
    const std::string centred = " .CreateArtisticText \"" + c.expected + "\", xn+(xstep/2), yn-(ystep/2)";
    const std::string corner = " .CreateArtisticText \"" + c.expected + "\", xn, yn";
    for (const ExportChoice& choice : kAllLayouts) {
      std::vector<std::string> texts;
      for (const std::string& line : BodyLines(MacroOf(doc, choice))) {
        if (line.rfind(" .CreateArtisticText", 0) == 0) texts.push_back(line);
      }
      EXPECT_EQ(texts, (std::vector<std::string>{centred, corner, corner, corner})) << c.expected;
    }
  }
}

// The string expression of a text line read as the script's interpreter reads
// it: "..." literals and CHR(n) joined by +. A literal holding a control byte
// or DEL is refused, as an editor or the script's reader may act on it.
std::optional<std::string> EvaluateTextExpression(std::string_view expression) {
  std::string text;
  for (;;) {
    if (expression.starts_with('"')) {
      const std::size_t close = expression.find('"', 1);
      if (close == std::string_view::npos) return std::nullopt;
      for (char c : expression.substr(1, close - 1)) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') return std::nullopt;
      }
      text += expression.substr(1, close - 1);
      expression.remove_prefix(close + 1);
    } else if (expression.starts_with("CHR(")) {
      const std::size_t close = expression.find(')');
      if (close == std::string_view::npos) return std::nullopt;
      int code = -1;
      const std::string_view digits = expression.substr(4, close - 4);
      const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
      if (error != std::errc{} || end != digits.data() + digits.size() || code < 0 || code > 255) return std::nullopt;
      text += static_cast<char>(code);
      expression.remove_prefix(close + 1);
    } else {
      return std::nullopt;
    }
    if (expression.empty()) return text;
    if (!expression.starts_with('+')) return std::nullopt;
    expression.remove_prefix(1);
  }
}

// Every byte below 0x20 and DEL, alone, between letters and at both ends of a
// line, goes out as "+CHR(n)+" and comes back as itself.
TEST(ClueText, EveryControlByteIsWrittenAsChr) {
  std::vector<unsigned char> controls;
  for (int b = 0; b < 0x20; ++b) controls.push_back(static_cast<unsigned char>(b));
  controls.push_back(0x7F);
  ASSERT_EQ(controls.size(), 33u);
  const std::string centredTail = "\", xn+(xstep/2), yn-(ystep/2)";
  for (unsigned char byte : controls) {
    const std::string b(1, static_cast<char>(byte));
    const std::string chr = "\"+CHR(" + std::to_string(byte) + ")+\"";
    for (const std::string& line : {b, Cp("А") + b + Cp("Б"), b + Cp("ВГ") + b + b}) {
      ScanwordDocument doc;
      doc.gridWidth = 1;
      doc.gridHeight = 1;
      doc.cells.at(1, 1).kind = CellKind::Clue;
      doc.definitions.slot(1).line(1).assign(line);
      doc.definitions.slot(1).line(2).assign(b);
      for (const ExportChoice& choice : kAllLayouts) {
        const std::string macro = MacroOf(doc, choice);
        const std::vector<std::string> body = BodyLines(macro);
        const auto text = std::ranges::find_if(body, [](const std::string& l) { return l.starts_with(" .CreateArtisticText \""); });
        ASSERT_NE(text, body.end()) << int(byte);
        ASSERT_TRUE(text->ends_with(centredTail)) << int(byte);
        const std::string_view expression =
            std::string_view(*text).substr(std::string_view(" .CreateArtisticText ").size(),
                                            text->size() - std::string_view(" .CreateArtisticText ").size() - centredTail.size() + 1);
        EXPECT_EQ(EvaluateTextExpression(expression), line + "\r" + b) << int(byte) << ": " << *text;
        EXPECT_NE(text->find(chr), std::string::npos) << int(byte);
        for (const std::string& l : SplitLines(macro)) {
          EXPECT_EQ(std::ranges::count_if(l, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }), 0)
              << int(byte) << ": " << l;
        }
      }
    }
  }
}

TEST(ClueText, SlotsAreTakenInReadingOrder) {
  ScanwordDocument doc;
  doc.gridWidth = 3;
  doc.gridHeight = 2;
  doc.cells.at(3, 1).kind = CellKind::ClueSplitVertical;
  doc.cells.at(1, 2).kind = CellKind::Clue;
  doc.cells.at(2, 2).kind = CellKind::ClueSplitHorizontalMissing;
  doc.cells.at(3, 2).kind = CellKind::ClueHalfTopMissing;
  for (int slot = 1; slot <= 7; ++slot) SetClue(doc, slot, {std::to_string(slot)});
  for (const ExportChoice& choice : kAllLayouts) {
    std::string order;
    for (const std::string& line : BodyLines(MacroOf(doc, choice))) {
      if (line.rfind(" .CreateArtisticText \"", 0) == 0) order += line.substr(22, 1);
    }
    EXPECT_EQ(order, "123456");
  }
}

// Missing variants are drawn exactly as their plain kinds, so no later clue
// slips onto another's text.
TEST(CorelScriptWriter, MissingVariantsWriteExactlyWhatTheirPlainKindsWrite) {
  const ScanwordDocument plain = RichGrid();
  ScanwordDocument marked = plain;
  int changed = 0;
  for (int y = 1; y <= plain.gridHeight; ++y) {
    for (int x = 1; x <= plain.gridWidth; ++x) {
      GridCell& cell = marked.cells.at(x, y);
      changed += cell.kind != MissingVariant(cell.kind) ? 1 : 0;
      cell.kind = MissingVariant(cell.kind);
    }
  }
  ASSERT_GE(changed, 10);
  for (const ExportChoice& choice : kAllLayouts) {
    EXPECT_EQ(MacroOf(marked, choice), MacroOf(plain, choice));
  }
}

TEST(ClueText, SlotsPastTheTableAreWrittenEmpty) {
  ScanwordDocument doc;
  doc.gridWidth = 99;
  doc.gridHeight = 99;
  for (int y = 1; y <= 99; ++y) {
    for (int x = 1; x <= 99; ++x) doc.cells.at(x, y).kind = CellKind::ClueSplitHorizontal;
  }
  SetClue(doc, 9999, {"ПРЕДПОСЛЕДНИЙ"});
  SetClue(doc, 10000, {"ПОСЛЕДНИЙ"});
  for (const ExportChoice& choice : {kAllLayouts[0], kAllLayouts[2]}) {
    std::vector<std::string> texts;
    for (const std::string& line : BodyLines(MacroOf(doc, choice))) {
      if (line.rfind(" .CreateArtisticText", 0) == 0) texts.push_back(line);
    }
    ASSERT_EQ(texts.size(), 19602u);
    EXPECT_EQ(texts[9998], TextLine("ПРЕДПОСЛЕДНИЙ", false));
    EXPECT_EQ(texts[9999], TextLine("ПОСЛЕДНИЙ", false));
    EXPECT_TRUE(std::all_of(texts.begin() + 10000, texts.end(),
                            [](const std::string& t) { return t == " .CreateArtisticText \"\", xn, yn"; }));
  }
}

class MacroFileTest : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("verstak_macro_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
};

TEST_F(MacroFileTest, WritesTheSameBytesToFileAndStream) {
  const ScanwordDocument doc = RichGrid();
  const PrintSettings settings;
  const CorelScriptWriter writer(doc, settings);
  const ExportChoice choice = Choice(CorelVersion::Draw7, LayerMode::ByLayers);
  const fs::path target = dir / "a.csc";
  std::ofstream(target) << "older, longer content that must go entirely";
  EXPECT_EQ(writer.writeFile(target, choice), std::nullopt);
  std::ostringstream stream;
  writer.write(choice, stream);
  EXPECT_EQ(ReadBytes(target), writer.write(choice));
  EXPECT_EQ(stream.str(), writer.write(choice));
}

TEST_F(MacroFileTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
  const ScanwordDocument doc = RichGrid();
  const PrintSettings settings;
  const CorelScriptWriter writer(doc, settings);
  const Failure failure = writer.writeFile(dir / "no-such-folder" / "a.csc", ExportChoice{});
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->text, " Не удалось записать файл макроса! \n" + (dir / "no-such-folder" / "a.csc").string() + ": папки нет");
  EXPECT_EQ(failure->caption(), "Ошибка!");
  EXPECT_TRUE(writer.writeFile(dir, ExportChoice{}).has_value());  // a folder is no file
  EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
}  // namespace verstak
