#pragma once
// What the fuzz targets share. The choices a target makes (block size,
// puzzle number) come from the last four bytes of the input and the text is
// the rest, so a plain grid or definitions file is a good seed as it is.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "files/line_reader.h"
#include "files/puzzle_number_set.h"

namespace verstak::fuzz {

// A broken invariant ends the run, so that libFuzzer keeps the input.
inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

class Choices {
 public:
  Choices(const std::uint8_t* data, std::size_t size) {
    const std::size_t taken = size < 4 ? size : 4;
    for (std::size_t i = size - taken; i < size; ++i) bits_ = bits_ << 8 | data[i];
    text_ = {reinterpret_cast<const char*>(data), size - taken};
  }

  std::string_view text() const { return text_; }

  // Mostly small blocks, so that lines and line breaks fall across them.
  std::size_t blockSize() const {
    return (bits_ & 1) != 0 ? PuzzleLineReader::kDefaultBlockBytes : 1 + (bits_ >> 1) % 300;
  }

  // One of the numbers the text's headers name, so that found puzzles are
  // common, or 1, which is found without a header, or any other.
  int wantedNumber(const std::vector<int>& headerNumbers) const {
    std::vector<int> candidates = {1};
    for (int number : headerNumbers) {
      if (PuzzleNumberSet::InRange(number)) candidates.push_back(number);
    }
    const std::size_t pick = (bits_ >> 10) % (candidates.size() + 1);
    return pick < candidates.size() ? candidates[pick] : anyNumber();
  }

  int anyNumber() const { return 1 + static_cast<int>((bits_ >> 16) % kMaxPuzzleNumber); }

 private:
  std::uint32_t bits_ = 0;
  std::string_view text_;
};

}  // namespace verstak::fuzz
