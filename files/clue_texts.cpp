#include "files/clue_texts.h"

#include <algorithm>
#include <stdexcept>

namespace verstak {

void ClueTexts::startClue() { firstLine_.push_back(static_cast<std::uint32_t>(lineEnds_.size())); }

void ClueTexts::addLine(std::string_view text) {
  if (empty() || lineCount(size()) == kDefinitionLines) throw std::length_error("no room for another clue line");
  bytes_.append(text.substr(0, kDefinitionLineCapacity));
  lineEnds_.push_back(static_cast<std::uint32_t>(bytes_.size()));
}

std::size_t ClueTexts::firstLineOf(int clue) const {
  if (clue < 1 || clue > size()) throw std::out_of_range("clue out of range");
  return firstLine_[static_cast<std::size_t>(clue - 1)];
}

int ClueTexts::lineCount(int clue) const {
  const std::size_t first = firstLineOf(clue);
  const std::size_t end = clue < size() ? firstLine_[static_cast<std::size_t>(clue)] : lineEnds_.size();
  return static_cast<int>(end - first);
}

std::string_view ClueTexts::line(int clue, int number) const {
  if (number < 1 || number > lineCount(clue)) return {};
  const std::size_t index = firstLineOf(clue) + static_cast<std::size_t>(number - 1);
  const std::size_t begin = index == 0 ? 0 : lineEnds_[index - 1];
  return std::string_view(bytes_).substr(begin, lineEnds_[index] - begin);
}

DefinitionText ClueTexts::text(int clue) const {
  DefinitionText text;
  for (int n = 1; n <= lineCount(clue); ++n) text.line(n).assign(line(clue, n));
  return text;
}

void ClueTexts::copyInto(DefinitionTable& table) const {
  for (int clue = 1; clue <= std::min(size(), kDefinitionSlots); ++clue) {
    DefinitionText& slot = table.slot(clue);
    for (int n = 1; n <= kDefinitionLines; ++n) slot.line(n).assign(line(clue, n));
  }
}

bool operator==(const ClueTexts& a, const ClueTexts& b) {
  if (a.size() != b.size()) return false;
  for (int clue = 1; clue <= a.size(); ++clue) {
    for (int n = 1; n <= kDefinitionLines; ++n) {
      if (a.line(clue, n) != b.line(clue, n)) return false;
    }
  }
  return true;
}

}  // namespace verstak
