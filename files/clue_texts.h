#pragma once
// The clue texts of one puzzle as a reader hands them over: clue after clue,
// each up to 16 lines of at most 32 bytes (cp1251), kept back to back in one
// string. A puzzle of 150 clues takes a few kilobytes instead of the 80 that
// as many DefinitionText records would, so results stay cheap to pass on and
// to keep while a pass goes on. Copies share the bytes until one of them
// changes: the numbers under one block of clues all get the same bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/definition_text.h"

namespace verstak {

class ClueTexts {
 public:
  int size() const { return data_ ? static_cast<int>(data_->firstLine.size()) : 0; }
  bool empty() const { return size() == 0; }

  // A new clue, without lines yet.
  void startClue();
  // The next line of the last clue, cut to 32 bytes. A clue holds at most 16
  // lines: one more throws std::length_error, as does a line before any clue.
  void addLine(std::string_view text);

  // Clues are numbered 1..size(), lines 1..16; a line the clue does not have
  // reads as empty. A clue number outside the range throws std::out_of_range.
  int lineCount(int clue) const;
  std::string_view line(int clue, int number) const;
  DefinitionText text(int clue) const;

  // Clue k into slot k of the table, from slot 1 on; the table's other slots
  // are left as they are.
  void copyInto(DefinitionTable& table) const;

  // The same clues with the same lines (an empty line kept at the end or not).
  friend bool operator==(const ClueTexts& a, const ClueTexts& b);

  // The memory the clues take, shared by all copies.
  std::size_t bytesHeld() const;

 private:
  struct Data {
    std::string bytes;                     // every line, back to back
    std::vector<std::uint32_t> lineEnds;   // where each line ends in bytes
    std::vector<std::uint32_t> firstLine;  // each clue's first line in lineEnds
  };

  std::size_t firstLineOf(int clue) const;
  std::string_view lineAt(std::size_t index) const;  // of all lines, from 0
  Data& ownData();

  std::shared_ptr<Data> data_;  // null while there is no clue
};

}  // namespace verstak
