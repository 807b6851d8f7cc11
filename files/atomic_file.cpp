#include "files/atomic_file.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace verstak {
namespace {

// Exclusive creation, so an existing file of that name is never reused.
std::FILE* CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& name) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    name = target;
    name += ".~" + std::to_string(random()) + ".tmp";
    if (std::FILE* file = std::fopen(name.c_str(), "wbx")) return file;
  }
  return nullptr;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return false;
  std::filesystem::path temporary;
  std::FILE* file = CreateTemporaryBeside(path, temporary);
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (written && closed) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace verstak
