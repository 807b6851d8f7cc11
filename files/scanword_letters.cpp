#include "files/scanword_letters.h"

#include <array>

namespace verstak {
namespace {

constexpr char kVersion = 1;
constexpr int kRowsPerSlot = kDefinitionLines;

bool HasLetters(const ScanwordDocument& document) {
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      if (document.letters.at(x, y) != kNoLetter) return true;
    }
  }
  return false;
}

int RowSlots(int height) { return (height + kRowsPerSlot - 1) / kRowsPerSlot; }

void AppendLine(std::string& out, std::string_view text) {
  out.push_back(static_cast<char>(text.size()));
  out.append(text);
}

bool ExpectZeros(ByteStream& in, int count) {
  for (std::uint8_t byte = 0; count > 0; --count) {
    if (!in.get(byte) || byte != 0) return false;
  }
  return true;
}

}  // namespace

void AppendLettersPart(std::string& out, const ScanwordDocument& document, int blocks) {
  const int width = document.gridWidth;
  const int height = document.gridHeight;
  if (!HasLetters(document) || blocks + 2 + RowSlots(height) > kDefinitionSlots) return;
  out.append(2, '\0');  // the empty slot
  out.append(2, '\0');
  AppendLine(out, kLettersTag);
  AppendLine(out, std::string{kVersion, static_cast<char>(width), static_cast<char>(height)});
  for (int y = 1; y <= height; ++y) {
    if ((y - 1) % kRowsPerSlot == 0) out.append(2, '\0');
    std::string row;
    for (int x = 1; x <= width; ++x) row.push_back(static_cast<char>(document.letters.at(x, y)));
    AppendLine(out, row);
  }
}

bool ReadLettersPart(ByteStream& in, std::uint8_t width, std::uint8_t height, std::string& letters) {
  std::uint8_t length = 0;
  std::array<char, 3> header{};
  if (!in.get(length) || length != header.size() || in.read(header.data(), header.size()) != header.size()) return false;
  if (header != std::array<char, 3>{kVersion, static_cast<char>(width), static_cast<char>(height)}) return false;
  if (width == 0 || height == 0 || !ExpectZeros(in, 2)) return false;
  letters.assign(std::size_t{width} * height, '\0');
  for (int y = 0; y < height; ++y) {
    if (y > 0 && y % kRowsPerSlot == 0 && !ExpectZeros(in, 2)) return false;
    if (!in.get(length) || length != width) return false;
    if (in.read(letters.data() + std::size_t{width} * static_cast<std::size_t>(y), width) != width) return false;
  }
  char after = 0;
  return ExpectZeros(in, 3) && in.read(&after, 1) == 0;
}

}  // namespace verstak
