// The word model, the arrows' clues, the slot of each arrow in its clue cell
// and the markup check, on small grids drawn by hand. Expected values are
// worked out from the rules as a layout person states them, not from the
// program's tables.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/check_markup.h"
#include "document/clue_links.h"
#include "document/words.h"

namespace verstak {
namespace {

// '.' letter cell, '*' picture, '#' clue, '=' split top and bottom, 'H' split
// left and right; any other character a letter cell with that letter.
ScanwordDocument Grid(const std::vector<std::string>& rows) {
  ScanwordDocument doc;
  doc.gridHeight = static_cast<std::uint8_t>(rows.size());
  doc.gridWidth = static_cast<std::uint8_t>(rows.front().size());
  for (int y = 1; y <= doc.gridHeight; ++y) {
    for (int x = 1; x <= doc.gridWidth; ++x) {
      const char c = rows[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x - 1)];
      CellKind kind = CellKind::Letter;
      if (c == '*') kind = CellKind::Picture;
      if (c == '#') kind = CellKind::Clue;
      if (c == '=') kind = CellKind::ClueSplitHorizontal;
      if (c == 'H') kind = CellKind::ClueSplitVertical;
      doc.cells.at(x, y).kind = kind;
      if (kind == CellKind::Letter && c != '.') doc.letters.set(x, y, static_cast<std::uint8_t>(c));
    }
  }
  return doc;
}

// A first mark becomes the kind, a second the overlay, as the palette does.
void Mark(ScanwordDocument& doc, int x, int y, int code) {
  GridCell& cell = doc.cells.at(x, y);
  if (cell.kind == CellKind::Letter) {
    cell.kind = KindFromCode(static_cast<std::uint8_t>(code));
  } else {
    cell.overlay = static_cast<std::uint8_t>(code);
  }
}

struct Start {
  int x, y;
  WordDirection direction;
  int length;
};

std::vector<Start> Starts(const ScanwordDocument& doc) {
  std::vector<Start> starts;
  for (const Word& word : FindWords(doc)) starts.push_back({word.x, word.y, word.direction, word.length});
  return starts;
}

bool operator==(const Start& a, const Start& b) {
  return a.x == b.x && a.y == b.y && a.direction == b.direction && a.length == b.length;
}

std::ostream& operator<<(std::ostream& out, const Start& s) {
  return out << "(" << s.x << "," << s.y << (s.direction == WordDirection::Across ? " across " : " down ") << s.length
             << ")";
}

constexpr WordDirection A = WordDirection::Across;
constexpr WordDirection D = WordDirection::Down;

TEST(Words, RunsOfTwoOrMoreLetterCellsEndedByCluesAndPictures) {
  const ScanwordDocument doc = Grid({"#abc", "de*f", "g#hi"});
  EXPECT_EQ(Starts(doc), (std::vector<Start>{{2, 1, A, 3}, {2, 1, D, 2}, {4, 1, D, 3}, {1, 2, A, 2}, {1, 2, D, 2},
                                             {3, 3, A, 2}}));
  EXPECT_EQ(*WordAnswer(doc, FindWords(doc)[0]), "abc");
  EXPECT_EQ(*WordAnswer(doc, FindWords(doc)[2]), "cfi");
}

TEST(Words, ArrowAndBarCellsAreLetterCellsOtherCodesAreNot) {
  for (int code = 0; code < 256; ++code) {
    const bool letter = code <= 15 || code == 17 || code == 18 || code == 21 || code == 22;
    ScanwordDocument doc = Grid({"...", "..."});
    doc.cells.at(2, 1).kind = KindFromCode(static_cast<std::uint8_t>(code));
    // The top row is one word only when the middle cell is a letter cell
    // that no bar of its own kind splits.
    const bool split = code == 18 || code == 21;
    const bool whole = letter && !split;
    EXPECT_EQ(FindWords(doc).front().length, whole ? 3 : 2) << code;
  }
}

struct BarCase {
  int bar;
  int base;      // 0: the bar is the kind; else the arrow kind it stands on as overlay
  int position;  // column (across cases) or row (down cases) of the bar's cell
  WordDirection direction;
  std::vector<std::pair<int, int>> runs;  // first and last cell of each word
};

TEST(Words, BarsEndRunsOnTheirOwnEdgeAsKindOrOverlay) {
  const std::vector<BarCase> cases = {
      {21, 0, 2, A, {{1, 2}, {3, 4}}}, {21, 2, 2, A, {{1, 2}, {3, 4}}}, {18, 0, 3, A, {{1, 2}, {3, 4}}},
      {18, 2, 3, A, {{1, 2}, {3, 4}}}, {21, 0, 4, A, {{1, 4}}},         {18, 0, 1, A, {{1, 4}}},
      {17, 0, 2, A, {{1, 4}}},         {22, 0, 3, A, {{1, 4}}},         {17, 0, 2, D, {{1, 2}, {3, 4}}},
      {17, 1, 2, D, {{1, 2}, {3, 4}}}, {22, 0, 3, D, {{1, 2}, {3, 4}}}, {22, 1, 3, D, {{1, 2}, {3, 4}}},
      {17, 0, 4, D, {{1, 4}}},         {22, 0, 1, D, {{1, 4}}},         {21, 0, 2, D, {{1, 4}}},
      {18, 0, 3, D, {{1, 4}}},         {21, 3, 1, A, {{2, 4}}},
  };
  for (const BarCase& c : cases) {
    const bool across = c.direction == A;
    ScanwordDocument doc = Grid(across ? std::vector<std::string>{"...."} : std::vector<std::string>{".", ".", ".", "."});
    const int x = across ? c.position : 1;
    const int y = across ? 1 : c.position;
    if (c.base != 0) Mark(doc, x, y, c.base);
    Mark(doc, x, y, c.bar);
    std::vector<Start> expected;
    for (const auto& [first, last] : c.runs) {
      expected.push_back({across ? first : 1, across ? 1 : first, c.direction, last - first + 1});
    }
    EXPECT_EQ(Starts(doc), expected) << "bar " << c.bar << " on " << c.base << " at " << c.position;
  }
}

TEST(Words, AnswerUnknownWhenAnyLetterIsMissing) {
  ScanwordDocument doc = Grid({"ab.", "#cd"});
  const std::vector<Word> words = FindWords(doc);
  ASSERT_EQ(words.size(), 4U);
  EXPECT_EQ(words[0], (Word{1, 1, A, 3}));
  EXPECT_FALSE(WordAnswer(doc, words[0]));  // its third cell has no letter
  EXPECT_EQ(*WordAnswer(doc, words[3]), "cd");
  ClearCells(doc);
  EXPECT_EQ(doc.letters, LetterGrid{});
}

// Where the clue of each arrow stands, as the layout guide lists it, and
// whether the arrow ends pointing right.
struct ArrowCase {
  int code;
  int dx, dy;  // the clue cell from the arrow's cell
  bool rightwards;
};

const std::vector<ArrowCase> kArrowCases = {
    {1, -1, 0, true},  {3, -1, 0, false}, {2, 0, -1, false}, {4, 0, -1, true},   {9, 0, 1, true},
    {14, 1, 0, false}, {5, -1, -1, false}, {6, -1, -1, true}, {7, 1, -1, false},  {8, 1, -1, true},
    {10, -1, 1, true}, {11, -1, 1, false}, {12, 1, 1, true},  {13, 1, 1, false},
};

// The arrow in the middle of a 3 x 3 grid whose top and left neighbours are
// pictures, so that both an across and a down word start there; the clue
// cell where the arrow says.
ScanwordDocument ArrowGrid(const ArrowCase& c) {
  ScanwordDocument doc = Grid({".*.", "*..", "..."});
  doc.cells.at(2 + c.dx, 2 + c.dy).kind = CellKind::Clue;
  return doc;
}

void ExpectLeadsFromItsClue(const ScanwordDocument& doc, const ArrowCase& c, bool asOverlay) {
  const ClueLinks links(doc);
  const LinkedArrow* arrow = links.arrowAt(2, 2, static_cast<std::uint8_t>(c.code));
  ASSERT_NE(arrow, nullptr) << c.code;
  EXPECT_EQ(arrow->asOverlay, asOverlay);
  EXPECT_EQ(arrow->clueX, 2 + c.dx) << c.code;
  EXPECT_EQ(arrow->clueY, 2 + c.dy) << c.code;
  ASSERT_NE(arrow->word, kNone) << c.code;
  const Word& word = links.words()[static_cast<std::size_t>(arrow->word)];
  EXPECT_EQ(word.x, 2);
  EXPECT_EQ(word.y, 2);
  EXPECT_EQ(word.direction, c.rightwards ? A : D) << c.code;
  EXPECT_EQ(arrow->slot, 1) << c.code;
  EXPECT_EQ(links.wordOfSlot(1), word) << c.code;
}

TEST(ClueLinks, EveryArrowKindNamesItsClueCellAndWord) {
  for (const ArrowCase& c : kArrowCases) {
    ScanwordDocument doc = ArrowGrid(c);
    Mark(doc, 2, 2, c.code);
    ExpectLeadsFromItsClue(doc, c, false);
  }
}

TEST(ClueLinks, AnArrowAsTheOverlayCountsTheSame) {
  for (const ArrowCase& c : kArrowCases) {
    ScanwordDocument doc = ArrowGrid(c);
    // A bar on the edge that already faces a picture or the clue.
    Mark(doc, 2, 2, c.code == 2 || c.code == 4 ? 18 : 22);
    Mark(doc, 2, 2, c.code);
    ExpectLeadsFromItsClue(doc, c, true);
  }
}

struct SlotCase {
  const char* name;
  std::vector<std::string> rows;
  std::vector<std::array<int, 3>> arrows;  // x, y, code
  std::vector<Start> slots;                // the word of slot 1, 2, ... (length 0: none)
};

TEST(ClueLinks, SlotsOfATwoClueCellGoHigherFirstOrFurtherLeftFirst) {
  const std::vector<SlotCase> cases = {
      {"across from the right edge above down from the bottom",
       {"****", "*=..", "*.**", "*.**"}, {{3, 2, 1}, {2, 3, 2}}, {{3, 2, A, 2}, {2, 3, D, 2}}},
      {"from the top edge before the middle", {"*..*", "*=..", "****"}, {{2, 1, 9}, {3, 2, 1}},
       {{2, 1, A, 2}, {3, 2, A, 2}}},
      {"same height, both down: reading order", {"***", ".=.", ".*."}, {{3, 2, 3}, {1, 2, 14}},
       {{1, 2, D, 2}, {3, 2, D, 2}}},
      {"same height: across before down", {"****", ".=..", ".***"}, {{1, 2, 14}, {3, 2, 1}},
       {{3, 2, A, 2}, {1, 2, D, 2}}},
      {"split left and right: from the left edge first", {"****", ".H..", ".***"}, {{1, 2, 14}, {3, 2, 1}},
       {{1, 2, D, 2}, {3, 2, A, 2}}},
      {"split left and right: the middle before the right edge", {"****", "*H..", "*.**", "*.**"},
       {{3, 2, 1}, {2, 3, 2}}, {{2, 3, D, 2}, {3, 2, A, 2}}},
      {"split left and right, same place, both across: reading order", {"*..*", "*H**", "*..*"},
       {{2, 3, 4}, {2, 1, 9}}, {{2, 1, A, 2}, {2, 3, A, 2}}},
      {"two arrows in one cell, each from its own clue", {"*#*", "#..", "*.*"}, {{2, 2, 1}, {2, 2, 2}},
       {{2, 2, D, 2}, {2, 2, A, 2}}},
      {"a second slot no arrow takes", {"****", "*=..", "****"}, {{3, 2, 1}}, {{3, 2, A, 2}, {0, 0, A, 0}}},
  };
  for (const SlotCase& c : cases) {
    ScanwordDocument doc = Grid(c.rows);
    for (const auto& [x, y, code] : c.arrows) Mark(doc, x, y, code);
    const ClueLinks links(doc);
    for (std::size_t n = 0; n < c.slots.size(); ++n) {
      const int slot = static_cast<int>(n) + 1;
      const std::optional<Word> word = links.wordOfSlot(slot);
      const Start expected = c.slots[n];
      if (expected.length == 0) {
        EXPECT_FALSE(word) << c.name << ", slot " << slot;
        continue;
      }
      ASSERT_TRUE(word) << c.name << ", slot " << slot;
      EXPECT_EQ((Start{word->x, word->y, word->direction, word->length}), expected) << c.name << ", slot " << slot;
      // The half of a split cell is its slot; each one-slot cell has one.
      const bool split = links.clueCells().size() == 1;
      EXPECT_EQ(links.arrowOfSlot(slot)->half, split ? slot : 1) << c.name;
    }
  }
}

TEST(MarkupCheck, EachFaultNamedAtItsCell) {
  ScanwordDocument doc = Grid({"#..*", "...*", "*#.."});
  Mark(doc, 2, 1, 1);   // across from (1,1)
  Mark(doc, 2, 1, 5);   // down, its clue above-left outside the grid
  Mark(doc, 1, 2, 4);   // across from (1,1): one clue cell, two words
  Mark(doc, 1, 2, 12);  // across again, from (2,3): two clues
  Mark(doc, 3, 3, 3);   // down from (2,3), but the down word starts at (3,1)
  Mark(doc, 3, 3, 1);   // across from (2,3)
  std::vector<std::string> lines;
  for (const MarkupFault& fault : CheckMarkup(doc)) lines.push_back(fault.text);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "строка 1, столбец 1: мест для определений 1, слов 2",
                       "строка 1, столбец 2: у слова по вертикали нет определения",
                       "строка 1, столбец 2: стрелка вниз не от клетки с определением",
                       "строка 1, столбец 3: у слова по вертикали нет определения",
                       "строка 2, столбец 1: у слова по горизонтали два определения",
                       "строка 3, столбец 2: мест для определений 1, слов 2",
                       "строка 3, столбец 3: стрелка вниз не начинает слова",
                   }));
}

TEST(MarkupCheck, ASoundMarkupHasNoFaultAndAnArrowOnAClueCellStartsNoWord) {
  ScanwordDocument doc = Grid({"*#*", "#..", "*.*"});
  Mark(doc, 2, 2, 1);
  Mark(doc, 2, 2, 2);
  EXPECT_TRUE(CheckMarkup(doc).empty());
  doc.cells.at(1, 2).overlay = 14;  // on the clue cell itself; its clue would be (2,2), a letter
  const std::vector<MarkupFault> faults = CheckMarkup(doc);
  ASSERT_EQ(faults.size(), 2U);
  EXPECT_EQ(faults[0].kind, MarkupFaultKind::ArrowStartsNoWord);
  EXPECT_EQ(faults[1].kind, MarkupFaultKind::ArrowNotFromClue);
  EXPECT_EQ(faults[0].x, 1);
  EXPECT_EQ(faults[0].y, 2);
}

TEST(MarkupCheck, AWordWithoutClueAcrossAndDown) {
  const ScanwordDocument doc = Grid({"..", ".*"});
  std::vector<std::string> lines;
  for (const MarkupFault& fault : CheckMarkup(doc)) lines.push_back(fault.text);
  EXPECT_EQ(lines, (std::vector<std::string>{"строка 1, столбец 1: у слова по горизонтали нет определения",
                                             "строка 1, столбец 1: у слова по вертикали нет определения"}));
}

}  // namespace
}  // namespace verstak
