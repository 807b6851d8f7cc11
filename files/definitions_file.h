#pragma once
// Definitions files: the clue texts of many puzzles, each puzzle under a
// header line "№ N"; a clue begins on a line holding "*" (its first two
// characters dropped) and runs on over the lines after it. The program only
// reads them.

#include <filesystem>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "files/clue_texts.h"
#include "files/puzzle_scanner.h"

namespace verstak {

struct DefinitionsFileResult {
  Failure failure;  // nullopt when the puzzle was found and read
  ClueTexts clues;  // clue k for slot k, at most 10000

  bool found() const { return !failure; }
  // Found clues replace the document's whole definition table, from slot 1 on.
  // A failed read leaves the document as it was.
  void applyTo(ScanwordDocument& document) const;
};

// Reads the clues of one puzzle from its first clue line on.
class ClueTextsReading {
 public:
  using Result = DefinitionsFileResult;
  static constexpr LineMarks kStartMark = kMarkAsterisk;
  static constexpr LineMarks kTracked = kMarkAsterisk;
  static UserMessage HeaderError();
  static UserMessage NotFound();
  static UserMessage Missing();

  ReadingStep take(const TextLine& line);
  UserMessage refusal() const { return refusal_; }
  Result takeResult() { return {std::nullopt, std::move(clues_)}; }

 private:
  ReadingStep startClue(const TextLine& line);
  ReadingStep continueClue(const TextLine& line);

  ClueTexts clues_;
  int linesInClue_ = 0;  // counts no further than one past the last line a clue can hold
  UserMessage refusal_;
};

using DefinitionsFileScanner = PuzzleScanner<ClueTextsReading>;

// One pass over the file for all `wanted` numbers: onResult(number, result)
// once for each of them, as soon as its result is certain; onHeader(number)
// for every well-formed header line, in file order.
void ScanDefinitionsFile(const std::filesystem::path& path, const PuzzleNumberSet& wanted,
                         DefinitionsFileScanner::ResultHandler onResult,
                         DefinitionsFileScanner::HeaderHandler onHeader = {});

// The clues of puzzle `puzzleNumber` (1..10000).
DefinitionsFileResult ReadDefinitionsFile(const std::filesystem::path& path, int puzzleNumber);

// The same over bytes from memory or any other source, through the same
// scanner; `blockBytes` is the reader's block size.
void ScanDefinitionsFile(ByteSource& source, const PuzzleNumberSet& wanted,
                         DefinitionsFileScanner::ResultHandler onResult,
                         DefinitionsFileScanner::HeaderHandler onHeader = {},
                         std::size_t blockBytes = PuzzleLineReader::kDefaultBlockBytes);
DefinitionsFileResult ReadDefinitionsFile(ByteSource& source, int puzzleNumber,
                                          std::size_t blockBytes = PuzzleLineReader::kDefaultBlockBytes);

}  // namespace verstak
