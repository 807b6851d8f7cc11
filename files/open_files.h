#pragma once
// Opening a puzzle, for the open dialog and verstak-batch alike: which of the
// three named files to read, reading them, applying what was read and the
// messages to report.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "files/puzzle_number_set.h"

namespace verstak {

inline constexpr int kMinPuzzleNumber = 1;

// What an open reads: a grid file, a definitions file, both, or a scanword
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

enum class OpenMode {
  // The open dialog: each part read replaces its own part of the document; a
  // read that fails is reported and leaves its part as it was.
  PartByPart,
  // verstak-batch, which has nobody to read a message: any message fails the
  // whole open and leaves the document untouched; otherwise the document is
  // what was read and nothing else (no grid when only clue texts were read).
  WholeOrNothing,
};

struct OpenOutcome {
  OpenChoice choice = OpenChoice::None;
  std::vector<UserMessage> messages;  // in the order they are to be shown
  bool fileDone = false;              // at least one file was read and applied
  bool gridRead = false;              // the grid came from a file just read
  bool wholeDocumentReplaced = false;  // grid and clue texts both came from files just read
};

// What the grid and definitions readers gave for one puzzle number; a file
// that was not named gives nothing.
struct PuzzleReads {
  std::optional<GridFileResult> grid;
  std::optional<DefinitionsFileResult> definitions;

  // The readers' refusals, the grid's first.
  std::vector<UserMessage> failures() const;
  // The document then holds exactly what was read: cells and clue texts
  // cleared first, no grid size unless a grid was read.
  void applyTo(ScanwordDocument& document) const;
};

// The puzzle number a text of the number field stands for: blanks at both
// ends dropped, empty for 1, a larger or smaller number the nearer of 1 and
// 10000. nullopt for anything but digits.
std::optional<int> PuzzleNumberFromText(std::string_view text);

// The number field's text at OK: a number outside 1..10000 is refused with
// its message rather than taken as the nearer bound; an empty field is 1.
Failure CheckPuzzleNumberText(std::string_view text);

// What an open of these names reads: the named files that are there.
OpenChoice ChooseFiles(const OpenFileNames& names);

// One message for each named file that is not there to be read, in field order.
std::vector<UserMessage> MissingFiles(const OpenFileNames& names);

// Works out the choice from the names that are given (a named file that does
// not exist is reported and left out), reads the chosen files and applies
// them as `mode` says. Part by part, a puzzle not found is reported with the
// number looked for.
OpenOutcome OpenFiles(ScanwordDocument& document, const OpenFileNames& names, int puzzleNumber,
                      OpenMode mode = OpenMode::PartByPart);

}  // namespace verstak
