#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "document/check_definitions.h"
#include "document/overlay_rule.h"
#include "document/slot_numbering.h"

namespace verstak {
namespace {

void SetText(ScanwordDocument& doc, int slot, int line, const std::string& text) {
  doc.definitions.slot(slot).line(line).assign(text);
}

void SetKind(ScanwordDocument& doc, int x, int y, CellKind kind) { doc.cells.at(x, y).kind = kind; }

TEST(DocumentModel, AccessorsRefuseCoordinatesAndSlotsOutsideTheArrays) {
  ScanwordDocument doc;
  EXPECT_THROW(doc.cells.at(0, 1), std::out_of_range);
  EXPECT_THROW(doc.cells.at(1, 100), std::out_of_range);
  EXPECT_THROW(doc.definitions.slot(0), std::out_of_range);
  EXPECT_THROW(doc.definitions.slot(10001), std::out_of_range);
  EXPECT_THROW(doc.definitions.slot(1).line(17), std::out_of_range);
  EXPECT_TRUE(doc.definitions.slotOrEmpty(10001).isEmpty());
  EXPECT_NO_THROW(doc.cells.at(99, 99));
}

TEST(DocumentModel, LinesKeepAtMost32Bytes) {
  DefinitionLine line;
  line.assign(std::string(40, 'a'));
  EXPECT_EQ(line.text(), std::string(32, 'a'));
  line.assign("");
  EXPECT_TRUE(line.empty());
}

TEST(DocumentModel, DefinitionWithEmptyFirstLineCountsAsEmpty) {
  DefinitionText text;
  text.line(2).assign("\xCA\xC8\xD2");  // КИТ
  EXPECT_TRUE(text.isEmpty());
  EXPECT_TRUE(text.hasAnyText());
}

TEST(CellKinds, MissingVariantsPairWithTheirPlainKinds) {
  const std::vector<std::pair<int, int>> pairs = {{16, 106}, {19, 109}, {20, 102}, {24, 104}, {25, 105}};
  for (const auto& [plain, missing] : pairs) {
    EXPECT_EQ(Code(MissingVariant(KindFromCode(plain))), missing);
    EXPECT_EQ(Code(PlainKind(KindFromCode(missing))), plain);
    EXPECT_EQ(Code(MissingVariant(KindFromCode(missing))), missing);
    EXPECT_EQ(slotCount(KindFromCode(plain)), slotCount(KindFromCode(missing)));
  }
  for (int code = 0; code < 256; ++code) {
    const bool paired = code == 16 || code == 19 || code == 20 || code == 24 || code == 25 || code == 102 ||
                        code == 104 || code == 105 || code == 106 || code == 109;
    if (!paired) {
      EXPECT_EQ(Code(MissingVariant(KindFromCode(static_cast<std::uint8_t>(code)))), code);
      EXPECT_EQ(slotCount(KindFromCode(static_cast<std::uint8_t>(code))), 0) << code;
    }
  }
  EXPECT_EQ(slotCount(CellKind::ClueSplitHorizontalMissing), 2);
  EXPECT_EQ(slotCount(CellKind::ClueHalfTop), 1);
}

// The layout guide's table, typed out independently of overlay_rule.h.
TEST(OverlayRule, IsExactlyTheLayoutGuideTable) {
  const std::vector<std::pair<int, std::set<int>>> expected = {
      {1, {2, 3, 5, 7, 11, 13, 17, 22}},      {2, {1, 4, 6, 8, 10, 12, 18, 21}},
      {3, {1, 4, 6, 8, 10, 12, 21}},          {4, {2, 3, 5, 7, 11, 13, 17, 22}},
      {5, {1, 4, 8, 10, 12, 18, 21, 22}},     {6, {2, 3, 7, 11, 13, 17, 18, 22}},
      {7, {1, 4, 6, 10, 12, 18, 21, 22}},     {8, {2, 3, 5, 7, 11, 13, 17, 18, 22}},
      {9, {18, 22}},                          {10, {2, 3, 5, 7, 13, 17, 18, 22}},
      {11, {1, 4, 6, 8, 12, 18, 21, 22}},     {12, {2, 3, 5, 7, 11, 17, 22}},
      {13, {1, 4, 6, 8, 10, 18, 21, 22}},     {14, {18, 22}},
      {17, {1, 4, 6, 8, 10, 12}},             {18, {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
      {21, {2, 3, 5, 7, 11, 13}},             {22, {1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
  };
  std::set<int> marks;
  for (const auto& [mark, kinds] : expected) {
    marks.insert(mark);
    for (int kind = 0; kind < 256; ++kind) {
      EXPECT_EQ(OverlayAllowed(static_cast<std::uint8_t>(mark), KindFromCode(static_cast<std::uint8_t>(kind))),
                kinds.count(kind) == 1)
          << "mark " << mark << " on kind " << kind;
    }
  }
  for (int mark = 0; mark < 256; ++mark) {
    if (marks.count(mark) == 0) {
      for (int kind = 0; kind < 256; ++kind)
        ASSERT_FALSE(OverlayAllowed(static_cast<std::uint8_t>(mark), KindFromCode(static_cast<std::uint8_t>(kind))));
    }
  }
  // Not symmetric: a bar may join an arrow that may not join that bar.
  EXPECT_TRUE(OverlayAllowed(18, CellKind::ArrowFromTopRight));
  EXPECT_FALSE(OverlayAllowed(4, CellKind::BarLeft));
  EXPECT_TRUE(OverlayAllowed(17, CellKind::ArrowFromLeftRight));
  EXPECT_FALSE(OverlayAllowed(17, CellKind::ArrowFromTopDown));
}

class SlotsTest : public ::testing::Test {
 protected:
  ScanwordDocument doc;
  void Grid(int w, int h) {
    doc.gridWidth = static_cast<std::uint8_t>(w);
    doc.gridHeight = static_cast<std::uint8_t>(h);
  }
};

TEST_F(SlotsTest, NumberingFollowsReadingOrderWithSplitCellsTakingTwo) {
  Grid(3, 2);
  SetKind(doc, 2, 1, CellKind::ClueSplitVertical);
  SetKind(doc, 3, 1, CellKind::Clue);
  SetKind(doc, 1, 2, CellKind::ClueSplitHorizontalMissing);
  SetKind(doc, 2, 2, CellKind::ClueHalfTop);
  SetKind(doc, 3, 2, CellKind::ArrowFromLeftRight);
  SetKind(doc, 4, 1, CellKind::Clue);  // outside the grid: not counted

  EXPECT_FALSE(SlotNumbering(doc, 1, 1));
  EXPECT_EQ(SlotNumbering(doc, 2, 1)->first, 1);
  EXPECT_EQ(SlotNumbering(doc, 2, 1)->second, 2);
  EXPECT_EQ(SlotNumbering(doc, 3, 1)->first, 3);
  EXPECT_EQ(SlotNumbering(doc, 3, 1)->second, 0);
  // A missing variant numbers exactly like its plain kind.
  EXPECT_EQ(SlotNumbering(doc, 1, 2)->first, 4);
  EXPECT_EQ(SlotNumbering(doc, 1, 2)->second, 5);
  EXPECT_EQ(SlotNumbering(doc, 2, 2)->first, 6);
  EXPECT_FALSE(SlotNumbering(doc, 3, 2));
  EXPECT_FALSE(SlotNumbering(doc, 4, 1));
  EXPECT_EQ(SlotTotal(doc), 6);
}

struct CheckCase {
  const char* name;
  std::vector<CellKind> row;  // a one-row grid
  std::vector<int> filledSlots;
  CheckOutcome outcome;
  std::string text;
  MessageKind kind;
  std::vector<CellKind> rowAfter;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class CheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckTest, OutcomeMessageAndMarks) {
  const CheckCase& c = GetParam();
  ScanwordDocument doc;
  doc.gridWidth = static_cast<std::uint8_t>(c.row.size());
  doc.gridHeight = 1;
  for (std::size_t i = 0; i < c.row.size(); ++i) SetKind(doc, static_cast<int>(i) + 1, 1, c.row[i]);
  for (int slot : c.filledSlots) SetText(doc, slot, 1, "t");

  const CheckResult result = CheckDefinitions(doc);

  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.message.text, c.text);
  EXPECT_EQ(result.message.kind, c.kind);
  for (std::size_t i = 0; i < c.rowAfter.size(); ++i)
    EXPECT_EQ(doc.cells.at(static_cast<int>(i) + 1, 1).kind, c.rowAfter[i]) << "cell " << i + 1;
}

using K = CellKind;
INSTANTIATE_TEST_SUITE_P(
    Outcomes, CheckTest,
    ::testing::Values(
        CheckCase{"OneClueTwoTexts", {K::Clue}, {1, 2}, CheckOutcome::TooMany, "Много определений!",
                  MessageKind::Error, {K::Clue}},
        CheckCase{"SplitWithFirstOnly", {K::ClueSplitHorizontal}, {1}, CheckOutcome::TooFew, "Мало определений!",
                  MessageKind::Error, {K::ClueSplitHorizontalMissing}},
        // The second visit decides: slot 1 empty, slot 2 filled leaves it plain.
        CheckCase{"SplitWithSecondOnly", {K::ClueSplitHorizontalMissing}, {2}, CheckOutcome::TooFew,
                  "Мало определений!", MessageKind::Error, {K::ClueSplitHorizontal}},
        CheckCase{"AllFilled", {K::ClueMissing, K::Letter, K::ClueSplitVerticalMissing, K::ClueHalfLeftMissing},
                  {1, 2, 3, 4}, CheckOutcome::AllRight, "Все правильно!", MessageKind::Success,
                  {K::Clue, K::Letter, K::ClueSplitVertical, K::ClueHalfLeft}},
        CheckCase{"NoCluesOneText", {K::Letter}, {1}, CheckOutcome::TooMany, "Много определений!",
                  MessageKind::Error, {K::Letter}},
        CheckCase{"NoCluesNoTexts", {K::Picture}, {}, CheckOutcome::NoDefinitions, "Эй! Нет определений!",
                  MessageKind::Error, {K::Picture}},
        // A text in slot total + 2 goes unseen while total + 1 is empty.
        CheckCase{"TextTwoPastTheEndUnseen", {K::Clue, K::ClueHalfTop}, {1, 2, 4}, CheckOutcome::AllRight,
                  "Все правильно!", MessageKind::Success, {K::Clue, K::ClueHalfTop}},
        CheckCase{"MiddleMissing", {K::Clue, K::ClueHalfTop, K::Clue}, {1, 3}, CheckOutcome::TooFew,
                  "Мало определений!", MessageKind::Error, {K::Clue, K::ClueHalfTopMissing, K::Clue}}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// Too many or too few: the counts stand on a second line, every text counted
// (the check itself looks only one slot past the clue cells).
TEST(Check, TooManyAndTooFewGiveTheCounts) {
  ScanwordDocument doc;
  doc.gridWidth = 3;
  doc.gridHeight = 1;
  SetKind(doc, 1, 1, CellKind::ClueSplitVertical);
  SetKind(doc, 3, 1, CellKind::Clue);
  for (int slot : {1, 2, 3, 4, 5, 9}) SetText(doc, slot, 1, "t");
  EXPECT_EQ(CheckDefinitions(doc).message,
            UserMessage::Error("Много определений!", "Клеток для определений: 3, определений: 6."));
  for (int slot : {2, 4, 5, 9}) doc.definitions.slot(slot).clear();
  EXPECT_EQ(CheckDefinitions(doc).message,
            UserMessage::Error("Мало определений!", "Клеток для определений: 3, определений: 2."));
  SetText(doc, 2, 1, "t");
  EXPECT_EQ(CheckDefinitions(doc).message.details, "");
}

TEST(Check, LineOneEmptyCountsAsEmptyAndMarksTheCell) {
  ScanwordDocument doc;
  doc.gridWidth = 2;
  doc.gridHeight = 1;
  SetKind(doc, 1, 1, CellKind::Clue);
  SetKind(doc, 2, 1, CellKind::ClueHalfLeft);
  SetText(doc, 1, 1, "a");
  SetText(doc, 2, 2, "only line two");
  const CheckResult result = CheckDefinitions(doc);
  EXPECT_EQ(result.outcome, CheckOutcome::TooFew);
  EXPECT_EQ(result.total, 2);
  EXPECT_EQ(result.found, 1);
  EXPECT_EQ(doc.cells.at(2, 1).kind, CellKind::ClueHalfLeftMissing);
}

TEST(Check, GridWithMoreSlotsThanTheTableReadsTheRestAsEmpty) {
  ScanwordDocument doc;
  doc.gridWidth = 99;
  doc.gridHeight = 99;
  for (int y = 1; y <= 99; ++y)
    for (int x = 1; x <= 99; ++x) SetKind(doc, x, y, CellKind::ClueSplitVertical);
  for (int slot = 1; slot <= kDefinitionSlots; ++slot) SetText(doc, slot, 1, "t");

  const CheckResult result = CheckDefinitions(doc);

  EXPECT_EQ(result.total, 19602);
  EXPECT_EQ(result.found, 10000);
  EXPECT_EQ(result.outcome, CheckOutcome::TooFew);
  // Cell 5000 (row 51, column 50) holds slots 9999 and 10000; the next one does not fit.
  EXPECT_EQ(doc.cells.at(50, 51).kind, CellKind::ClueSplitVertical);
  EXPECT_EQ(doc.cells.at(51, 51).kind, CellKind::ClueSplitVerticalMissing);
}

}  // namespace
}  // namespace verstak
