#pragma once
// Words to clue cells as a min-cost assignment, solved as a min-cost flow
// (LEMON's network simplex): every item (a word) goes to at most one of its
// candidate bins (clue cells), a bin takes at most `binCapacity` items, and
// the items of one group (the words starting in one cell) at most the
// group's capacity. The most items assigned comes first, the least total
// cost second: an item left out costs more than any other choice could save.
//
//   MarkupAssignment assignment(problem);
//   AssignmentResult result = assignment.solve(leftOut);  // leftOut: per choice

#include <cstdint>
#include <memory>
#include <vector>

namespace verstak {

struct AssignmentChoice {
  int bin = 0;
  int cost = 0;  // 0..maxChoiceCost
};

struct AssignmentItem {
  int group = 0;
  std::vector<AssignmentChoice> choices;
};

struct AssignmentProblem {
  std::vector<AssignmentItem> items;
  std::vector<int> groupCapacity;
  int binCount = 0;
  int binCapacity = 2;
  int maxChoiceCost = 0;
};

inline constexpr int kNoChoice = -1;

struct AssignmentResult {
  std::vector<int> chosen;  // per item: the index of its choice, or kNoChoice
  int assigned = 0;
  std::int64_t cost = 0;  // of the choices taken

  // Better is more assigned, then less cost.
  bool betterThan(const AssignmentResult& other) const {
    return assigned != other.assigned ? assigned > other.assigned : cost < other.cost;
  }
};

class MarkupAssignment {
 public:
  explicit MarkupAssignment(const AssignmentProblem& problem);
  ~MarkupAssignment();
  MarkupAssignment(const MarkupAssignment&) = delete;
  MarkupAssignment& operator=(const MarkupAssignment&) = delete;

  // The choices numbered item after item, each item's in its own order.
  int choiceCount() const { return static_cast<int>(firstChoice_.back()); }
  int choiceNumber(int item, int choice) const { return firstChoice_[static_cast<std::size_t>(item)] + choice; }

  // The best assignment without the choices whose `leftOut` entry is true
  // (one entry per choice number).
  AssignmentResult solve(const std::vector<bool>& leftOut);

 private:
  struct Network;
  const AssignmentProblem& problem_;
  std::vector<int> firstChoice_;  // per item, and one past the last
  std::unique_ptr<Network> network_;
};

}  // namespace verstak
