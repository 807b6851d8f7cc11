#include "cli/every_puzzle.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "files/puzzle_number_set.h"

namespace verstak::batch {
namespace {

std::uint64_t FileSize(const std::filesystem::path& path) {
  std::error_code ignored;
  const auto size = std::filesystem::file_size(path, ignored);
  return ignored ? 0 : size;
}

std::size_t Index(int number) { return static_cast<std::size_t>(number); }

// One reader's results until their puzzles are handed on. A found puzzle is
// kept whole, or only marked as found when it is to be read again later; a
// failure only as the index of its message, so that the thousands of "not
// found" results at the end of a pass take no room.
template <class Result>
class Outcomes {
 public:
  bool known(int number) const { return state_[Index(number)] != kUnknown; }
  bool kept(int number) const { return found_.contains(number); }
  bool isPutAside(int number) const { return state_[Index(number)] == kPutAside; }
  // Found puzzles not yet handed on, kept or put aside.
  std::size_t waitingCount() const { return found_.size() + putAside_; }

  void store(int number, Result result) {
    if (result.failure) {
      state_[Index(number)] = static_cast<std::uint16_t>(kFirstMessage + messageIndex(*result.failure));
      return;
    }
    state_[Index(number)] = kFound;
    found_.insert_or_assign(number, std::move(result));
  }

  // A kept result dropped; the caller reads it again when it is needed.
  void putAside(int number) {
    found_.erase(number);
    state_[Index(number)] = kPutAside;
    ++putAside_;
  }

  // The result, handed over once; a found puzzle is no longer kept. Not for
  // a result put aside.
  Result take(int number) {
    if (auto node = found_.extract(number)) return std::move(node.mapped());
    Result result;
    result.failure = messages_[state_[Index(number)] - kFirstMessage];
    return result;
  }

  void forget(int number) {
    found_.erase(number);
    if (isPutAside(number)) {
      state_[Index(number)] = kFound;
      --putAside_;
    }
  }

  void takenAgain(int number) {
    state_[Index(number)] = kFound;
    --putAside_;
  }

 private:
  static constexpr std::uint16_t kUnknown = 0;
  static constexpr std::uint16_t kFound = 1;
  static constexpr std::uint16_t kPutAside = 2;
  static constexpr std::uint16_t kFirstMessage = 3;

  std::size_t messageIndex(const UserMessage& message) {
    const auto found = std::ranges::find(messages_, message);
    if (found != messages_.end()) return static_cast<std::size_t>(found - messages_.begin());
    messages_.push_back(message);
    return messages_.size() - 1;
  }

  std::vector<std::uint16_t> state_ = std::vector<std::uint16_t>(kMaxPuzzleNumber + 1, kUnknown);
  std::vector<UserMessage> messages_;  // the few distinct failures
  std::unordered_map<int, Result> found_;
  std::size_t putAside_ = 0;
};

// Where each number's clues start in the definitions file and which reading
// gave them: numbers under one block of clues share one reading, and its
// clues are kept once, however many numbers wait for them. Past `limit`
// bytes, clues that would have to be kept are put aside and read again from
// their start when their grid comes.
class ClueStore {
 public:
  ClueStore(std::filesystem::path path, std::size_t limit) : path_(std::move(path)), limit_(limit) {}

  void started(const std::vector<int>& numbers, std::uint64_t offset) {
    ++readings_;
    for (int number : numbers) {
      reading_[Index(number)] = readings_;
      start_[Index(number)] = offset;
    }
  }

  bool known(int number) const { return outcomes_.known(number); }
  std::size_t waitingCount() const { return outcomes_.waitingCount(); }

  void store(int number, DefinitionsFileResult result) {
    if (result.failure) {
      outcomes_.store(number, std::move(result));
      return;
    }
    const std::size_t bytes = result.clues.bytesHeld();
    outcomes_.store(number, std::move(result));
    hold(number, bytes);
  }

  // After the number had its chance to be handed on: a result still kept
  // past the limit is put aside.
  void keepWithinLimit(int number) {
    if (held_ <= limit_ || !outcomes_.kept(number)) return;
    release(number);
    outcomes_.putAside(number);
  }

  DefinitionsFileResult take(int number) {
    if (!outcomes_.isPutAside(number)) {
      if (outcomes_.kept(number)) release(number);
      return outcomes_.take(number);
    }
    outcomes_.takenAgain(number);
    const std::uint32_t reading = reading_[Index(number)];
    if (reading != lastReadAgain_) {
      lastReadAgain_ = reading;
      readAgain_ = ReadPuzzleAt<ClueTextsReading>(path_, start_[Index(number)]);
    }
    return readAgain_;
  }

  void forget(int number) {
    if (outcomes_.kept(number)) release(number);
    outcomes_.forget(number);
  }

 private:
  struct Held {
    int holders = 0;
    std::size_t bytes = 0;
  };

  void hold(int number, std::size_t bytes) {
    Held& held = heldBy_[reading_[Index(number)]];
    if (held.holders++ == 0) {
      held.bytes = bytes;
      held_ += bytes;
    }
  }

  void release(int number) {
    const auto found = heldBy_.find(reading_[Index(number)]);
    if (--found->second.holders > 0) return;
    held_ -= found->second.bytes;
    heldBy_.erase(found);
  }

  std::filesystem::path path_;
  std::size_t limit_;
  std::uint32_t readings_ = 0;
  std::vector<std::uint32_t> reading_ = std::vector<std::uint32_t>(kMaxPuzzleNumber + 1, 0);
  std::vector<std::uint64_t> start_ = std::vector<std::uint64_t>(kMaxPuzzleNumber + 1, 0);
  Outcomes<DefinitionsFileResult> outcomes_;
  std::unordered_map<std::uint32_t, Held> heldBy_;  // by reading
  std::size_t held_ = 0;
  std::uint32_t lastReadAgain_ = 0;
  DefinitionsFileResult readAgain_;
};

// Pairs each puzzle's grid with its clues as the two passes deliver them.
// A number is wanted once its header has been seen in the grid file; its
// result may come before that header (puzzle 1 read from rows above it, or
// every number failed at a malformed header), so it waits for the header or
// for the end of the grid file.
class PuzzlePairing {
 public:
  PuzzlePairing(const std::optional<std::filesystem::path>& definitions, std::size_t keptClueBytes,
                const EveryPuzzleHandlers& handlers)
      : withDefinitions_(definitions.has_value()),
        handlers_(handlers),
        clues_(definitions.value_or(std::filesystem::path{}), keptClueBytes) {}

  // Numbers out of range are reported at each header, not remembered.
  void gridHeader(int number) {
    if (!PuzzleNumberSet::InRange(number)) {
      if (handlers_.numberOutOfRange) handlers_.numberOutOfRange(number);
      return;
    }
    headed_[Index(number)] = true;
    settle(number);
  }

  void gridResult(int number, GridFileResult result) {
    grids_.store(number, std::move(result));
    settle(number);
  }

  void cluesStarted(const std::vector<int>& numbers, std::uint64_t offset) { clues_.started(numbers, offset); }

  void definitionsResult(int number, DefinitionsFileResult result) {
    clues_.store(number, std::move(result));
    settle(number);
    clues_.keepWithinLimit(number);
  }

  // No header comes any more: numbers without one are settled as not wanted.
  void gridFileDone() {
    gridFileDone_ = true;
    for (int number = 1; number <= kMaxPuzzleNumber; ++number) settle(number);
  }

  // The side with fewer results waiting for the other reads on, so that
  // neither runs far ahead when a puzzle is missing from one file.
  bool definitionsShouldReadOn() const { return grids_.waitingCount() > clues_.waitingCount(); }

 private:
  void settle(int number) {
    if (settled_[Index(number)] || !grids_.known(number)) return;
    const bool wanted = headed_[Index(number)];
    if (!wanted && !gridFileDone_) return;
    if (wanted && withDefinitions_ && !clues_.known(number)) return;
    settled_[Index(number)] = true;
    if (!wanted) {
      grids_.forget(number);
      clues_.forget(number);
      return;
    }
    PuzzleReads reads;
    reads.grid = grids_.take(number);
    if (withDefinitions_) reads.definitions = clues_.take(number);
    handlers_.puzzle(number, reads);
  }

  bool withDefinitions_;
  const EveryPuzzleHandlers& handlers_;
  Outcomes<GridFileResult> grids_;
  ClueStore clues_;
  std::vector<bool> headed_ = std::vector<bool>(kMaxPuzzleNumber + 1, false);
  std::vector<bool> settled_ = std::vector<bool>(kMaxPuzzleNumber + 1, false);
  bool gridFileDone_ = false;
};

// One reader and its scanner over one file.
template <class Reading>
struct Pass {
  Pass(const std::filesystem::path& path, typename PuzzleScanner<Reading>::ResultHandler onResult,
       typename PuzzleScanner<Reading>::HeaderHandler onHeader = {})
      : reader(path, Reading::kTracked),
        scanner(PuzzleNumberSet::All(), std::move(onResult), std::move(onHeader)),
        size(FileSize(path)) {}

  // A pass that a read error ends keeps its message.
  bool step() {
    if (!open) return false;
    open = ScanNextLine(reader, scanner);
    if (!open && (!reader.isOpen() || reader.failed())) failure = UnreadableMessage<Reading>(reader);
    return open;
  }
  std::uint64_t passed() const { return open ? std::min(reader.bytesPassed(), size) : size; }

  PuzzleLineReader reader;
  PuzzleScanner<Reading> scanner;
  std::uint64_t size;
  bool open = true;
  Failure failure;
};

}  // namespace

std::vector<UserMessage> ReadEveryPuzzle(const std::filesystem::path& grid,
                                         const std::optional<std::filesystem::path>& definitions,
                                         const EveryPuzzleHandlers& handlers, std::size_t keptClueBytes) {
  PuzzlePairing pairing(definitions, keptClueBytes, handlers);
  Pass<GridRowsReading> grids(
      grid, [&](int number, GridFileResult result) { pairing.gridResult(number, std::move(result)); },
      [&](int number) { pairing.gridHeader(number); });
  std::optional<Pass<ClueTextsReading>> clues;
  if (definitions) {
    clues.emplace(*definitions, [&](int number, DefinitionsFileResult result) {
      pairing.definitionsResult(number, std::move(result));
    });
    clues->scanner.onStart(
        [&](const std::vector<int>& numbers, std::uint64_t offset) { pairing.cluesStarted(numbers, offset); });
  }
  const std::uint64_t total = std::max<std::uint64_t>(grids.size + (clues ? clues->size : 0), 1);
  const auto report = [&] {
    if (!handlers.progress) return;
    const std::uint64_t passed = grids.passed() + (clues ? clues->passed() : 0);
    handlers.progress(static_cast<double>(passed) / static_cast<double>(total));
  };

  while (grids.open || (clues && clues->open)) {
    const bool readClues = clues && clues->open && (!grids.open || pairing.definitionsShouldReadOn());
    if (readClues) {
      clues->step();
    } else if (!grids.step()) {
      pairing.gridFileDone();
    }
    report();
  }

  std::vector<UserMessage> failures;
  if (grids.failure) failures.push_back(*grids.failure);
  if (clues && clues->failure) failures.push_back(*clues->failure);
  return failures;
}

}  // namespace verstak::batch
