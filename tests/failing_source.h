#pragma once
// Bytes whose source breaks down after the first `good` of them, as a disk
// that returns an error in the middle of a file: every read that asks for
// more gets what is left of the good bytes and a read error.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "files/byte_source.h"

namespace verstak::testing {

class FailingBytes final : public ByteSource {
 public:
  // A copy: callers may pass a temporary.
  FailingBytes(std::string_view bytes, std::size_t good) : bytes_(bytes.substr(0, good)) {}

  std::size_t read(char* into, std::size_t size) override {
    const std::size_t got = std::min(size, bytes_.size() - at_);
    if (got > 0) std::memcpy(into, bytes_.data() + at_, got);
    at_ += got;
    if (got < size) failed_ = true;
    return got;
  }
  bool failed() const override { return failed_; }

 private:
  std::string bytes_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

}  // namespace verstak::testing
