// Auto-markup on puzzles made up from the house rules: where the intended
// markup is the only best one it is found exactly, through the grid and
// definitions files and the markup check; where several are as good, the
// one found is valid and as good as an exhaustive search's. Then the cases
// at the edge: no candidate, a full clue cell, an arrow pair the overlay
// rule refuses, bars, pictures, a clue cell for no word, partly marked grids.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "document/auto_markup.h"
#include "document/house_rules.h"
#include "document/check_markup.h"
#include "document/clue_links.h"
#include "document/markup_summary.h"
#include "files/open_files.h"
#include "markup_generator.h"
#include "temp_folder.h"
#include "every_kind_grid.h"

namespace verstak {
namespace {

using testing::Candidate;
using testing::Carries;
using testing::GeneratedGrid;
using testing::SlotTexts;

// Every second mark stands where the overlay rule allows it.
void ExpectOverlaysAllowed(const ScanwordDocument& document) {
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      const GridCell& cell = document.cells.at(x, y);
      if (cell.overlay != 0) {
        EXPECT_TRUE(OverlayAllowed(cell.overlay, cell.kind)) << CellName(x, y);
      }
    }
  }
}

TEST(AutoMarkup, GeneratedPuzzlesGetTheirOnlyBestMarkupThroughTheFiles) {
  TempFolder folder;
  int tested = 0;
  int splitCells = 0;
  for (std::uint32_t seed = 1; seed <= 100; ++seed) {
    const auto made = testing::GridWithIntendedMarkup(seed, 5 + static_cast<int>(seed % 10), 5 + static_cast<int>(seed % 7), 25);
    if (!made) continue;
    const GeneratedGrid& grid = *made;
    const ScanwordDocument plain = testing::DocumentOf(grid);
    const std::vector<Word> words = FindWords(plain);
    const auto intended = testing::CheapestMarkup(plain, words);
    if (!intended || words.empty()) continue;
    ++tested;
    SCOPED_TRACE("seed " + std::to_string(seed));
    const OpenFileNames names{folder.write("grid.txt", testing::GridFileText(grid, 3)),
                              folder.write("clues.txt", testing::DefinitionsFileText(SlotTexts(plain, words, *intended), 3)),
                              {}};
    ScanwordDocument document;
    ASSERT_TRUE(OpenFiles(document, names, 3, OpenMode::WholeOrNothing).messages.empty());

    const MarkupPlan plan = AutoMarkup(document);
    EXPECT_EQ(plan.defined, static_cast<int>(words.size()));
    for (std::size_t w = 0; w < words.size(); ++w) {
      EXPECT_EQ(plan.arrows[w], (*intended)[w].arrow) << CellName(words[w].x, words[w].y);
      EXPECT_TRUE(Carries(document, words[w].x, words[w].y, (*intended)[w].arrow));
    }
    EXPECT_EQ(CheckMarkup(document), std::vector<MarkupFault>{});
    ExpectOverlaysAllowed(document);
    // Each clue text leads to the word it was written for.
    const ClueLinks links(document);
    for (int slot = 1; slot <= static_cast<int>(words.size()); ++slot) {
      const std::optional<Word> word = links.wordOfSlot(slot);
      ASSERT_TRUE(word) << "slot " << slot;
      EXPECT_EQ(*WordAnswer(document, *word), document.definitions.slot(slot).line(1).text()) << "slot " << slot;
    }
    EXPECT_TRUE(SummarizeMarkup(document).complete());
    for (const LinkedClueCell& cell : links.clueCells()) splitCells += cell.slotCount == 2;
  }
  EXPECT_GE(tested, 40);
  EXPECT_GE(splitCells, 40);
}

// The best (words defined, cost) over every markup, by trying them all.
struct Best {
  int defined = -1;
  long long cost = 0;
};

class ExhaustiveSearch {
 public:
  ExhaustiveSearch(const ScanwordDocument& document, std::vector<Word> words) : words_(std::move(words)) {
    for (const Word& word : words_) candidates_.push_back(testing::CandidatesOf(document, word));
    arrows_.assign(words_.size(), 0);
    uses_.assign(static_cast<std::size_t>(kMaxGridSide) * kMaxGridSide, 0);
  }

  Best run() {
    Visit(0, 0, 0);
    return best_;
  }

 private:
  void Visit(std::size_t w, int defined, long long cost) {
    const int left = static_cast<int>(words_.size() - w);
    if (defined + left < best_.defined || (defined + left == best_.defined && cost >= best_.cost)) return;
    if (w == words_.size()) {
      best_ = {defined, cost};
      return;
    }
    for (const Candidate& candidate : candidates_[w]) {
      int& uses = uses_[static_cast<std::size_t>((candidate.clueY - 1) * kMaxGridSide + candidate.clueX - 1)];
      if (uses == 2 || !PairFits(w, candidate.arrow)) continue;
      ++uses;
      arrows_[w] = candidate.arrow;
      Visit(w + 1, defined + 1, cost + candidate.cost);
      arrows_[w] = 0;
      --uses;
    }
    Visit(w + 1, defined, cost);
  }

  // The down word after the across word of the same cell.
  bool PairFits(std::size_t w, std::uint8_t arrow) const {
    if (w == 0 || words_[w - 1].x != words_[w].x || words_[w - 1].y != words_[w].y || arrows_[w - 1] == 0) return true;
    return testing::PairAllowedByOverlayRule(arrows_[w - 1], arrow);
  }

  std::vector<Word> words_;
  std::vector<std::vector<Candidate>> candidates_;
  std::vector<std::uint8_t> arrows_;
  std::vector<int> uses_;
  Best best_;
};

TEST(AutoMarkup, ContestedGridsAreMarkedUpAsWellAsAnExhaustiveSearchCan) {
  int contested = 0;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    ScanwordDocument document = testing::DocumentOf(testing::RandomGrid(seed, 5, 4 + static_cast<int>(seed % 3), 35));
    const std::vector<Word> words = FindWords(document);
    if (words.size() > 16) continue;
    SCOPED_TRACE("seed " + std::to_string(seed));
    contested += !testing::CheapestMarkup(document, words).has_value();
    const Best best = ExhaustiveSearch(document, words).run();
    const MarkupPlan plan = AutoMarkup(document);
    EXPECT_EQ(plan.defined, best.defined);
    EXPECT_EQ(plan.cost, best.cost);
    ExpectOverlaysAllowed(document);
    const MarkupSummary summary = SummarizeMarkup(document);
    EXPECT_EQ(summary.defined, best.defined);
    for (const MarkupFault& fault : summary.faults) {
      EXPECT_TRUE(fault.kind == MarkupFaultKind::WordWithoutClue || fault.kind == MarkupFaultKind::SlotsDifferFromWords)
          << fault.text;
    }
  }
  EXPECT_GE(contested, 50);
}

// '.' a letter cell, '#' a clue cell, '*' a picture, '|' a letter with a bar
// on its right, '[' one with a bar on its left.
ScanwordDocument Grid(const std::vector<std::string>& rows) {
  ScanwordDocument document;
  document.gridHeight = static_cast<std::uint8_t>(rows.size());
  document.gridWidth = static_cast<std::uint8_t>(rows.front().size());
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      const char c = rows[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x - 1)];
      GridCell& cell = document.cells.at(x, y);
      if (c == '#') cell.kind = CellKind::Clue;
      if (c == '*') cell.kind = CellKind::Picture;
      if (c == '|') cell.kind = CellKind::BarRight;
      if (c == '[') cell.kind = CellKind::BarLeft;
      if (c != '#' && c != '*') document.letters.set(x, y, 0xC0);
    }
  }
  return document;
}

std::vector<std::string> FaultTexts(const ScanwordDocument& document) {
  std::vector<std::string> texts;
  for (const MarkupFault& fault : SummarizeMarkup(document).faults) texts.push_back(fault.text);
  return texts;
}

struct EdgeCase {
  const char* name;
  std::vector<std::string> rows;
  // (x, y, arrow) that must stand after the markup
  std::vector<std::tuple<int, int, int>> arrows;
  std::vector<std::string> faults;
};

const EdgeCase kEdgeCases[] = {
    {"no clue cell at all", {"..."}, {}, {"строка 1, столбец 1: у слова по горизонтали нет определения"}},
    {"a clue cell for no word", {"##.."}, {{3, 1, 1}}, {"строка 1, столбец 1: мест для определений 1, слов 0"}},
    // Three words that can only take the middle clue cell: the two cheap ones do.
    {"a full clue cell", {"..**", "*#..", "*.**", "*.**"}, {{3, 2, 1}, {2, 3, 2}},
     {"строка 1, столбец 1: у слова по горизонтали нет определения"}},
    // Both words of one letter only from the top-left corner: 6 and 5 never
    // share a cell, so one word stays without a clue, the down word.
    {"a pair the overlay rule refuses", {"#**", "*..", "*.*"}, {{2, 2, 6}},
     {"строка 2, столбец 2: у слова по вертикали нет определения"}},
    // 6 and 5 refused together: the across word takes its dearer corner.
    {"a pair solved again", {"#**", "*..", "#.*"}, {{2, 2, 10}, {2, 2, 5}}, {}},
    // The bar ends the first word; the second takes the clue below it.
    {"a bar ends a word", {"#.|..", "***#*"}, {{2, 1, 1}, {4, 1, 9}}, {}},
    {"an arrow beside a bar", {"*.[..", "**#**"}, {{3, 1, 9}}, {}},
    {"two arrows in one letter", {"###", "#..", "#.."}, {{2, 2, 1}, {2, 2, 2}, {2, 3, 1}, {3, 2, 2}},
     {"строка 1, столбец 1: мест для определений 1, слов 0"}},
};

TEST(AutoMarkup, EdgeCases) {
  for (const EdgeCase& edge : kEdgeCases) {
    SCOPED_TRACE(edge.name);
    ScanwordDocument document = Grid(edge.rows);
    const ScanwordDocument before = document;
    AutoMarkup(document);
    for (const auto& [x, y, arrow] : edge.arrows) EXPECT_TRUE(Carries(document, x, y, static_cast<std::uint8_t>(arrow))) << x << "," << y;
    EXPECT_EQ(FaultTexts(document), edge.faults);
    ExpectOverlaysAllowed(document);
    EXPECT_EQ(FindWords(document), FindWords(before));
    for (int y = 1; y <= document.gridHeight; ++y) {
      for (int x = 1; x <= document.gridWidth; ++x) {
        const GridCell& was = before.cells.at(x, y);
        const GridCell& is = document.cells.at(x, y);
        if (was.kind == CellKind::Picture) {
          EXPECT_EQ(is, was);
        }
        if (IsBarKind(was.kind)) {
          EXPECT_TRUE(is.kind == was.kind || is.overlay == Code(was.kind)) << CellName(x, y);
        }
      }
    }
  }
}

TEST(AutoMarkup, SplitsACellForTwoWordsAndCountsSlotsAgainstTexts) {
  ScanwordDocument document = Grid({"#..", ".**"});
  document.cells.at(1, 2).kind = CellKind::Letter;
  document.gridHeight = 3;
  document.cells.at(1, 3).kind = CellKind::Letter;
  document.cells.at(2, 3).kind = CellKind::Picture;
  document.cells.at(3, 3).kind = CellKind::Picture;
  document.definitions.slot(1).line(1).assign("one");
  AutoMarkup(document);
  EXPECT_EQ(document.cells.at(1, 1).kind, CellKind::ClueSplitHorizontal);
  const MarkupSummary summary = SummarizeMarkup(document);
  EXPECT_EQ(summary.slots, 2);
  EXPECT_EQ(summary.definitions, 1);
  EXPECT_FALSE(summary.complete());
  EXPECT_EQ(CountMismatchLine(summary), "Слов: 2, определений: 1");
  EXPECT_EQ(SummaryLine(summary), "Слов: 2, клеток с определениями: 1, мест для определений: 2, определений: 1, ошибок: 0");
  document.definitions.slot(2).line(1).assign("two");
  EXPECT_TRUE(SummarizeMarkup(document).complete());
  EXPECT_EQ(CountMismatchLine(SummarizeMarkup(document)), "");
  EXPECT_EQ(NoFaultsLine(SummarizeMarkup(document)), "Разметка без ошибок: слов 2, определений 2.");
}

// A partly marked grid (wrong arrows, other clue kinds, missing marks) comes
// out as the plain one does, and marking up again changes nothing.
TEST(AutoMarkup, ReplacesAPartlyMarkedGridAndIsStable) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const ScanwordDocument plain = testing::DocumentOf(testing::RandomGrid(seed, 12, 9, 30));
    ScanwordDocument fresh = plain;
    AutoMarkup(fresh);
    ScanwordDocument marked = plain;
    std::mt19937 random(seed);
    for (int y = 1; y <= marked.gridHeight; ++y) {
      for (int x = 1; x <= marked.gridWidth; ++x) {
        GridCell& cell = marked.cells.at(x, y);
        if (random() % 3 != 0) continue;
        if (cell.kind == CellKind::Letter) cell = {KindFromCode(static_cast<std::uint8_t>(1 + random() % 14)), 0};
        else cell = {random() % 2 ? CellKind::ClueSplitVertical : CellKind::ClueMissing, 0};
      }
    }
    AutoMarkup(marked);
    EXPECT_EQ(marked.cells, fresh.cells);
    AutoMarkup(marked);
    EXPECT_EQ(marked.cells, fresh.cells);
  }
}

TEST(AutoMarkup, TheLargestEveryKindGridComesOutValid) {
  ScanwordDocument document;
  testing::FillEveryKind(document);
  const ScanwordDocument before = document;
  const MarkupPlan plan = AutoMarkup(document);
  EXPECT_GT(plan.defined, 800) << plan.words.size() << " words, " << plan.solves << " solves";
  ExpectOverlaysAllowed(document);
  EXPECT_EQ(FindWords(document), plan.words);
  const MarkupSummary summary = SummarizeMarkup(document);
  EXPECT_EQ(summary.defined, plan.defined);
  for (const MarkupFault& fault : summary.faults) {
    ASSERT_TRUE(fault.kind == MarkupFaultKind::WordWithoutClue || fault.kind == MarkupFaultKind::SlotsDifferFromWords)
        << fault.text;
  }
  ScanwordDocument again = before;
  AutoMarkup(again);
  EXPECT_EQ(again.cells, document.cells);
}

// The table's own check refuses a row that is wrong in any one field.
TEST(HouseRules, TheirCheckRefusesARowWrongInOneField) {
  EXPECT_TRUE(HouseRulesAgreeWithArrows(kHouseRules));
  for (const HouseRuleRow& right : kHouseRules) {
    HouseRuleRow wrong[5] = {right, right, right, right, right};
    wrong[0].clueDx = static_cast<std::int8_t>(right.clueDx == 1 ? 0 : right.clueDx + 1);
    wrong[1].clueDy = static_cast<std::int8_t>(right.clueDy == 1 ? 0 : right.clueDy + 1);
    wrong[2].word = right.word == WordDirection::Across ? WordDirection::Down : WordDirection::Across;
    wrong[3].cost = kHouseRuleMaxCost + 1;
    wrong[4].cost = -1;
    for (const HouseRuleRow& row : wrong) EXPECT_FALSE(HouseRulesAgreeWithArrows(std::span(&row, 1))) << int{right.arrow};
  }
}

}  // namespace
}  // namespace verstak
