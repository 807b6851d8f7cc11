#include "document/print_title.h"

namespace verstak {

std::string PrintTitle(const std::filesystem::path& scanwordFile, int puzzleNumber) {
  if (!scanwordFile.empty()) return scanwordFile.filename().string();
  if (puzzleNumber > 0) return "Сканворд " + std::to_string(puzzleNumber);
  return "Сканворд";
}

std::string AnswerCaption(const std::filesystem::path& scanwordFile, int puzzleNumber) {
  if (!scanwordFile.empty()) return "Ответы к сканворду " + scanwordFile.stem().string();
  if (puzzleNumber > 0) return "Ответы к сканворду № " + std::to_string(puzzleNumber);
  return "Ответы к сканворду";
}

}  // namespace verstak
