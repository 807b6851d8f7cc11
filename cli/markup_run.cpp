#include "cli/markup_run.h"

#include <string>

#include "cli/every_puzzle.h"
#include "cli/export_every_puzzle.h"
#include "cli/message_text.h"
#include "document/auto_markup.h"
#include "document/blanks.h"
#include "document/markup_summary.h"
#include "files/atomic_file.h"
#include "files/scanword_file.h"
#include "files/write_failure.h"

namespace verstak::batch {
namespace {

bool Ready(const MarkupSummary& summary) { return summary.complete() && summary.faults.empty(); }

int MarkUpOne(const Options& options, Streams streams) {
  ScanwordDocument document;
  const OpenOutcome opened =
      OpenFiles(document, options.input.fileNames(), options.input.number, OpenMode::WholeOrNothing);
  if (!opened.messages.empty()) {
    for (const UserMessage& message : opened.messages) streams.err << message.text << '\n';
    return kExitFailed;
  }
  AutoMarkup(document);
  // Written before the summary: an incomplete markup is still worth finishing by hand.
  if (const Failure failure = WriteScanwordFile(options.output, document)) {
    streams.err << failure->text << '\n';
    return kExitFailed;
  }
  const MarkupSummary summary = SummarizeMarkup(document);
  streams.out << SummaryLine(summary) << '\n';
  for (const MarkupFault& fault : summary.faults) streams.out << fault.text << '\n';
  if (const std::string mismatch = CountMismatchLine(summary); !mismatch.empty()) streams.out << mismatch << '\n';
  return Ready(summary) ? kExitDone : kExitFailed;
}

int MarkUpEveryPuzzle(const Options& options, Streams streams) {
  if (const std::vector<std::string> problems = EveryPuzzleRunProblems(options); !problems.empty()) {
    for (const std::string& problem : problems) streams.err << problem << '\n';
    return kExitFailed;
  }
  // One document for all puzzles: each is opened into it from scratch.
  ScanwordDocument document;
  int taken = 0;
  int written = 0;
  bool allReady = true;
  EveryPuzzleHandlers handlers;
  handlers.puzzle = [&](int number, const PuzzleReads& reads) {
    ++taken;
    const std::string puzzle = "№ " + std::to_string(number);
    std::vector<UserMessage> failures = reads.failures();
    if (failures.empty()) {
      reads.applyTo(document);
      AutoMarkup(document);
      // Synced once for the whole run, at its end.
      const std::filesystem::path path = EveryPuzzleOutput(options.output, number, "skw");
      const WriteOutcome file = WriteFileAtomically(path, ScanwordFileBytes(document), SyncMode::Deferred);
      if (file) {
        ++written;
        const MarkupSummary summary = SummarizeMarkup(document);
        allReady = allReady && Ready(summary);
        streams.out << puzzle << ": " << SummaryLine(summary) << '\n';
        return;
      }
      // The file and its cause, as export --all names them.
      failures.push_back(UserMessage::Error(std::string(TrimBlanks(kWriteFailedMessage)) + " " + path.string() + ": " +
                                            WriteFailureWords(*file.failure)));
    }
    allReady = false;
    streams.err << puzzle << " пропущен: " << JoinedMessages(failures) << '\n';
  };
  handlers.numberOutOfRange = [&](int number) {
    ++taken;
    allReady = false;
    streams.err << "№ " << number << " пропущен: номер кроссворда вне 1..10000\n";
  };
  const std::vector<UserMessage> unread = ReadEveryPuzzle(*options.input.grid, options.input.definitions, handlers);
  if (written > 0 && !SyncWritten(options.output)) {
    streams.err << TrimBlanks(kWriteFailedMessage) << '\n';
    return kExitFailed;
  }
  for (const UserMessage& message : unread) streams.err << message.text << '\n';
  if (taken == 0 && unread.empty()) streams.err << kNoPuzzleHeaderMessage << '\n';
  return taken > 0 && allReady && unread.empty() ? kExitDone : kExitFailed;
}

}  // namespace

int RunMarkup(const Options& options, Streams streams) {
  return options.input.everyPuzzle ? MarkUpEveryPuzzle(options, streams) : MarkUpOne(options, streams);
}

}  // namespace verstak::batch
