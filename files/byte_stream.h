#pragma once
// A reader's bytes through a block buffer, one byte or a run at a time.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "files/byte_source.h"

namespace verstak {

class ByteStream {
 public:
  explicit ByteStream(ByteSource& source) : source_(source) {}

  bool get(std::uint8_t& byte) {
    char c;
    if (read(&c, 1) != 1) return false;
    byte = static_cast<std::uint8_t>(c);
    return true;
  }

  // Up to `size` bytes; fewer only at the end of the bytes or on a read error.
  std::size_t read(char* into, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
      if (pos_ == filled_ && !refill()) break;
      const std::size_t run = std::min(size - done, filled_ - pos_);
      std::memcpy(into + done, buffer_.data() + pos_, run);
      pos_ += run;
      done += run;
    }
    return done;
  }

  void skip(std::size_t size) {
    char sink[2];
    while (size > 0 && read(sink, 1) == 1) --size;
  }

 private:
  bool refill() {
    pos_ = 0;
    filled_ = source_.read(buffer_.data(), buffer_.size());
    return filled_ > 0;
  }

  ByteSource& source_;
  std::array<char, 1 << 16> buffer_{};
  std::size_t pos_ = 0;
  std::size_t filled_ = 0;
};

}  // namespace verstak
