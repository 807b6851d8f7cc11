#pragma once
// The messages of opening files, shared by the readers, the open dialog and
// verstak-batch.

#include <string_view>

namespace verstak {

inline constexpr std::string_view kNoGridFileMessage = "Такого файла сетки нет!";
inline constexpr std::string_view kNoDefinitionsFileMessage = "Такого файла определений нет!";
inline constexpr std::string_view kNoScanwordFileMessage = "Такого файла сканворда нет!";
inline constexpr std::string_view kNoFileChosenMessage = "Ни один файл не выбран!";

}  // namespace verstak
