#include "document/words.h"

namespace verstak {
namespace {

bool Carries(const GridCell& cell, CellKind bar) { return cell.kind == bar || cell.overlay == Code(bar); }

bool IsLetterCell(const ScanwordDocument& document, int x, int y) {
  return document.insideGrid(x, y) && IsLetterKind(document.cells.at(x, y).kind);
}

bool StartsRun(const ScanwordDocument& document, int x, int y, WordDirection direction) {
  if (!IsLetterCell(document, x, y)) return false;
  const int px = direction == WordDirection::Across ? x - 1 : x;
  const int py = direction == WordDirection::Down ? y - 1 : y;
  return !RunContinues(document, px, py, direction);
}

std::uint8_t RunLength(const ScanwordDocument& document, int x, int y, WordDirection direction) {
  int length = 1;
  for (; RunContinues(document, x, y, direction); ++length) {
    (direction == WordDirection::Across ? x : y) += 1;
  }
  return static_cast<std::uint8_t>(length);
}

}  // namespace

bool RunContinues(const ScanwordDocument& document, int x, int y, WordDirection direction) {
  const bool across = direction == WordDirection::Across;
  const int nx = across ? x + 1 : x;
  const int ny = across ? y : y + 1;
  if (!IsLetterCell(document, x, y) || !IsLetterCell(document, nx, ny)) return false;
  const GridCell& from = document.cells.at(x, y);
  const GridCell& to = document.cells.at(nx, ny);
  if (across) return !Carries(from, CellKind::BarRight) && !Carries(to, CellKind::BarLeft);
  return !Carries(from, CellKind::BarBottom) && !Carries(to, CellKind::BarTop);
}

std::vector<Word> FindWords(const ScanwordDocument& document) {
  std::vector<Word> words;
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      for (WordDirection direction : {WordDirection::Across, WordDirection::Down}) {
        if (!StartsRun(document, x, y, direction)) continue;
        const std::uint8_t length = RunLength(document, x, y, direction);
        if (length >= 2) words.push_back({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), direction, length});
      }
    }
  }
  return words;
}

std::optional<std::string> WordAnswer(const ScanwordDocument& document, const Word& word) {
  std::string answer;
  for (int n = 0; n < word.length; ++n) {
    const std::uint8_t letter = document.letters.at(word.letterX(n), word.letterY(n));
    if (letter == kNoLetter) return std::nullopt;
    answer.push_back(static_cast<char>(letter));
  }
  return answer;
}

const char* DirectionName(WordDirection direction) {
  return direction == WordDirection::Across ? "по горизонтали" : "по вертикали";
}

}  // namespace verstak
