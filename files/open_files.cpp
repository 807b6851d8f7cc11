#include "files/open_files.h"

#include <algorithm>
#include <system_error>

#include "document/blanks.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "files/open_messages.h"
#include "files/scanword_file.h"

namespace verstak {
namespace {

// A named file counts only if it is there to be read.
bool Given(const std::filesystem::path& name, std::string_view missing, std::vector<UserMessage>& messages) {
  if (name.empty()) return false;
  std::error_code ignored;
  if (std::filesystem::is_regular_file(name, ignored)) return true;
  messages.push_back(UserMessage::Error(std::string(missing)));
  return false;
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

}  // namespace

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

OpenOutcome OpenFiles(ScanwordDocument& document, const OpenFileNames& names, int puzzleNumber) {
  OpenOutcome outcome;
  std::vector<UserMessage>& messages = outcome.messages;
  const bool grid = Given(names.grid, kNoGridFileMessage, messages);
  const bool definitions = Given(names.definitions, kNoDefinitionsFileMessage, messages);
  const bool scanword = Given(names.scanword, kNoScanwordFileMessage, messages);
  outcome.choice = Choose(grid, definitions, scanword);

  bool gridRead = false;
  bool definitionsRead = false;
  switch (outcome.choice) {
    case OpenChoice::None:
      messages.push_back(UserMessage::Error(std::string(kNoFileChosenMessage)));
      break;
    case OpenChoice::ScanwordFile:
      gridRead = definitionsRead = Take(ReadScanwordFile(names.scanword), document, messages);
      break;
    case OpenChoice::GridOnly:
    case OpenChoice::DefinitionsOnly:
    case OpenChoice::GridAndDefinitions:
      if (grid) gridRead = Take(ReadGridFile(names.grid, puzzleNumber), document, messages);
      if (definitions) definitionsRead = Take(ReadDefinitionsFile(names.definitions, puzzleNumber), document, messages);
      break;
  }
  outcome.fileDone = gridRead || definitionsRead;
  outcome.wholeDocumentReplaced = gridRead && definitionsRead;
  return outcome;
}

}  // namespace verstak
