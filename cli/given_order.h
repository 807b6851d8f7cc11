#pragma once
// Items that come in any order handed on in an order given beforehand: each
// as soon as every one before it has come or is known to be left out, so
// that only those that come early wait.

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace verstak::batch {

template <class Item>
class GivenOrder {
 public:
  // `order`: distinct numbers.
  explicit GivenOrder(std::vector<int> order) : order_(std::move(order)), states_(order_.size()) {
    for (std::size_t i = 0; i < order_.size(); ++i) places_.emplace(order_[i], i);
  }

  // `item` of `number`, or nullopt when it is left out; `hand(Item&&)` is
  // called for each item now due. A number not in the order, or one that
  // came before, is ignored.
  template <class Hand>
  void arrive(int number, std::optional<Item> item, Hand&& hand) {
    const auto place = places_.find(number);
    if (place == places_.end() || states_[place->second].came) return;
    states_[place->second] = {true, std::move(item)};
    while (next_ < states_.size() && states_[next_].came) handOn(next_++, hand);
  }

  // The rest handed on in order; returns the numbers that never came.
  template <class Hand>
  std::vector<int> finish(Hand&& hand) {
    std::vector<int> missing;
    for (; next_ < states_.size(); ++next_) {
      if (states_[next_].came) {
        handOn(next_, hand);
      } else {
        missing.push_back(order_[next_]);
      }
    }
    return missing;
  }

 private:
  struct State {
    bool came = false;
    std::optional<Item> item;
  };
  template <class Hand>
  void handOn(std::size_t i, Hand& hand) {
    if (states_[i].item) hand(std::move(*states_[i].item));
    states_[i].item.reset();
  }

  std::vector<int> order_;
  std::vector<State> states_;
  std::unordered_map<int, std::size_t> places_;
  std::size_t next_ = 0;
};

}  // namespace verstak::batch
