#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "script_test_support.h"

namespace verstak {
namespace {

using namespace verstak::testing;
using Lines = std::vector<std::string>;

const Lines kDeleteSingle = {"   .RecorderSelectObjectByIndex TRUE,nob-2", "  .DeleteObject"};
const Lines kDeletePair = {"   .RecorderSelectObjectByIndex TRUE,nob-4", "  .DeleteObject",
                           "   .RecorderSelectObjectByIndex TRUE,nob-3", "  .DeleteObject"};

struct PassTable {
  bool PassChoices::*ticked;
  std::string layer;
  bool returnsToTopLeft;
  std::map<int, Lines> cellLines;  // kinds not listed write nothing
};

std::map<int, Lines> Same(std::initializer_list<int> kinds, const Lines& lines) {
  std::map<int, Lines> rows;
  for (int kind : kinds) rows[kind] = lines;
  return rows;
}

std::map<int, Lines> ArrowRows() {
  std::map<int, Lines> rows;
  for (int arrow = 1; arrow <= 14; ++arrow) rows[arrow] = {Gosub(arrow), Counter(1)};
  return rows;
}

std::map<int, Lines> Merged(std::map<int, Lines> rows, const std::map<int, Lines>& more) {
  rows.insert(more.begin(), more.end());
  return rows;
}

// The six pass tables as the layout guide gives them, cell by cell.
std::vector<PassTable> PassTables() {
  return {
      {&PassChoices::text,
       "Text",
       false,
       {{16, Joined({{Gosub(36), Counter(2)}, Pair("А", "Б"), kDeletePair})},
        {19, Joined({{Gosub(15), Counter(1)}, Centred("А"), kDeleteSingle})},
        {20, Joined({{Gosub(40), Counter(2)}, RotatedPair("А", "Б"), kDeletePair})},
        {24, Joined({{Gosub(34), Counter(1)}, Rotated("А"), kDeleteSingle})},
        {25, Joined({{Gosub(35), Counter(1)}, Centred("А"), kDeleteSingle})}}},
      {&PassChoices::arrows, "Arrows", true, ArrowRows()},
      {&PassChoices::emptySquares, "Free_kub", true,
       Merged(Same({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 18, 21, 22}, {Gosub(15)}),
              {{24, {Gosub(44)}}, {25, {Gosub(45)}}})},
      {&PassChoices::fullSquares,
       "Fool_kub",
       true,
       {{16, {Gosub(16)}}, {19, {Gosub(15), Gosub(19)}}, {20, {Gosub(20)}}, {24, {Gosub(37)}}, {25, {Gosub(38)}}}},
      {&PassChoices::pictures, "Images", true, {{23, {Gosub(15), Gosub(23)}}}},
      {&PassChoices::allSquares, "Oll_kub", true,
       Merged(Same({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 19}, {Gosub(15)}),
              {{16, {Gosub(36)}},
               {17, {Gosub(17)}},
               {18, {Gosub(18)}},
               {20, {Gosub(40), Counter(2)}},
               {21, {Gosub(21), Counter(2)}},
               {22, {Gosub(22), Counter(2)}},
               {24, {Gosub(40), Counter(2)}},
               {25, {Gosub(36), Counter(2)}}})},
  };
}

const std::map<int, int> kMissingToPlain = {{102, 20}, {104, 24}, {105, 25}, {106, 16}, {109, 19}};

// Each pass alone on a one-cell grid, for every kind code: the pass's lines,
// missing variants like their plain kinds, with and without layer lines.
TEST(LayerPasses, EachPassWritesItsTableForEveryKind) {
  for (const PassTable& pass : PassTables()) {
    const Lines start = pass.returnsToTopLeft ? Lines{"    GOSUB Lear"} : Lines{};
    const Lines layer = {"    .NewLayer \"" + pass.layer + "\"", "    .SelectLayer \"" + pass.layer + "\""};
    for (int kind : {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  11,  12,  13,  14,  15, 16,
                     17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 102, 104, 105, 106, 109, 255}) {
      const int plain = kMissingToPlain.count(kind) ? kMissingToPlain.at(kind) : kind;
      const Lines cell = pass.cellLines.count(plain) ? pass.cellLines.at(plain) : Lines{};
      const ScanwordDocument doc = OneCell(kind);
      const PassChoices only = OnlyPass(pass.ticked);
      EXPECT_EQ(BodyLines(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::SeparatelyOnOneLayer, only))),
                Joined({start, cell, kNextColumn, kNextRow}))
          << pass.layer << " kind " << kind;
      EXPECT_EQ(BodyLines(MacroOf(doc, Choice(CorelVersion::Draw7, LayerMode::ByLayers, only))),
                Joined({{layer[0]}, start, {layer[1]}, cell, kNextColumn, kNextRow}))
          << pass.layer << " kind " << kind;
    }
  }
}

Lines PassBody(const ScanwordDocument& doc, bool PassChoices::*ticked) {
  return BodyLines(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::SeparatelyOnOneLayer, OnlyPass(ticked))));
}

TEST(LayerPasses, SecondArrowsGoToTheArrowPassAndBarsToTheAllSquaresPass) {
  // An arrow overlay is drawn on every cell, bar cells included.
  EXPECT_EQ(PassBody(OneCell(2, 1), &PassChoices::arrows),
            Joined({{"    GOSUB Lear", Gosub(2), Counter(1), Gosub(1), Counter(1)}, kNextColumn, kNextRow}));
  EXPECT_EQ(PassBody(OneCell(17, 1), &PassChoices::arrows),
            Joined({{"    GOSUB Lear", Gosub(1), Counter(1)}, kNextColumn, kNextRow}));
  // A bar overlay adds the lines of a bar cell to the all-squares pass.
  const std::map<int, Lines> barLines = {
      {17, {Gosub(17)}}, {18, {Gosub(18)}}, {21, {Gosub(21), Counter(2)}}, {22, {Gosub(22), Counter(2)}}};
  for (const auto& [bar, lines] : barLines) {
    const int arrow = bar == 17 ? 1 : 2;
    EXPECT_EQ(PassBody(OneCell(arrow, bar), &PassChoices::allSquares),
              Joined({{"    GOSUB Lear", Gosub(15)}, lines, kNextColumn, kNextRow}))
        << bar;
    for (bool PassChoices::*other : {&PassChoices::text, &PassChoices::arrows, &PassChoices::emptySquares,
                                     &PassChoices::fullSquares, &PassChoices::pictures}) {
      EXPECT_EQ(PassBody(OneCell(arrow, bar), other), PassBody(OneCell(arrow), other)) << bar;
    }
  }
}

TEST(LayerPasses, PassesComeInTheirFixedOrderAfterTheLayers) {
  const ScanwordDocument doc = RichGrid();
  Lines concatenated;
  for (const PassTable& pass : PassTables()) {
    const Lines body = PassBody(doc, pass.ticked);
    concatenated.insert(concatenated.end(), body.begin(), body.end());
  }
  const Lines separate = BodyLines(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::SeparatelyOnOneLayer)));
  EXPECT_EQ(separate, concatenated);

  const Lines byLayers = BodyLines(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::ByLayers)));
  const Lines newLayers(byLayers.begin(), byLayers.begin() + 6);
  EXPECT_EQ(newLayers, (Lines{"    .NewLayer \"Free_kub\"", "    .NewLayer \"Fool_kub\"", "    .NewLayer \"Images\"",
                              "    .NewLayer \"Oll_kub\"", "    .NewLayer \"Text\"", "    .NewLayer \"Arrows\""}));
  EXPECT_EQ(byLayers[6], "    .SelectLayer \"Text\"");
  Lines withoutLayerLines;
  std::copy_if(byLayers.begin(), byLayers.end(), std::back_inserter(withoutLayerLines), [](const std::string& line) {
    return line.find(".NewLayer") == std::string::npos && line.find(".SelectLayer") == std::string::npos;
  });
  EXPECT_EQ(withoutLayerLines, separate);
}

TEST(LayerPasses, NoTickedBoxWritesAnEmptyBodyAndNoSubroutine) {
  const ScanwordDocument doc = RichGrid();
  const PassChoices none{false, false, false, false, false, false};
  for (LayerMode mode : {LayerMode::SeparatelyOnOneLayer, LayerMode::ByLayers}) {
    const std::string macro = MacroOf(doc, Choice(CorelVersion::Draw9, mode, none));
    EXPECT_TRUE(BodyLines(macro).empty());
    EXPECT_TRUE(LibraryLines(macro).empty());
    EXPECT_EQ(SplitLines(macro).size(), 7u + 14u + 9u + 1u);
  }
}

TEST(LayerPasses, OnlyTheTextPassTakesClueSlots) {
  const ScanwordDocument doc = RichGrid();
  PassChoices noText;
  noText.text = false;
  EXPECT_EQ(MacroOf(doc, Choice(CorelVersion::Draw9, LayerMode::ByLayers, noText)).find(".CreateArtisticText"),
            std::string::npos);
  // The text pass starts with the first cell's lines; every other pass with GOSUB Lear.
  EXPECT_EQ(PassBody(OneCell(25), &PassChoices::text).front(), Gosub(35));
  EXPECT_EQ(PassBody(OneCell(1), &PassChoices::arrows).front(), "    GOSUB Lear");
}

}  // namespace
}  // namespace verstak
