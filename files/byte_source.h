#pragma once
// Where a reader's bytes come from: a file, or a buffer in memory. The
// readers run the same code over either, so a test or a fuzzer can feed them
// without a file and a failing source can stand in for a broken disk.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace verstak {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `size` bytes into `into`; fewer only at the end of the bytes or on
  // a read error, which failed() then reports.
  virtual std::size_t read(char* into, std::size_t size) = 0;
  virtual bool failed() const = 0;
  // At most how many bytes are left; SIZE_MAX when that is not known.
  virtual std::size_t sizeLimit() const { return SIZE_MAX; }
};

// Bytes held by the caller, who keeps them alive while they are read.
class MemoryBytes final : public ByteSource {
 public:
  explicit MemoryBytes(std::string_view bytes) : rest_(bytes) {}

  std::size_t read(char* into, std::size_t size) override {
    const std::size_t got = std::min(size, rest_.size());
    if (got > 0) std::memcpy(into, rest_.data(), got);
    rest_.remove_prefix(got);
    return got;
  }
  bool failed() const override { return false; }
  std::size_t sizeLimit() const override { return rest_.size(); }

 private:
  std::string_view rest_;
};

}  // namespace verstak
