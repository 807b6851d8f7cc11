#include "document/auto_markup_assignment.h"

#include <lemon/network_simplex.h>
#include <lemon/smart_graph.h>

#include <stdexcept>

namespace verstak {

// source -> group -> item -> bin -> sink, and source -> sink for the items
// left without a bin, each unit of that at a price no saving can outweigh.
struct MarkupAssignment::Network {
  using Graph = lemon::SmartDigraph;
  using Simplex = lemon::NetworkSimplex<Graph, int, long long>;

  Graph graph;
  Graph::ArcMap<int> upper{graph};
  Graph::ArcMap<long long> cost{graph};
  Graph::NodeMap<int> supply{graph};
  std::vector<Graph::Arc> choiceArcs;  // by choice number
  std::vector<int> choiceUpper;        // each choice arc's own capacity
};

MarkupAssignment::MarkupAssignment(const AssignmentProblem& problem)
    : problem_(problem), network_(std::make_unique<Network>()) {
  Network& net = *network_;
  Network::Graph& graph = net.graph;
  const int items = static_cast<int>(problem.items.size());
  const auto source = graph.addNode();
  const auto sink = graph.addNode();
  auto arc = [&](Network::Graph::Node from, Network::Graph::Node to, int upper, long long cost) {
    const auto made = graph.addArc(from, to);
    net.upper[made] = upper;
    net.cost[made] = cost;
    return made;
  };
  const long long leftOutCost = static_cast<long long>(problem.maxChoiceCost) * items + 1;
  arc(source, sink, items, leftOutCost);
  std::vector<Network::Graph::Node> groups;
  for (int capacity : problem.groupCapacity) {
    groups.push_back(graph.addNode());
    arc(source, groups.back(), capacity, 0);
  }
  std::vector<Network::Graph::Node> bins;
  for (int b = 0; b < problem.binCount; ++b) {
    bins.push_back(graph.addNode());
    arc(bins.back(), sink, problem.binCapacity, 0);
  }
  firstChoice_.push_back(0);
  for (const AssignmentItem& item : problem.items) {
    const auto node = graph.addNode();
    arc(groups.at(static_cast<std::size_t>(item.group)), node, 1, 0);
    for (const AssignmentChoice& choice : item.choices) {
      net.choiceArcs.push_back(arc(node, bins.at(static_cast<std::size_t>(choice.bin)), 1, choice.cost));
      net.choiceUpper.push_back(1);
    }
    firstChoice_.push_back(firstChoice_.back() + static_cast<int>(item.choices.size()));
  }
  net.supply[source] = items;
  net.supply[sink] = -items;
}

MarkupAssignment::~MarkupAssignment() = default;

AssignmentResult MarkupAssignment::solve(const std::vector<bool>& leftOut) {
  Network& net = *network_;
  for (std::size_t c = 0; c < net.choiceArcs.size(); ++c) {
    net.upper[net.choiceArcs[c]] = c < leftOut.size() && leftOut[c] ? 0 : net.choiceUpper[c];
  }
  Network::Simplex simplex(net.graph);
  simplex.upperMap(net.upper).costMap(net.cost).supplyMap(net.supply);
  // The bypass arc makes every supply feasible.
  if (simplex.run() != Network::Simplex::OPTIMAL) throw std::logic_error("markup assignment has no solution");

  AssignmentResult result;
  result.chosen.assign(problem_.items.size(), kNoChoice);
  for (std::size_t item = 0; item < problem_.items.size(); ++item) {
    const std::vector<AssignmentChoice>& choices = problem_.items[item].choices;
    for (std::size_t choice = 0; choice < choices.size(); ++choice) {
      const int number = choiceNumber(static_cast<int>(item), static_cast<int>(choice));
      if (simplex.flow(net.choiceArcs[static_cast<std::size_t>(number)]) == 0) continue;
      result.chosen[item] = static_cast<int>(choice);
      result.cost += choices[choice].cost;
      ++result.assigned;
    }
  }
  return result;
}

}  // namespace verstak
