#include "files/puzzle_number_set.h"

#include <stdexcept>

namespace verstak {

PuzzleNumberSet::PuzzleNumberSet(std::initializer_list<int> numbers) {
  for (int n : numbers) insert(n);
}

PuzzleNumberSet PuzzleNumberSet::All() {
  PuzzleNumberSet all;
  all.bits_.set();
  all.bits_.reset(0);
  all.size_ = kMaxPuzzleNumber;
  return all;
}

void PuzzleNumberSet::insert(int number) {
  if (!InRange(number)) throw std::out_of_range("puzzle number out of range");
  if (!contains(number)) ++size_;
  bits_.set(static_cast<std::size_t>(number));
}

void PuzzleNumberSet::erase(int number) {
  if (!contains(number)) return;
  bits_.reset(static_cast<std::size_t>(number));
  --size_;
}

}  // namespace verstak
