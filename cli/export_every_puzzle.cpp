#include "cli/export_every_puzzle.h"

#include <map>
#include <string>

#include "cli/every_puzzle.h"
#include "cli/message_text.h"
#include "cli/progress_bar.h"
#include "cli/puzzle_output.h"
#include "document/blanks.h"
#include "files/atomic_file.h"
#include "print/press_check.h"

namespace verstak::batch {
namespace {

// Written and passed-over puzzles, the latter counted by reason.
class ExportTally {
 public:
  void written() { ++written_; }
  void skipped(const std::string& reason) {
    ++skipped_;
    ++reasons_[reason];
  }
  int writtenCount() const { return written_; }
  int skippedCount() const { return skipped_; }

  // "Записано: 9, пропущено: 2 (Такой сетки нет! — 1; Такого кроссворда нет! — 1)".
  std::string summary() const {
    std::string line = "Записано: " + std::to_string(written_) + ", пропущено: " + std::to_string(skipped_);
    std::string why;
    for (const auto& [reason, count] : reasons_) {
      why += (why.empty() ? " (" : "; ") + reason + " — " + std::to_string(count);
    }
    return line + (why.empty() ? "" : why + ")");
  }

 private:
  int written_ = 0;
  int skipped_ = 0;
  std::map<std::string, int> reasons_;
};

// The reason a puzzle refused by --strict is passed over; its causes are
// listed above the summary.
constexpr std::string_view kNotReadyForPress = "сканворд не готов к печати";
constexpr std::string_view kRefusedByFit = "не все определения помещаются";

}  // namespace

std::vector<std::string> EveryPuzzleRunProblems(const Options& options) {
  std::vector<std::string> problems;
  for (const UserMessage& message : MissingFiles(options.input.fileNames())) problems.push_back(message.text);
  if (!problems.empty()) return problems;
  std::error_code error;
  std::filesystem::create_directories(options.output, error);
  if (error || !std::filesystem::is_directory(options.output))
    problems.push_back("Не удалось создать папку " + options.output.string());
  return problems;
}

std::filesystem::path EveryPuzzleOutput(const std::filesystem::path& folder, int number, std::string_view extension) {
  return folder / (std::to_string(number) + "." + std::string(extension));
}

int ExportEveryPuzzle(const Options& options, Streams streams) {
  const PuzzleInput& input = options.input;
  std::vector<UserMessage> fontFailures;
  const std::optional<PuzzleOutput> output = PuzzleOutput::Prepare(options, fontFailures);
  if (!output) {
    for (const UserMessage& message : fontFailures) streams.err << message.text << '\n';
    return kExitFailed;
  }
  if (const std::vector<std::string> problems = EveryPuzzleRunProblems(options); !problems.empty()) {
    for (const std::string& problem : problems) streams.err << problem << '\n';
    return kExitFailed;
  }

  ProgressBar bar(streams.err, streams.errIsTerminal);
  ExportTally tally;
  const auto skip = [&](int number, const std::string& reason) {
    tally.skipped(reason);
    bar.print("№ " + std::to_string(number) + " пропущен: " + reason);
  };
  // One document for all puzzles: each is opened into it from scratch.
  ScanwordDocument document;
  int notFitting = 0;
  EveryPuzzleHandlers handlers;
  handlers.puzzle = [&](int number, const PuzzleReads& reads) {
    std::vector<UserMessage> failures = reads.failures();
    std::string writeFailure;
    if (failures.empty()) {
      reads.applyTo(document);
      // Synced once for the whole run, at its end.
      OutputMade made = output->make(document, number);
      const std::string puzzle = "№ " + std::to_string(number) + ": ";
      for (const std::string& fault : made.faults)
        bar.print(puzzle + (made.refused ? fault : WarningLine(fault)));
      if (made.refused) made.failure = UserMessage::Error(std::string(kNotReadyForPress));
      // With --strict-fit a puzzle whose clues do not all fit is not written.
      if (!made.failure && output->refuses(made)) made.failure = UserMessage::Error(std::string(kRefusedByFit));
      if (!made.failure) {
        const std::filesystem::path path = EveryPuzzleOutput(options.output, number, output->extension());
        if (const WriteOutcome file = WriteFileAtomically(path, made.bytes, SyncMode::Deferred); !file) {
          // Each file its own name and cause, on the puzzle's line.
          writeFailure = std::string(TrimBlanks(output->writeFailedMessage())) + " " + path.string() + ": " +
                         WriteFailureWords(*file.failure);
        }
      }
      if (made.failure) failures.push_back(std::move(*made.failure));
      notFitting += made.notFitting;
    }
    if (!writeFailure.empty()) {
      skip(number, writeFailure);
    } else if (failures.empty()) {
      tally.written();
    } else {
      skip(number, JoinedMessages(failures));
    }
  };
  handlers.numberOutOfRange = [&](int number) { skip(number, "номер кроссворда вне 1..10000"); };
  handlers.progress = [&](double done) { bar.update(done, tally.writtenCount(), tally.skippedCount()); };
  const std::vector<UserMessage> unread = ReadEveryPuzzle(*input.grid, input.definitions, handlers);
  bar.clear();
  if (tally.writtenCount() > 0) {
    if (const WriteOutcome synced = SyncWritten(options.output); !synced) {
      streams.err << WriteFailedMessage(output->writeFailedMessage(), options.output, *synced.failure).text << '\n';
      return kExitFailed;
    }
  }
  for (const UserMessage& message : unread) streams.err << message.text << '\n';

  if (!unread.empty() && tally.writtenCount() + tally.skippedCount() == 0) return kExitFailed;
  if (tally.writtenCount() + tally.skippedCount() == 0) {
    streams.err << kNoPuzzleHeaderMessage << '\n';
    return kExitFailed;
  }
  streams.out << tally.summary() << '\n';
  if (notFitting > 0) streams.err << NotFittingLine(notFitting) << '\n';
  const bool fitFailed = options.strictFit && notFitting > 0;
  return tally.skippedCount() > 0 || !unread.empty() || fitFailed ? kExitFailed : kExitDone;
}

}  // namespace verstak::batch
