#include "document/auto_markup.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "document/auto_markup_assignment.h"
#include "document/house_rules.h"
#include "document/overlay_rule.h"

namespace verstak {
namespace {

// How many solves the search for a markup the pair rule allows may take
// exactly; past that the remaining conflicts are settled one choice each.
constexpr int kExactSolves = 16;

struct CellBars {
  std::uint8_t first = 0;
  std::uint8_t second = 0;
  int count = 0;
};

CellBars BarsOf(const GridCell& cell) {
  CellBars bars;
  for (std::uint8_t code : {Code(cell.kind), cell.overlay}) {
    if (!IsBarCode(code)) continue;
    (bars.count == 0 ? bars.first : bars.second) = code;
    ++bars.count;
  }
  return bars;
}

// A bar and an arrow share a cell when the overlay rule allows one of them
// on the other.
bool ArrowFitsBar(std::uint8_t arrow, std::uint8_t bar) {
  return OverlayAllowed(arrow, KindFromCode(bar)) || OverlayAllowed(bar, KindFromCode(arrow));
}

// The grid's words, clue cells and candidates as an assignment problem.
struct MarkupProblem {
  std::vector<Word> words;
  std::vector<int> clueCellAt;            // per cell of the 99 x 99 array: a bin, or -1
  std::vector<std::vector<std::uint8_t>> arrows;  // per word: the arrow of each choice
  std::vector<std::array<int, 2>> groupWords;     // per group: across, down word or -1
  AssignmentProblem assignment;
};

std::size_t CellIndex(int x, int y) { return static_cast<std::size_t>((y - 1) * kMaxGridSide + (x - 1)); }

void AddClueCells(const ScanwordDocument& document, MarkupProblem& problem) {
  problem.clueCellAt.assign(static_cast<std::size_t>(kMaxGridSide) * kMaxGridSide, -1);
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      if (IsClueKind(document.cells.at(x, y).kind)) problem.clueCellAt[CellIndex(x, y)] = problem.assignment.binCount++;
    }
  }
}

int GroupOf(const ScanwordDocument& document, const Word& word, std::vector<int>& groupAt, MarkupProblem& problem) {
  int& group = groupAt[CellIndex(word.x, word.y)];
  if (group < 0) {
    group = static_cast<int>(problem.groupWords.size());
    problem.groupWords.push_back({-1, -1});
    // A cell carries two marks at most: a bar leaves room for one arrow.
    constexpr int kArrowsBeside[] = {2, 1, 0};
    problem.assignment.groupCapacity.push_back(kArrowsBeside[BarsOf(document.cells.at(word.x, word.y)).count]);
  }
  return group;
}

void AddWord(const ScanwordDocument& document, const Word& word, std::vector<int>& groupAt, MarkupProblem& problem) {
  const int index = static_cast<int>(problem.assignment.items.size());
  AssignmentItem item;
  item.group = GroupOf(document, word, groupAt, problem);
  problem.groupWords[static_cast<std::size_t>(item.group)][static_cast<std::size_t>(word.direction)] = index;
  const CellBars bars = BarsOf(document.cells.at(word.x, word.y));
  std::vector<std::uint8_t> arrows;
  for (const HouseRuleRow& rule : kHouseRules) {
    if (rule.word != word.direction) continue;
    const int cx = word.x + rule.clueDx;
    const int cy = word.y + rule.clueDy;
    if (!document.insideGrid(cx, cy)) continue;
    const int bin = problem.clueCellAt[CellIndex(cx, cy)];
    if (bin < 0 || (bars.count == 1 && !ArrowFitsBar(rule.arrow, bars.first))) continue;
    item.choices.push_back({bin, rule.cost});
    arrows.push_back(rule.arrow);
  }
  problem.assignment.items.push_back(std::move(item));
  problem.arrows.push_back(std::move(arrows));
}

MarkupProblem MakeProblem(const ScanwordDocument& document) {
  MarkupProblem problem;
  problem.words = FindWords(document);
  problem.assignment.binCapacity = 2;
  problem.assignment.maxChoiceCost = kHouseRuleMaxCost;
  AddClueCells(document, problem);
  std::vector<int> groupAt(problem.clueCellAt.size(), -1);
  for (const Word& word : problem.words) AddWord(document, word, groupAt, problem);
  return problem;
}

// A letter starting two words whose two arrows the overlay rule allows in
// neither order: the choice number of each.
struct PairConflict {
  std::size_t group = 0;
  int across = 0;
  int down = 0;
};

class PairSearch {
 public:
  PairSearch(const MarkupProblem& problem, MarkupAssignment& assignment)
      : problem_(problem), assignment_(assignment), leftOut_(static_cast<std::size_t>(assignment.choiceCount())) {}

  // Exact while the solves last: each conflict is settled both ways, and a
  // solve no better than the best markup found ends its branch (leaving
  // choices out never makes a solution better).
  void explore() {
    const AssignmentResult result = solve();
    if (best_ && !result.betterThan(*best_)) return;
    const std::vector<PairConflict> conflicts = conflictsOf(result);
    if (conflicts.empty()) {
      best_ = result;
      return;
    }
    if (solves_ >= kExactSolves) return settleGreedily(result);
    const PairConflict& conflict = conflicts.front();
    const int first = cheaperToLeaveOut(conflict, result);
    for (int choice : {first, first == conflict.down ? conflict.across : conflict.down}) {
      leftOut_[static_cast<std::size_t>(choice)] = true;
      explore();
      leftOut_[static_cast<std::size_t>(choice)] = false;
    }
  }

  const AssignmentResult& best() const { return *best_; }
  int solves() const { return solves_; }

 private:
  AssignmentResult solve() {
    ++solves_;
    return assignment_.solve(leftOut_);
  }

  // Every conflict at once, the cheaper choice of each left out, until none
  // is left.
  void settleGreedily(AssignmentResult result) {
    const std::vector<bool> kept = leftOut_;
    for (std::vector<PairConflict> conflicts = conflictsOf(result); !conflicts.empty(); conflicts = conflictsOf(result)) {
      for (const PairConflict& conflict : conflicts) leftOut_[static_cast<std::size_t>(cheaperToLeaveOut(conflict, result))] = true;
      result = solve();
    }
    if (!best_ || result.betterThan(*best_)) best_ = result;
    leftOut_ = kept;
  }

  std::vector<PairConflict> conflictsOf(const AssignmentResult& result) const {
    std::vector<PairConflict> conflicts;
    for (std::size_t group = 0; group < problem_.groupWords.size(); ++group) {
      const std::array<int, 2>& words = problem_.groupWords[group];
      if (words[0] < 0 || words[1] < 0) continue;
      const int across = result.chosen[static_cast<std::size_t>(words[0])];
      const int down = result.chosen[static_cast<std::size_t>(words[1])];
      if (across == kNoChoice || down == kNoChoice) continue;
      if (ArrowPairAllowed(arrowOf(words[0], across), arrowOf(words[1], down))) continue;
      conflicts.push_back({group, assignment_.choiceNumber(words[0], across), assignment_.choiceNumber(words[1], down)});
    }
    return conflicts;
  }

  std::uint8_t arrowOf(int word, int choice) const {
    return problem_.arrows[static_cast<std::size_t>(word)][static_cast<std::size_t>(choice)];
  }

  // The choice whose word loses least by taking its next one; on a tie the
  // down word's, so that the across word keeps its arrow.
  int cheaperToLeaveOut(const PairConflict& conflict, const AssignmentResult& result) const {
    const std::array<int, 2>& words = problem_.groupWords[conflict.group];
    const long long across = regret(words[0], result.chosen[static_cast<std::size_t>(words[0])]);
    const long long down = regret(words[1], result.chosen[static_cast<std::size_t>(words[1])]);
    return across < down ? conflict.across : conflict.down;
  }

  long long regret(int word, int chosen) const {
    const std::vector<AssignmentChoice>& choices = problem_.assignment.items[static_cast<std::size_t>(word)].choices;
    long long next = std::numeric_limits<int>::max();
    for (std::size_t c = 0; c < choices.size(); ++c) {
      if (static_cast<int>(c) == chosen || leftOut_[static_cast<std::size_t>(assignment_.choiceNumber(word, static_cast<int>(c)))]) continue;
      next = std::min<long long>(next, choices[c].cost);
    }
    return next - choices[static_cast<std::size_t>(chosen)].cost;
  }

  const MarkupProblem& problem_;
  MarkupAssignment& assignment_;
  std::vector<bool> leftOut_;
  std::optional<AssignmentResult> best_;
  int solves_ = 0;
};

// A letter cell keeps only its bars, the first as the kind.
GridCell LetterWithoutArrows(const GridCell& cell) {
  const CellBars bars = BarsOf(cell);
  if (bars.count == 0) return {};
  return {KindFromCode(bars.first), bars.second};
}

GridCell CellWithArrow(const GridCell& cell, std::uint8_t arrow) {
  if (cell.kind == CellKind::Letter) return {KindFromCode(arrow), 0};
  const std::uint8_t bar = Code(cell.kind);
  if (OverlayAllowed(bar, KindFromCode(arrow))) return {KindFromCode(arrow), bar};
  return {cell.kind, arrow};
}

GridCell CellWithTwoArrows(std::uint8_t across, std::uint8_t down) {
  if (OverlayAllowed(down, KindFromCode(across))) return {KindFromCode(across), down};
  return {KindFromCode(down), across};
}

void ClearMarkup(ScanwordDocument& document) {
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      GridCell& cell = document.cells.at(x, y);
      if (IsLetterKind(cell.kind)) {
        cell = LetterWithoutArrows(cell);
      } else if (IsClueKind(cell.kind)) {
        cell = {kOneClueKind, 0};
      } else if (cell.kind != CellKind::Picture && IsArrowCode(cell.overlay)) {
        cell.overlay = 0;
      }
    }
  }
}

}  // namespace

bool ArrowPairAllowed(std::uint8_t across, std::uint8_t down) {
  return OverlayAllowed(down, KindFromCode(across)) || OverlayAllowed(across, KindFromCode(down));
}

MarkupPlan PlanMarkup(const ScanwordDocument& document) {
  const MarkupProblem problem = MakeProblem(document);
  MarkupPlan plan;
  plan.words = problem.words;
  plan.arrows.assign(plan.words.size(), 0);
  if (plan.words.empty()) return plan;
  MarkupAssignment assignment(problem.assignment);
  PairSearch search(problem, assignment);
  search.explore();
  const AssignmentResult& result = search.best();
  for (std::size_t w = 0; w < plan.words.size(); ++w) {
    if (result.chosen[w] == kNoChoice) continue;
    plan.arrows[w] = problem.arrows[w][static_cast<std::size_t>(result.chosen[w])];
  }
  plan.defined = result.assigned;
  plan.cost = result.cost;
  plan.solves = search.solves();
  return plan;
}

void ApplyMarkup(const MarkupPlan& plan, ScanwordDocument& document) {
  ClearMarkup(document);
  const std::size_t cells = static_cast<std::size_t>(kMaxGridSide) * kMaxGridSide;
  std::vector<std::array<std::uint8_t, 2>> arrowsAt(cells);
  std::vector<std::uint8_t> cluesAt(cells);
  for (std::size_t w = 0; w < plan.words.size(); ++w) {
    if (plan.arrows[w] == 0) continue;
    const Word& word = plan.words[w];
    arrowsAt[CellIndex(word.x, word.y)][static_cast<std::size_t>(word.direction)] = plan.arrows[w];
    const ArrowRuleRow rule = *ArrowRule(plan.arrows[w]);
    const int cx = word.x + rule.clueDx;
    const int cy = word.y + rule.clueDy;
    if (++cluesAt[CellIndex(cx, cy)] == 2) document.cells.at(cx, cy).kind = kTwoClueKind;
  }
  for (std::size_t w = 0; w < plan.words.size(); ++w) {
    const Word& word = plan.words[w];
    const std::array<std::uint8_t, 2>& arrows = arrowsAt[CellIndex(word.x, word.y)];
    GridCell& cell = document.cells.at(word.x, word.y);
    if (arrows[0] != 0 && arrows[1] != 0) {
      cell = CellWithTwoArrows(arrows[0], arrows[1]);
    } else if (arrows[0] != 0 || arrows[1] != 0) {
      cell = CellWithArrow(LetterWithoutArrows(cell), arrows[0] != 0 ? arrows[0] : arrows[1]);
    }
  }
}

MarkupPlan AutoMarkup(ScanwordDocument& document) {
  MarkupPlan plan = PlanMarkup(document);
  ApplyMarkup(plan, document);
  return plan;
}

}  // namespace verstak
