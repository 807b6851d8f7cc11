#include "cli/every_puzzle.h"

#include <algorithm>
#include <cstdint>
#include <set>
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

// One reader's results until their puzzles are handed on. A found puzzle is
// kept whole; a failure only as the index of its message, so that the
// thousands of "not found" results at the end of a pass take no room.
template <class Result>
class Outcomes {
 public:
  bool known(int number) const { return state_[Index(number)] != kUnknown; }
  bool kept(int number) const { return found_.contains(number); }
  std::size_t keptCount() const { return found_.size(); }

  void store(int number, Result result) {
    if (result.failure) {
      state_[Index(number)] = static_cast<std::uint16_t>(kFirstMessage + messageIndex(*result.failure));
      return;
    }
    state_[Index(number)] = kFound;
    found_.insert_or_assign(number, std::move(result));
  }

  // The result, handed over once; a found puzzle is no longer kept.
  Result take(int number) {
    if (auto node = found_.extract(number)) return std::move(node.mapped());
    Result result;
    result.failure = messages_[state_[Index(number)] - kFirstMessage];
    return result;
  }

  void forget(int number) { found_.erase(number); }

 private:
  static constexpr std::uint16_t kUnknown = 0;
  static constexpr std::uint16_t kFound = 1;
  static constexpr std::uint16_t kFirstMessage = 2;

  static std::size_t Index(int number) { return static_cast<std::size_t>(number); }

  std::size_t messageIndex(const UserMessage& message) {
    const auto found = std::ranges::find(messages_, message);
    if (found != messages_.end()) return static_cast<std::size_t>(found - messages_.begin());
    messages_.push_back(message);
    return messages_.size() - 1;
  }

  std::vector<std::uint16_t> state_ = std::vector<std::uint16_t>(kMaxPuzzleNumber + 1, kUnknown);
  std::vector<UserMessage> messages_;  // the few distinct failures
  std::unordered_map<int, Result> found_;
};

// Pairs each puzzle's grid with its clues as the two passes deliver them.
// A number is wanted once its header has been seen in the grid file; its
// result may come before that header (puzzle 1 read from rows above it, or
// every number failed at a malformed header), so it waits for the header or
// for the end of the grid file.
class PuzzlePairing {
 public:
  PuzzlePairing(bool withDefinitions, const EveryPuzzleHandlers& handlers)
      : withDefinitions_(withDefinitions), handlers_(handlers) {}

  void gridHeader(int number) {
    if (!PuzzleNumberSet::InRange(number)) {
      if (outOfRange_.insert(number).second && handlers_.numberOutOfRange) handlers_.numberOutOfRange(number);
      return;
    }
    headed_[Index(number)] = true;
    settle(number);
  }

  void gridResult(int number, GridFileResult result) {
    grids_.store(number, std::move(result));
    settle(number);
  }

  void definitionsResult(int number, DefinitionsFileResult result) {
    clues_.store(number, std::move(result));
    settle(number);
  }

  // No header comes any more: numbers without one are settled as not wanted.
  void gridFileDone() {
    gridFileDone_ = true;
    for (int number = 1; number <= kMaxPuzzleNumber; ++number) settle(number);
  }

  // The side with fewer results waiting for the other reads on, so that
  // neither runs far ahead when a puzzle is missing from one file.
  bool definitionsShouldReadOn() const { return grids_.keptCount() > clues_.keptCount(); }

 private:
  static std::size_t Index(int number) { return static_cast<std::size_t>(number); }

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
  Outcomes<DefinitionsFileResult> clues_;
  std::vector<bool> headed_ = std::vector<bool>(kMaxPuzzleNumber + 1, false);
  std::vector<bool> settled_ = std::vector<bool>(kMaxPuzzleNumber + 1, false);
  std::set<int> outOfRange_;
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

  bool step() { return open = open && ScanNextLine(reader, scanner); }
  std::uint64_t passed() const { return open ? std::min(reader.bytesPassed(), size) : size; }

  PuzzleLineReader reader;
  PuzzleScanner<Reading> scanner;
  std::uint64_t size;
  bool open = true;
};

}  // namespace

void ReadEveryPuzzle(const std::filesystem::path& grid, const std::optional<std::filesystem::path>& definitions,
                     const EveryPuzzleHandlers& handlers) {
  PuzzlePairing pairing(definitions.has_value(), handlers);
  Pass<GridRowsReading> grids(
      grid, [&](int number, GridFileResult result) { pairing.gridResult(number, std::move(result)); },
      [&](int number) { pairing.gridHeader(number); });
  std::optional<Pass<ClueTextsReading>> clues;
  if (definitions) {
    clues.emplace(*definitions, [&](int number, DefinitionsFileResult result) {
      pairing.definitionsResult(number, std::move(result));
    });
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
}

}  // namespace verstak::batch
