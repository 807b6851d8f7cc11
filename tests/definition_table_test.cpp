#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>

#include "document/definition_text.h"

namespace verstak {
namespace {

// The table's contents kept the plain way: only the lines that hold text.
using Model = std::map<int, std::map<int, std::string>>;

int LastSlotWithText(const Model& model) {
  for (auto it = model.rbegin(); it != model.rend(); ++it) {
    for (const auto& [line, text] : it->second) {
      if (!text.empty()) return it->first;
    }
  }
  return 0;
}

// Every line of every slot, compared with the model.
::testing::AssertionResult Holds(const DefinitionTable& table, const Model& model) {
  for (int slot = 1; slot <= kDefinitionSlots; ++slot) {
    const auto found = model.find(slot);
    for (int line = 1; line <= kDefinitionLines; ++line) {
      std::string expected;
      if (found != model.end() && found->second.contains(line)) expected = found->second.at(line);
      if (table.slot(slot).line(line).text() != expected) {
        return ::testing::AssertionFailure() << "slot " << slot << " line " << line << ": \""
                                             << table.slot(slot).line(line).text() << "\" instead of \"" << expected
                                             << '"';
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(DefinitionTable, NewTableIsEmptyInEveryLineOfEverySlot) {
  const DefinitionTable table;
  EXPECT_TRUE(Holds(table, {}));
  EXPECT_EQ(table.lastSlotWithText(), 0);
  EXPECT_EQ(table, DefinitionTable());
}

// Random writes, clears, copies and assignments between three tables, checked
// after each step against plain maps of their lines. Slots cluster at both
// ends of the table, where the highest written slot moves up and down.
TEST(DefinitionTable, AgreesWithAPlainModelThroughWritesClearsAndCopies) {
  std::mt19937 random(17);
  std::uniform_int_distribution<int> operation(0, 9), line(1, kDefinitionLines), length(0, 3), end(0, 1);
  std::uniform_int_distribution<int> low(1, 40), high(kDefinitionSlots - 40, kDefinitionSlots);
  DefinitionTable tables[3];
  Model models[3];
  for (int step = 0; step < 900; ++step) {
    const int t = step % 3;
    const int other = (t + 1 + end(random)) % 3;
    const int slot = end(random) ? high(random) : low(random);
    switch (operation(random)) {
      case 0:
        tables[t].clear();
        models[t].clear();
        break;
      case 1:
        tables[t] = tables[other];
        models[t] = models[other];
        break;
      case 2:
        tables[t].slot(slot).clear();
        models[t].erase(slot);
        break;
      default: {
        const int n = line(random);
        const std::string text(static_cast<std::size_t>(length(random)), static_cast<char>('a' + step % 26));
        tables[t].slot(slot).line(n).assign(text);
        models[t][slot][n] = text;
      }
    }
    ASSERT_EQ(tables[t].lastSlotWithText(), LastSlotWithText(models[t])) << "step " << step;
    // Lines made empty again hold no text, as lines never written.
    const auto withText = [](Model model) {
      for (auto& [s, lines] : model) std::erase_if(lines, [](const auto& entry) { return entry.second.empty(); });
      std::erase_if(model, [](const auto& entry) { return entry.second.empty(); });
      return model;
    };
    ASSERT_EQ(tables[t] == tables[other], withText(models[t]) == withText(models[other])) << "step " << step;
    if (step % 300 == 0) {
      ASSERT_TRUE(Holds(tables[t], models[t])) << "step " << step;
    }
  }
  for (int t = 0; t < 3; ++t) EXPECT_TRUE(Holds(tables[t], models[t]));
  const DefinitionTable copy(tables[0]);
  EXPECT_TRUE(Holds(copy, models[0]));
}

TEST(DefinitionTable, HighestWrittenSlotFollowsWritesAndDropsWithClear) {
  DefinitionTable table;
  table.slot(9000).line(1).assign("a");
  table.slot(12).line(1).assign("b");
  EXPECT_EQ(table.highestWrittenSlot(), 9000);
  // A slot emptied again still counts as written, but holds no text.
  table.slot(9000).clear();
  EXPECT_EQ(table.highestWrittenSlot(), 9000);
  EXPECT_EQ(table.lastSlotWithText(), 12);
  // Reading through a const table writes nothing.
  EXPECT_TRUE(std::as_const(table).slot(kDefinitionSlots).isEmpty());
  EXPECT_EQ(table.highestWrittenSlot(), 9000);
  table.clear();
  EXPECT_EQ(table.highestWrittenSlot(), 0);
  EXPECT_EQ(table, DefinitionTable());
  EXPECT_TRUE(Holds(table, {}));
}

}  // namespace
}  // namespace verstak
