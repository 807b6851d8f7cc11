#pragma once
// Clue texts: a clue is 16 lines of at most 32 bytes of cp1251; the table
// holds 10000 clues numbered from 1.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace verstak {

inline constexpr int kDefinitionLines = 16;
inline constexpr int kDefinitionLineCapacity = 32;
inline constexpr int kDefinitionSlots = 10000;

// One line: a short string of capacity 32, cp1251 bytes.
class DefinitionLine {
 public:
  std::string_view text() const { return {bytes_.data(), length_}; }
  std::size_t length() const { return length_; }
  bool empty() const { return length_ == 0; }
  // Keeps the first 32 bytes; the rest is dropped.
  void assign(std::string_view text);
  void clear() { length_ = 0; }

  friend bool operator==(const DefinitionLine& a, const DefinitionLine& b) {
    return a.text() == b.text();
  }

 private:
  std::uint8_t length_ = 0;
  std::array<char, kDefinitionLineCapacity> bytes_{};
};

class DefinitionText {
 public:
  // Lines are numbered 1..16; anything else throws std::out_of_range.
  const DefinitionLine& line(int number) const;
  DefinitionLine& line(int number);

  // A definition counts as empty when its first line is empty, whatever the
  // later lines hold.
  bool isEmpty() const { return lines_[0].empty(); }
  // True when any of the 16 lines holds text.
  bool hasAnyText() const;
  void clear();

  friend bool operator==(const DefinitionText&, const DefinitionText&) = default;

 private:
  std::array<DefinitionLine, kDefinitionLines> lines_{};
};

// 10000 slots, allocated once on the heap (about 5 MB) so that a document can
// live anywhere, a test's stack included. The storage comes zeroed from the
// system, so slots never written cost no memory, and the table remembers the
// highest slot ever handed out for writing: clearing, searching and comparing
// stop there instead of walking all 10000.
class DefinitionTable {
 public:
  DefinitionTable();
  DefinitionTable(const DefinitionTable& other);
  DefinitionTable& operator=(const DefinitionTable& other);
  DefinitionTable(DefinitionTable&&) = delete;
  DefinitionTable& operator=(DefinitionTable&&) = delete;
  ~DefinitionTable();

  // Slots are numbered 1..10000; anything else throws std::out_of_range.
  // The writable one counts as written until the next clear(): a reference
  // kept across a clear() must be asked for again before writing.
  DefinitionText& slot(int number);
  const DefinitionText& slot(int number) const;

  // For readers of slot numbers that may run past the table (a 99 x 99 grid
  // can ask for 19602 slots): a number outside 1..10000 reads as empty.
  const DefinitionText& slotOrEmpty(int number) const;

  static bool InRange(int number) { return number >= 1 && number <= kDefinitionSlots; }

  // Number of the last slot that holds text in any line; 0 when none does.
  int lastSlotWithText() const;
  // No slot above this one has been written since the last clear().
  int highestWrittenSlot() const { return highestWritten_; }

  void clear();

  friend bool operator==(const DefinitionTable& a, const DefinitionTable& b);

 private:
  struct FreeSlots {
    void operator()(DefinitionText* slots) const;
  };

  std::unique_ptr<DefinitionText[], FreeSlots> slots_;
  int highestWritten_ = 0;
};

}  // namespace verstak
