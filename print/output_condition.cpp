#include "print/output_condition.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

namespace verstak {
namespace {

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// The ICC header: 128 bytes, the signature "acsp" at 36, the device class at
// 12, the data's colour space at 16, the major version at 8.
constexpr std::size_t kHeaderSize = 128;

std::string_view ProfileFault(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || bytes.substr(36, 4) != "acsp") return "это не профиль ICC";
  if (BigEndian32(bytes, 0) > bytes.size()) return "файл профиля неполный";
  if (bytes.substr(12, 4) != "prtr") return "нужен профиль печати (класс prtr)";
  if (bytes.substr(16, 4) != "CMYK") return "нужен профиль для данных CMYK";
  if (static_cast<unsigned char>(bytes[8]) != 2) return "нужен профиль ICC версии 2";
  return {};
}

}  // namespace

const PrintingCondition* FindRegisteredCondition(std::string_view name) {
  for (const PrintingCondition& known : kRegisteredConditions) {
    if (SameLetters(name, known.identifier) || (!known.alias.empty() && SameLetters(name, known.alias))) return &known;
  }
  return nullptr;
}

std::string UnregisteredConditionMessage(std::string_view name) {
  return "Условия печати " + std::string(name) + " нет в реестре ICC: нужен его профиль ICC";
}

Failure CheckOutputProfile(std::string_view bytes, const std::filesystem::path& file) {
  const std::string_view fault = ProfileFault(bytes);
  if (fault.empty()) return std::nullopt;
  return UserMessage::Error("Профиль " + file.string() + ": " + std::string(fault));
}

}  // namespace verstak
