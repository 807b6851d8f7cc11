#include "cli/opened_puzzle.h"

#include <filesystem>

#include "files/open_messages.h"
#include "files/scanword_file.h"

namespace verstak::batch {
namespace {

void StartWithoutGrid(ScanwordDocument& document) {
  document.gridWidth = 0;
  document.gridHeight = 0;
  ClearCells(document);
}

void StartEmpty(ScanwordDocument& document) {
  StartWithoutGrid(document);
  ClearDefinitions(document);
}

}  // namespace

std::vector<UserMessage> PuzzleReads::failures() const {
  std::vector<UserMessage> messages;
  if (grid && grid->failure) messages.push_back(*grid->failure);
  if (definitions && definitions->failure) messages.push_back(*definitions->failure);
  return messages;
}

// A failed read leaves its part as cleared: cells without a grid size, or an
// empty definition table.
void PuzzleReads::applyTo(ScanwordDocument& document) const {
  // Found clues replace the whole table themselves; clearing its 5 MB twice
  // would cost an export of every puzzle a fifth of its time.
  if (definitions && definitions->found()) {
    StartWithoutGrid(document);
  } else {
    StartEmpty(document);
  }
  if (grid) grid->applyTo(document);
  if (definitions) definitions->applyTo(document);
}

PuzzleReads ReadPuzzle(const PuzzleInput& input) {
  PuzzleReads reads;
  if (input.grid) reads.grid = ReadGridFile(*input.grid, input.number);
  if (input.definitions) reads.definitions = ReadDefinitionsFile(*input.definitions, input.number);
  return reads;
}

std::vector<UserMessage> MissingFiles(const PuzzleInput& input) {
  std::vector<UserMessage> messages;
  const auto check = [&](const std::optional<std::filesystem::path>& path, UserMessage missing) {
    std::error_code ignored;
    if (path && !std::filesystem::is_regular_file(*path, ignored)) messages.push_back(std::move(missing));
  };
  if (input.scanword) {
    check(input.scanword, UserMessage::Error(std::string(kNoScanwordFileMessage)));
  } else {
    check(input.grid, GridRowsReading::Unreadable());
    check(input.definitions, ClueTextsReading::Unreadable());
  }
  return messages;
}

std::vector<UserMessage> OpenDocument(const PuzzleInput& input, ScanwordDocument& document) {
  if (input.scanword) {
    const ScanwordFileResult read = ReadScanwordFile(*input.scanword);
    if (read.failure) return {*read.failure};
    StartEmpty(document);
    read.applyTo(document);
    return {};
  }
  const PuzzleReads reads = ReadPuzzle(input);
  std::vector<UserMessage> failures = reads.failures();
  if (failures.empty()) reads.applyTo(document);
  return failures;
}

}  // namespace verstak::batch
