#pragma once
// A file opened for reading bytes in large blocks, straight from the system:
// the readers keep their own block buffers.

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "files/byte_source.h"

namespace verstak {

class InputFile final : public ByteSource {
 public:
  // Reading starts `offset` bytes into the file.
  explicit InputFile(const std::filesystem::path& path, std::uint64_t offset = 0);
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile() override;

  bool isOpen() const { return fd_ >= 0; }
  // Not open because there is no such file (or it is a folder), rather than
  // because it is there but cannot be read.
  bool missing() const { return missing_; }

  std::size_t read(char* into, std::size_t size) override;
  bool failed() const override { return failed_; }

 private:
  int fd_ = -1;
  bool missing_ = false;
  bool failed_ = false;
};

}  // namespace verstak
