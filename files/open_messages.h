#pragma once
// The messages of opening files, shared by the readers, the open dialog and
// verstak-batch.

#include <filesystem>
#include <string>
#include <string_view>

#include "document/user_message.h"

namespace verstak {

inline constexpr std::string_view kNoGridFileMessage = "Такого файла сетки нет!";
inline constexpr std::string_view kNoDefinitionsFileMessage = "Такого файла определений нет!";
inline constexpr std::string_view kNoScanwordFileMessage = "Такого файла сканворда нет!";
inline constexpr std::string_view kNoFileChosenMessage = "Ни один файл не выбран!";
inline constexpr std::string_view kPuzzleNumberRangeMessage = " Номер кроссворда должен быть от 1 до 10000! ";
inline constexpr std::string_view kReadFailedMessage = " Не удалось прочитать файл! ";

// A file that is there but could not be read to its end: the message with
// the file's name on a second line (no second line for bytes without a name).
inline UserMessage ReadFailedMessage(const std::filesystem::path& file) {
  std::string text(kReadFailedMessage);
  if (!file.empty()) text += "\n" + file.string();
  return UserMessage::Error(std::move(text));
}

// A name that stands for no file to read (a folder, a FIFO, a device, or
// one that cannot be looked at): what it is, after the file's name.
inline UserMessage NotAFileMessage(const std::filesystem::path& file, std::string_view what) {
  return UserMessage::Error(std::string(kReadFailedMessage) + "\n" + file.string() + ": " + std::string(what));
}

}  // namespace verstak
