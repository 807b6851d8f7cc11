#pragma once
// One pass over a grid or definitions file that answers any set of puzzle
// numbers at once, each exactly as a read of that number alone would:
//
//  - while a number is still looked for, a header line with a malformed
//    number ends its read with the header error; a header of that number
//    makes it wait for its first start line (a row line, a clue line),
//    passing over everything else, headers included; puzzle 1 also starts
//    at a start line met while it is looked for;
//  - from its start line a puzzle is read by its `Reading` until that says
//    the puzzle is complete or refused;
//  - at the end of the text, numbers still looked for or waiting are not found.
//
// Numbers in the same state see the same lines, so the pass keeps them in
// groups: one set of numbers looked for, one list of numbers waiting, and
// one reading per start line, shared by every number that started there.
// Results go to the caller as soon as they are certain, so a pass over a file
// of thousands of puzzles holds only the puzzles being read.
//
// A Reading type provides:
//   using Result = ...;                    // Failure failure + the puzzle
//   static constexpr LineMarks kStartMark; // the mark of a start line
//   static constexpr LineMarks kTracked;   // the marks its lines need
//   static UserMessage HeaderError(), NotFound(), Missing();
//   ReadingStep take(const TextLine&);     // first the start line, then the lines after it
//   UserMessage refusal() const;           // after a Refused step
//   Result takeResult();                   // the complete puzzle, taken once at its end

#include <cstdint>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "document/user_message.h"
#include "files/line_reader.h"
#include "files/open_messages.h"
#include "files/puzzle_number_set.h"

namespace verstak {

enum class ReadingStep {
  Continue,  // the line belongs to the puzzle
  Complete,  // the puzzle ended before this line
  Refused,   // the puzzle is beyond the document's limits
};

// Which lines the scanner needs next: every line, or only those holding a mark.
struct LineInterest {
  bool everyLine = false;
  LineMarks marks = 0;
};

template <class Reading>
class PuzzleScanner {
 public:
  using Result = typename Reading::Result;
  // Called once for each wanted number.
  using ResultHandler = std::function<void(int number, Result result)>;
  // Called for each header line with a well-formed number, in file order.
  using HeaderHandler = std::function<void(int number)>;
  // Called when a reading starts, with the numbers that share it and the
  // offset of its start line: enough to read that puzzle again on its own.
  using StartHandler = std::function<void(const std::vector<int>& numbers, std::uint64_t offset)>;

  PuzzleScanner(const PuzzleNumberSet& wanted, ResultHandler onResult, HeaderHandler onHeader = {})
      : lookedFor_(wanted), onResult_(std::move(onResult)), onHeader_(std::move(onHeader)) {}

  void onStart(StartHandler handler) { onStart_ = std::move(handler); }

  LineInterest interest() const {
    if (!readings_.empty()) return {true, 0};
    LineMarks marks = 0;
    if (!lookedFor_.empty() || onHeader_) marks |= kMarkNumberSign;
    if (!waiting_.empty() || lookedFor_.contains(1)) marks |= Reading::kStartMark;
    return {false, marks};
  }

  // True when nothing in the rest of the file can change a result.
  bool done() const { return finished_ || (readings_.empty() && waiting_.empty() && lookedFor_.empty() && !onHeader_); }

  void take(const TextLine& line) {
    advanceReadings(line);
    std::vector<int> starting;
    if (line.holds(Reading::kStartMark)) starting.swap(waiting_);
    if (line.holds(kMarkNumberSign)) {
      takeHeader(line.headerNumber);
    } else if (line.holds(Reading::kStartMark) && lookedFor_.contains(1)) {
      lookedFor_.erase(1);
      starting.push_back(1);
    }
    if (!starting.empty()) startReading(std::move(starting), line);
  }

  // The end of the text: readings in progress are complete, the rest not found.
  void finish() {
    for (Group& group : readings_) deliver(group.numbers, group.reading.takeResult());
    readings_.clear();
    failRemaining(Reading::NotFound());
  }

  // The rest of the file cannot be read: whatever is not yet certain fails.
  void abandon(const UserMessage& message) {
    for (Group& group : readings_) deliver(group.numbers, Failed(message));
    readings_.clear();
    failRemaining(message);
  }

 private:
  struct Group {
    std::vector<int> numbers;
    Reading reading;
  };

  static Result Failed(const UserMessage& message) {
    Result result;
    result.failure = message;
    return result;
  }

  void advanceReadings(const TextLine& line) {
    std::erase_if(readings_, [&](Group& group) { return step(group, line); });
  }

  // Hands the line to a reading; true when the reading is over.
  bool step(Group& group, const TextLine& line) {
    switch (group.reading.take(line)) {
      case ReadingStep::Continue: return false;
      case ReadingStep::Complete: deliver(group.numbers, group.reading.takeResult()); return true;
      case ReadingStep::Refused: deliver(group.numbers, Failed(group.reading.refusal())); return true;
    }
    return true;
  }

  void takeHeader(const std::optional<int>& number) {
    if (!number) {
      if (!lookedFor_.empty()) failLookedFor(Reading::HeaderError());
      return;
    }
    if (onHeader_) onHeader_(*number);
    if (lookedFor_.contains(*number)) {
      lookedFor_.erase(*number);
      waiting_.push_back(*number);
    }
  }

  void startReading(std::vector<int> numbers, const TextLine& line) {
    if (onStart_) onStart_(numbers, line.offset);
    Group group{std::move(numbers), Reading{}};
    if (!step(group, line)) readings_.push_back(std::move(group));
  }

  void failLookedFor(const UserMessage& message) {
    lookedFor_.forEach([&](int number) { onResult_(number, Failed(message)); });
    lookedFor_ = {};
  }

  void failRemaining(const UserMessage& message) {
    deliver(waiting_, Failed(message));
    waiting_.clear();
    failLookedFor(message);
    finished_ = true;
  }

  void deliver(const std::vector<int>& numbers, Result result) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      onResult_(numbers[i], i + 1 < numbers.size() ? result : std::move(result));
    }
  }

  PuzzleNumberSet lookedFor_;
  std::vector<int> waiting_;
  std::vector<Group> readings_;
  ResultHandler onResult_;
  HeaderHandler onHeader_;
  StartHandler onStart_;
  bool finished_ = false;
};

// Why the reader gives no more lines when its text has not ended.
template <class Reading>
UserMessage UnreadableMessage(const PuzzleLineReader& reader) {
  return reader.missing() ? Reading::Missing() : ReadFailedMessage(reader.name());
}

// One step of a pass: reads the next line the scanner needs and hands it over,
// or ends the pass. False once the pass is over and every result delivered.
// Two passes can run side by side, a step of each in turn.
template <class Reading>
bool ScanNextLine(PuzzleLineReader& reader, PuzzleScanner<Reading>& scanner) {
  if (scanner.done()) {
    scanner.finish();
    return false;
  }
  if (!reader.isOpen()) {
    scanner.abandon(UnreadableMessage<Reading>(reader));
    return false;
  }
  const LineInterest interest = scanner.interest();
  TextLine line;
  const bool more = interest.everyLine ? reader.next(line) : reader.nextHolding(line, interest.marks);
  if (more) {
    scanner.take(line);
    return true;
  }
  if (reader.failed()) {
    scanner.abandon(UnreadableMessage<Reading>(reader));
  } else {
    scanner.finish();
  }
  return false;
}

// A whole pass over the reader's lines.
template <class Reading>
void ScanPuzzleLines(PuzzleLineReader& reader, const PuzzleNumberSet& wanted,
                     typename PuzzleScanner<Reading>::ResultHandler onResult,
                     typename PuzzleScanner<Reading>::HeaderHandler onHeader = {}) {
  PuzzleScanner<Reading> scanner(wanted, std::move(onResult), std::move(onHeader));
  while (ScanNextLine(reader, scanner)) {
  }
}

// One puzzle read by its Reading from the line at `offset` on, as the pass
// that started it there read it: the result of a reading whose start a
// pass noted and whose result was not kept.
template <class Reading>
typename Reading::Result ReadPuzzleAt(const std::filesystem::path& path, std::uint64_t offset) {
  PuzzleLineReader reader(path, Reading::kTracked, PuzzleLineReader::kDefaultBlockBytes, offset);
  Reading reading;
  TextLine line;
  while (reader.isOpen() && reader.next(line)) {
    const ReadingStep step = reading.take(line);
    if (step == ReadingStep::Complete) return reading.takeResult();
    if (step == ReadingStep::Refused) {
      typename Reading::Result refused;
      refused.failure = reading.refusal();
      return refused;
    }
  }
  if (!reader.isOpen() || reader.failed()) {
    typename Reading::Result failed;
    failed.failure = UnreadableMessage<Reading>(reader);
    return failed;
  }
  return reading.takeResult();
}

}  // namespace verstak
