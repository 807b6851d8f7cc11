#pragma once
// The puzzle numbers a pass over a grid or definitions file is to read:
// any set of 1..10000, the range of the open dialog's number field.

#include <bitset>
#include <initializer_list>

namespace verstak {

inline constexpr int kMaxPuzzleNumber = 10000;

class PuzzleNumberSet {
 public:
  PuzzleNumberSet() = default;
  PuzzleNumberSet(std::initializer_list<int> numbers);
  static PuzzleNumberSet All();

  static bool InRange(int number) { return number >= 1 && number <= kMaxPuzzleNumber; }

  // Numbers outside 1..10000 throw std::out_of_range.
  void insert(int number);
  void erase(int number);
  bool contains(int number) const { return InRange(number) && bits_.test(static_cast<std::size_t>(number)); }
  int size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // Calls visit(number) for every number in the set, in ascending order.
  template <class Visit>
  void forEach(Visit&& visit) const {
    for (int n = 1, left = size_; left > 0; ++n) {
      if (contains(n)) {
        visit(n);
        --left;
      }
    }
  }

 private:
  std::bitset<kMaxPuzzleNumber + 1> bits_;
  int size_ = 0;
};

}  // namespace verstak
