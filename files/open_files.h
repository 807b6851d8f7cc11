#pragma once
// The work of the open dialog's OK, without the dialog: which of the three
// named files to read, and reading them into the document part by part.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "files/puzzle_number_set.h"

namespace verstak {

inline constexpr int kMinPuzzleNumber = 1;

// What an OK reads: a grid file, a definitions file, both, or a scanword
// file, which then stands for the whole document whatever else is named.
enum class OpenChoice {
  None,
  GridOnly,
  DefinitionsOnly,
  GridAndDefinitions,
  ScanwordFile,
};

// The three name fields; an empty path is a field left empty.
struct OpenFileNames {
  std::filesystem::path grid;
  std::filesystem::path definitions;
  std::filesystem::path scanword;
};

struct OpenOutcome {
  OpenChoice choice = OpenChoice::None;
  std::vector<UserMessage> messages;  // in the order they are to be shown
  bool fileDone = false;              // at least one file was read
  bool wholeDocumentReplaced = false;  // grid and clue texts both came from files just read
};

// The puzzle number a text of the number field stands for: blanks at both
// ends dropped, empty for 1, a larger or smaller number the nearer of 1 and
// 10000. nullopt for anything but digits.
std::optional<int> PuzzleNumberFromText(std::string_view text);

// Works out the choice from the names that are given (a named file that does
// not exist is reported and left out) and reads the chosen files. Each file
// read replaces its own part of the document; a read that fails is reported
// and leaves that part as it was.
OpenOutcome OpenFiles(ScanwordDocument& document, const OpenFileNames& names, int puzzleNumber);

}  // namespace verstak
