#include "print/truetype_file.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace verstak {
namespace {

std::uint32_t BigEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

}  // namespace

bool LooksLikeTrueType(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size < 12) return false;
  std::ifstream in(file, std::ios::binary);
  std::array<unsigned char, 12> header{};
  if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return false;
  const std::uint32_t version = BigEndian(header.data(), 4);
  if (version != 0x00010000 && version != 0x74727565) return false;  // 1.0 or "true"
  const std::uint32_t tables = BigEndian(header.data() + 4, 2);
  if (tables == 0 || tables > 200) return false;
  std::vector<unsigned char> directory(tables * 16);
  if (!in.read(reinterpret_cast<char*>(directory.data()), static_cast<std::streamsize>(directory.size()))) return false;
  std::set<std::string> found;
  for (std::uint32_t i = 0; i < tables; ++i) {
    const unsigned char* record = directory.data() + i * 16;
    const std::uint64_t offset = BigEndian(record + 8, 4), length = BigEndian(record + 12, 4);
    if (offset + length > size) return false;
    found.emplace(reinterpret_cast<const char*>(record), 4);
  }
  for (const char* needed : {"cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "name", "post"}) {
    if (!found.contains(needed)) return false;
  }
  return true;
}

}  // namespace verstak
