#include "files/clue_texts.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace verstak {

// A change to bytes that other copies share is made to a copy of its own.
ClueTexts::Data& ClueTexts::ownData() {
  if (!data_) {
    data_ = std::make_shared<Data>();
  } else if (data_.use_count() > 1) {
    data_ = std::make_shared<Data>(*data_);
  }
  return *data_;
}

void ClueTexts::startClue() {
  Data& data = ownData();
  data.firstLine.push_back(static_cast<std::uint32_t>(data.lineEnds.size()));
}

void ClueTexts::addLine(std::string_view text) {
  if (empty() || lineCount(size()) == kDefinitionLines) throw std::length_error("no room for another clue line");
  Data& data = ownData();
  data.bytes.append(text.substr(0, kDefinitionLineCapacity));
  data.lineEnds.push_back(static_cast<std::uint32_t>(data.bytes.size()));
}

std::size_t ClueTexts::firstLineOf(int clue) const {
  if (clue < 1 || clue > size()) throw std::out_of_range("clue out of range");
  return data_->firstLine[static_cast<std::size_t>(clue - 1)];
}

int ClueTexts::lineCount(int clue) const {
  const std::size_t first = firstLineOf(clue);
  const std::size_t end = clue < size() ? data_->firstLine[static_cast<std::size_t>(clue)] : data_->lineEnds.size();
  return static_cast<int>(end - first);
}

std::string_view ClueTexts::line(int clue, int number) const {
  if (number < 1 || number > lineCount(clue)) return {};
  return lineAt(firstLineOf(clue) + static_cast<std::size_t>(number - 1));
}

std::string_view ClueTexts::lineAt(std::size_t index) const {
  const std::vector<std::uint32_t>& ends = data_->lineEnds;
  const std::size_t begin = index == 0 ? 0 : ends[index - 1];
  return std::string_view(data_->bytes).substr(begin, ends[index] - begin);
}

std::size_t ClueTexts::bytesHeld() const {
  if (!data_) return 0;
  return sizeof(Data) + data_->bytes.capacity() +
         (data_->lineEnds.capacity() + data_->firstLine.capacity()) * sizeof(std::uint32_t);
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

// Clue by clue, each line looked up once: the fuzz targets compare whole
// puzzles of thousands of clues after every read.
bool operator==(const ClueTexts& a, const ClueTexts& b) {
  if (a.size() != b.size()) return false;
  // A clue's lines as indices into all lines, without the empty ones at its
  // end, which read like no line.
  const auto lines = [](const ClueTexts& texts, int clue) {
    const std::size_t first = texts.firstLineOf(clue);
    std::size_t end = first + static_cast<std::size_t>(texts.lineCount(clue));
    while (end > first && texts.lineAt(end - 1).empty()) --end;
    return std::pair{first, end};
  };
  for (int clue = 1; clue <= a.size(); ++clue) {
    const auto [firstA, endA] = lines(a, clue);
    const auto [firstB, endB] = lines(b, clue);
    if (endA - firstA != endB - firstB) return false;
    for (std::size_t i = 0; i < endA - firstA; ++i) {
      if (a.lineAt(firstA + i) != b.lineAt(firstB + i)) return false;
    }
  }
  return true;
}

}  // namespace verstak
