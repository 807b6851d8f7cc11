#pragma once
// The answer letters of the grid file, one cp1251 byte a cell, kept beside
// the cells so that marking a cell up never loses its letter: a letter cell
// turned into a clue and back has it again. 0 stands for no letter (a new
// grid, an older scanword file); any other byte is kept as the compiler gave
// it, digits and punctuation included.

#include <array>
#include <cstdint>
#include <stdexcept>

namespace verstak {

inline constexpr std::uint8_t kNoLetter = 0;

class LetterGrid {
 public:
  static constexpr int kSide = 99;

  // Columns x and rows y run 1..99; anything else throws std::out_of_range.
  std::uint8_t at(int x, int y) const { return letters_[index(x, y)]; }
  void set(int x, int y, std::uint8_t letter) { letters_[index(x, y)] = letter; }

  void clear() { letters_.fill(kNoLetter); }

  friend bool operator==(const LetterGrid&, const LetterGrid&) = default;

 private:
  static std::size_t index(int x, int y) {
    if (x < 1 || y < 1 || x > kSide || y > kSide) throw std::out_of_range("letter cell out of range");
    return static_cast<std::size_t>((y - 1) * kSide + (x - 1));
  }

  std::array<std::uint8_t, kSide * kSide> letters_{};
};

}  // namespace verstak
