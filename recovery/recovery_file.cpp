#include "recovery/recovery_file.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "files/input_file.h"
#include "files/open_messages.h"

namespace verstak {
namespace {

constexpr int kLengthBytes = 4;
// Longer than any path, name or memo of 16 lines of 32 characters could be,
// with room: a field longer is a damaged head.
constexpr std::uint32_t kFieldLimit = 1u << 20;

void AppendField(std::string& out, std::string_view bytes) {
  const auto length = static_cast<std::uint32_t>(bytes.size());
  for (int i = 0; i < kLengthBytes; ++i) out.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
  out.append(bytes);
}

std::optional<std::string_view> TakeField(std::string_view& rest) {
  if (rest.size() < kLengthBytes) return std::nullopt;
  std::uint32_t length = 0;
  for (int i = 0; i < kLengthBytes; ++i) length |= std::uint32_t{static_cast<unsigned char>(rest[i])} << (8 * i);
  rest.remove_prefix(kLengthBytes);
  if (length > kFieldLimit || length > rest.size()) return std::nullopt;
  const std::string_view field = rest.substr(0, length);
  rest.remove_prefix(length);
  return field;
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

RecoveryFileResult Refused(const char* text) {
  RecoveryFileResult result;
  result.work.failure = UserMessage::Error(text);
  return result;
}

RecoveryFileResult ReadScanwordPart(std::string_view bytes, RecoveryNotes notes) {
  MemoryBytes source(bytes);
  return {ReadScanwordFile(source), std::move(notes)};
}

}  // namespace

std::string RecoveryFileBytes(const ScanwordDocument& document, const RecoveryNotes& notes) {
  std::string out(kRecoveryMagic);
  AppendField(out, notes.name);
  AppendField(out, notes.scanwordFile);
  AppendField(out, std::to_string(notes.puzzleNumber));
  AppendField(out, std::to_string(notes.typedSlot));
  AppendField(out, notes.typedText);
  out += ScanwordFileBytes(document);
  return out;
}

RecoveryFileResult ReadRecoveryBytes(std::string_view bytes) {
  if (bytes.starts_with(ScanwordMagic)) return ReadScanwordPart(bytes, {});
  if (!bytes.starts_with(kRecoveryMagic)) return Refused(" Это не файл сканворда! ");
  std::string_view rest = bytes.substr(kRecoveryMagic.size());
  const auto name = TakeField(rest);
  const auto file = TakeField(rest);
  const auto number = TakeField(rest);
  const auto slot = TakeField(rest);
  const auto typed = TakeField(rest);
  if (!typed) return Refused(" Файл сканворда повреждён! ");
  const std::optional<int> puzzleNumber = Number(*number);
  const std::optional<int> typedSlot = Number(*slot);
  if (!puzzleNumber || !typedSlot || *typedSlot > kDefinitionSlots) return Refused(" Файл сканворда повреждён! ");
  return ReadScanwordPart(rest, {std::string(*name), std::string(*file), *puzzleNumber, *typedSlot, std::string(*typed)});
}

RecoveryFileResult ReadRecoveryFile(const std::filesystem::path& path) {
  InputFile file(path);
  if (!file.isOpen()) {
    RecoveryFileResult result;
    result.work.failure = file.missing() ? UserMessage::Error(std::string(kNoScanwordFileMessage)) : ReadFailedMessage(path);
    return result;
  }
  std::string bytes;
  char block[65536];
  while (const std::size_t got = file.read(block, sizeof block)) bytes.append(block, got);
  if (file.failed()) {
    RecoveryFileResult result;
    result.work.failure = ReadFailedMessage(path);
    return result;
  }
  return ReadRecoveryBytes(bytes);
}

}  // namespace verstak
