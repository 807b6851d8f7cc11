// GivenOrder against the plain reference: every arrival order of five
// numbers, some left out, hands on exactly the items in the order given,
// each as soon as every number before it has come.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/given_order.h"

namespace verstak::batch {
namespace {

TEST(GivenOrder, EveryArrivalOrderHandsOnInTheGivenOrderAsEarlyAsPossible) {
  const std::vector<int> order = {30, 10, 50, 20, 40};
  std::vector<int> arrivals = {10, 20, 30, 40, 50};
  const auto leftOut = [](int number) { return number == 20; };
  int checked = 0;
  do {
    for (std::size_t came = 0; came <= arrivals.size(); ++came) {  // the first `came` arrive
      GivenOrder<std::string> given(order);
      std::vector<int> handed;
      std::vector<int> arrived;
      const auto hand = [&](std::string item) { handed.push_back(std::stoi(item)); };
      for (std::size_t i = 0; i < came; ++i) {
        const int number = arrivals[i];
        arrived.push_back(number);
        given.arrive(number, leftOut(number) ? std::nullopt : std::optional(std::to_string(number)), hand);
        // Reference: the longest prefix of the order that has all come.
        std::vector<int> due;
        for (int n : order) {
          if (std::ranges::find(arrived, n) == arrived.end()) break;
          if (!leftOut(n)) due.push_back(n);
        }
        ASSERT_EQ(handed, due) << "after " << number;
      }
      const std::vector<int> missing = given.finish(hand);
      std::vector<int> allDue, allMissing;
      for (int n : order) {
        const bool came_ = std::ranges::find(arrived, n) != arrived.end();
        if (!came_) allMissing.push_back(n);
        if (came_ && !leftOut(n)) allDue.push_back(n);
      }
      EXPECT_EQ(handed, allDue);
      EXPECT_EQ(missing, allMissing);
      ++checked;
    }
  } while (std::ranges::next_permutation(arrivals).found);
  EXPECT_EQ(checked, 120 * 6);
}

TEST(GivenOrder, NumbersOutsideTheOrderAndRepeatsAreIgnored) {
  GivenOrder<int> given({2, 1});
  std::vector<int> handed;
  const auto hand = [&](int item) { handed.push_back(item); };
  given.arrive(7, 70, hand);
  given.arrive(1, 10, hand);
  given.arrive(1, 11, hand);  // a second puzzle 1 in the file
  EXPECT_TRUE(handed.empty());
  given.arrive(2, 20, hand);
  EXPECT_EQ(handed, (std::vector<int>{20, 10}));
  EXPECT_TRUE(given.finish(hand).empty());
}

}  // namespace
}  // namespace verstak::batch
