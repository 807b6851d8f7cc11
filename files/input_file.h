#pragma once
// A file opened for reading bytes in large blocks, with the stream's own
// buffering off: the readers keep their own block buffers.

#include <cstddef>
#include <cstdio>
#include <filesystem>

namespace verstak {

class InputFile {
 public:
  explicit InputFile(const std::filesystem::path& path);
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  bool isOpen() const { return file_ != nullptr; }
  // Up to `size` bytes into `into`; fewer only at the end of the file or on a
  // read error (failed() then says so).
  std::size_t read(char* into, std::size_t size);
  bool failed() const { return failed_; }

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace verstak
