#include "files/input_file.h"

namespace verstak {

InputFile::InputFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ != nullptr) std::setvbuf(file_, nullptr, _IONBF, 0);
}

InputFile::~InputFile() {
  if (file_ != nullptr) std::fclose(file_);
}

std::size_t InputFile::read(char* into, std::size_t size) {
  if (file_ == nullptr) return 0;
  const std::size_t got = std::fread(into, 1, size, file_);
  if (got < size && std::ferror(file_)) failed_ = true;
  return got;
}

}  // namespace verstak
