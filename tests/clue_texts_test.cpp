#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "files/clue_texts.h"

namespace verstak {
namespace {

TEST(ClueTexts, KeepsEachClueItsOwnLines) {
  ClueTexts clues;
  clues.startClue();
  clues.addLine("first");
  clues.addLine("");
  clues.addLine(std::string(40, 'x'));
  clues.startClue();  // a clue without lines
  clues.startClue();
  for (int n = 1; n <= 16; ++n) clues.addLine(std::to_string(n));

  ASSERT_EQ(clues.size(), 3);
  EXPECT_EQ(clues.lineCount(1), 3);
  EXPECT_EQ(clues.line(1, 1), "first");
  EXPECT_EQ(clues.line(1, 3), std::string(32, 'x'));  // cut to 32
  EXPECT_EQ(clues.line(1, 4), "");
  EXPECT_EQ(clues.lineCount(2), 0);
  EXPECT_TRUE(clues.text(2).isEmpty());
  EXPECT_EQ(clues.line(3, 16), "16");
  EXPECT_THROW(clues.addLine("17"), std::length_error);
  EXPECT_THROW(clues.line(4, 1), std::out_of_range);
  EXPECT_THROW(ClueTexts{}.addLine("no clue yet"), std::length_error);

  DefinitionTable table;
  table.slot(4).line(1).assign("stays");
  table.slot(1).line(5).assign("overwritten");
  clues.copyInto(table);
  EXPECT_EQ(table.slot(1), clues.text(1));
  EXPECT_TRUE(table.slot(1).line(5).empty());
  EXPECT_EQ(table.slot(3).line(16).text(), "16");
  EXPECT_EQ(table.slot(4).line(1).text(), "stays");
}

TEST(ClueTexts, EqualWhenTheyReadTheSame) {
  ClueTexts a, b;
  a.startClue();
  a.addLine("Нил");
  b.startClue();
  b.addLine("Нил");
  b.addLine("");  // an empty line at the end reads like no line
  EXPECT_EQ(a, b);
  b.addLine("x");
  EXPECT_NE(a, b);
  a.startClue();
  EXPECT_NE(a, ClueTexts{});
}

// Copies share their bytes, as the numbers under one block of clues do, but
// a change to one of them is its own.
TEST(ClueTexts, ACopyChangedLeavesTheOriginal) {
  ClueTexts original;
  original.startClue();
  original.addLine("Нил");
  const std::size_t held = original.bytesHeld();
  ClueTexts copy = original;
  EXPECT_EQ(copy, original);
  copy.addLine("река");
  copy.startClue();
  copy.addLine("Кот");
  EXPECT_EQ(original.size(), 1);
  EXPECT_EQ(original.lineCount(1), 1);
  EXPECT_EQ(original.line(1, 2), "");
  EXPECT_EQ(original.bytesHeld(), held);
  EXPECT_EQ(copy.size(), 2);
  EXPECT_EQ(copy.line(1, 2), "река");

  ClueTexts third = copy;
  third.startClue();  // a new clue without lines changes nothing the others see
  EXPECT_EQ(copy.size(), 2);
  EXPECT_EQ(third.size(), 3);
  EXPECT_EQ(ClueTexts{}.bytesHeld(), 0u);
}

}  // namespace
}  // namespace verstak
