#pragma once
// Bytes whose source breaks down after the first `good` of them, as a disk
// that returns an error in the middle of a file: every read that asks for
// more gets what is left of the good bytes and a read error.

#include <algorithm>
#include <cstring>
#include <string_view>

#include "files/byte_source.h"

namespace verstak::testing {

class FailingBytes final : public ByteSource {
 public:
  FailingBytes(std::string_view bytes, std::size_t good) : bytes_(bytes.substr(0, good)) {}

  std::size_t read(char* into, std::size_t size) override {
    const std::size_t got = std::min(size, bytes_.size());
    if (got > 0) std::memcpy(into, bytes_.data(), got);
    bytes_.remove_prefix(got);
    if (got < size) failed_ = true;
    return got;
  }
  bool failed() const override { return failed_; }

 private:
  std::string_view bytes_;
  bool failed_ = false;
};

}  // namespace verstak::testing
