#include "files/definitions_file.h"

#include <algorithm>

#include "files/open_messages.h"

namespace verstak {

UserMessage ClueTextsReading::HeaderError() {
  return UserMessage::Error(" В файле определений после номера кроссворда лишние символы! ");
}
UserMessage ClueTextsReading::NotFound() { return UserMessage::Error("Такого кроссворда нет!"); }
UserMessage ClueTextsReading::Missing() { return UserMessage::Error(std::string(kNoDefinitionsFileMessage)); }

// The clues of a puzzle end at the next header line.
ReadingStep ClueTextsReading::take(const TextLine& line) {
  if (line.holds(kMarkNumberSign)) return ReadingStep::Complete;
  if (line.holds(kMarkAsterisk)) return startClue(line);
  return continueClue(line);
}

// The first two characters, normally "* ", are dropped whatever they are.
ReadingStep ClueTextsReading::startClue(const TextLine& line) {
  if (clues_.size() == kDefinitionSlots) {
    refusal_ = UserMessage::Error(" Определений больше 10000! ");
    return ReadingStep::Refused;
  }
  clues_.startClue();
  clues_.addLine(line.head.substr(std::min<std::size_t>(2, line.head.size())));
  linesInClue_ = 1;
  return ReadingStep::Continue;
}

// Empty lines past the 16th (the blank line before the next header) are
// dropped; text there would be lost, so the puzzle is refused.
ReadingStep ClueTextsReading::continueClue(const TextLine& line) {
  linesInClue_ = std::min(linesInClue_ + 1, kDefinitionLines + 1);
  if (linesInClue_ <= kDefinitionLines) {
    clues_.addLine(line.head);
    return ReadingStep::Continue;
  }
  if (line.length == 0) return ReadingStep::Continue;
  refusal_ = UserMessage::Error(" Определение длиннее 16 строк! ");
  return ReadingStep::Refused;
}

void DefinitionsFileResult::applyTo(ScanwordDocument& document) const {
  if (!found()) return;
  ClearDefinitions(document);
  clues.copyInto(document.definitions);
}

void ScanDefinitionsFile(const std::filesystem::path& path, const PuzzleNumberSet& wanted,
                         DefinitionsFileScanner::ResultHandler onResult,
                         DefinitionsFileScanner::HeaderHandler onHeader) {
  PuzzleLineReader reader(path, ClueTextsReading::kTracked);
  ScanPuzzleLines<ClueTextsReading>(reader, wanted, std::move(onResult), std::move(onHeader));
}

void ScanDefinitionsFile(ByteSource& source, const PuzzleNumberSet& wanted,
                         DefinitionsFileScanner::ResultHandler onResult, DefinitionsFileScanner::HeaderHandler onHeader,
                         std::size_t blockBytes) {
  PuzzleLineReader reader(source, ClueTextsReading::kTracked, blockBytes);
  ScanPuzzleLines<ClueTextsReading>(reader, wanted, std::move(onResult), std::move(onHeader));
}

DefinitionsFileResult ReadDefinitionsFile(const std::filesystem::path& path, int puzzleNumber) {
  DefinitionsFileResult found{ClueTextsReading::NotFound(), {}};
  ScanDefinitionsFile(path, {puzzleNumber}, [&](int, DefinitionsFileResult result) { found = std::move(result); });
  return found;
}

DefinitionsFileResult ReadDefinitionsFile(ByteSource& source, int puzzleNumber, std::size_t blockBytes) {
  DefinitionsFileResult found{ClueTextsReading::NotFound(), {}};
  ScanDefinitionsFile(
      source, {puzzleNumber}, [&](int, DefinitionsFileResult result) { found = std::move(result); }, {}, blockBytes);
  return found;
}

}  // namespace verstak
