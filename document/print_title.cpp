#include "document/print_title.h"

namespace verstak {

std::string PrintTitle(const std::filesystem::path& scanwordFile, int puzzleNumber) {
  if (!scanwordFile.empty()) return scanwordFile.filename().string();
  if (puzzleNumber > 0) return "Сканворд " + std::to_string(puzzleNumber);
  return "Сканворд";
}

}  // namespace verstak
