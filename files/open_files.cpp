#include "files/open_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "document/blanks.h"
#include "files/open_messages.h"
#include "files/scanword_file.h"
#include "files/write_failure.h"

namespace verstak {
namespace {

bool Exists(const std::filesystem::path& name) {
  std::error_code ignored;
  return !name.empty() && std::filesystem::is_regular_file(name, ignored);
}

OpenChoice Choose(bool grid, bool definitions, bool scanword) {
  if (scanword) return OpenChoice::ScanwordFile;
  if (grid && definitions) return OpenChoice::GridAndDefinitions;
  if (grid) return OpenChoice::GridOnly;
  if (definitions) return OpenChoice::DefinitionsOnly;
  return OpenChoice::None;
}

// Applies a found result; reports a failed one.
template <class Result>
bool Take(const Result& result, ScanwordDocument& document, std::vector<UserMessage>& messages) {
  if (result.failure) {
    messages.push_back(*result.failure);
    return false;
  }
  result.applyTo(document);
  return true;
}

void NameTheNumber(Failure& failure, const UserMessage& notFound, int puzzleNumber) {
  if (failure && *failure == notFound) failure->details = "Номер кроссворда: " + std::to_string(puzzleNumber);
}

void StartEmpty(ScanwordDocument& document) {
  document.gridWidth = 0;
  document.gridHeight = 0;
  ClearCells(document);
}

}  // namespace

std::vector<UserMessage> PuzzleReads::failures() const {
  std::vector<UserMessage> messages;
  if (grid && grid->failure) messages.push_back(*grid->failure);
  if (definitions && definitions->failure) messages.push_back(*definitions->failure);
  return messages;
}

void PuzzleReads::applyTo(ScanwordDocument& document) const {
  StartEmpty(document);
  // Found clues replace the whole table themselves.
  if (!definitions || !definitions->found()) ClearDefinitions(document);
  if (grid) grid->applyTo(document);
  if (definitions) definitions->applyTo(document);
}

std::optional<int> PuzzleNumberFromText(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return kMinPuzzleNumber;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  // More digits than 10000 has is beyond the range whatever they say.
  if (text.size() > 5) return kMaxPuzzleNumber;
  int number = 0;
  for (char c : text) number = number * 10 + (c - '0');
  return std::clamp(number, kMinPuzzleNumber, kMaxPuzzleNumber);
}

Failure CheckPuzzleNumberText(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  int number = 0;
  // Past five digits the number is beyond the range whatever they say.
  if (digits && text.size() <= 5) {
    for (char c : text) number = number * 10 + (c - '0');
  }
  if (number >= kMinPuzzleNumber && number <= kMaxPuzzleNumber) return std::nullopt;
  return UserMessage::Error(std::string(kPuzzleNumberRangeMessage));
}

OpenChoice ChooseFiles(const OpenFileNames& names) {
  return Choose(Exists(names.grid), Exists(names.definitions), Exists(names.scanword));
}

std::vector<UserMessage> MissingFiles(const OpenFileNames& names) {
  std::vector<UserMessage> messages;
  const auto check = [&](const std::filesystem::path& name, std::string_view missing) {
    if (name.empty() || Exists(name)) return;
    // Something that is there, or cannot be looked at, is said as what it is.
    struct stat status {};
    if (::stat(name.c_str(), &status) == 0) {
      messages.push_back(NotAFileMessage(name, FileTypeWords(status.st_mode & S_IFMT)));
    } else if (errno != ENOENT && errno != ENOTDIR) {
      messages.push_back(NotAFileMessage(name, SystemErrorWords(errno)));
    } else {
      messages.push_back(UserMessage::Error(std::string(missing)));
    }
  };
  check(names.grid, kNoGridFileMessage);
  check(names.definitions, kNoDefinitionsFileMessage);
  check(names.scanword, kNoScanwordFileMessage);
  return messages;
}

OpenOutcome OpenFiles(ScanwordDocument& document, const OpenFileNames& names, int puzzleNumber, OpenMode mode) {
  OpenOutcome outcome;
  std::vector<UserMessage>& messages = outcome.messages;
  messages = MissingFiles(names);
  outcome.choice = ChooseFiles(names);

  bool gridRead = false;
  bool definitionsRead = false;
  if (outcome.choice == OpenChoice::None) {
    // Named files that are missing have been named already.
    if (messages.empty()) messages.push_back(UserMessage::Error(std::string(kNoFileChosenMessage)));
  } else if (outcome.choice == OpenChoice::ScanwordFile) {
    const ScanwordFileResult read = ReadScanwordFile(names.scanword);
    if (mode == OpenMode::WholeOrNothing && (read.failure || !messages.empty())) {
      if (read.failure) messages.push_back(*read.failure);
      return outcome;
    }
    gridRead = definitionsRead = Take(read, document, messages);
  } else {
    PuzzleReads reads;
    if (Exists(names.grid)) reads.grid = ReadGridFile(names.grid, puzzleNumber);
    if (Exists(names.definitions)) reads.definitions = ReadDefinitionsFile(names.definitions, puzzleNumber);
    if (mode == OpenMode::WholeOrNothing) {
      for (UserMessage& failure : reads.failures()) messages.push_back(std::move(failure));
      if (!messages.empty()) return outcome;
      reads.applyTo(document);
      gridRead = reads.grid.has_value();
      definitionsRead = reads.definitions.has_value();
    } else {
      if (reads.grid) NameTheNumber(reads.grid->failure, GridRowsReading::NotFound(), puzzleNumber);
      if (reads.definitions) NameTheNumber(reads.definitions->failure, ClueTextsReading::NotFound(), puzzleNumber);
      if (reads.grid) gridRead = Take(*reads.grid, document, messages);
      if (reads.definitions) definitionsRead = Take(*reads.definitions, document, messages);
    }
  }
  outcome.fileDone = gridRead || definitionsRead;
  outcome.gridRead = gridRead;
  outcome.wholeDocumentReplaced = gridRead && definitionsRead;
  return outcome;
}

}  // namespace verstak
