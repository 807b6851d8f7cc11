#pragma once
// A puzzle opened as the open dialog opens it, without the dialog: the grid
// and definitions readers' results for one number, or a scanword file.

#include <optional>
#include <vector>

#include "cli/batch_options.h"
#include "document/scanword_document.h"
#include "document/user_message.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"

namespace verstak::batch {

// What the readers gave for one puzzle number; a file that was not named
// gives nothing.
struct PuzzleReads {
  std::optional<GridFileResult> grid;
  std::optional<DefinitionsFileResult> definitions;

  // The readers' messages, the grid's first. The open dialog shows them and
  // goes on with what was read; a batch run has nobody to read them, so any
  // of them makes the puzzle fail.
  std::vector<UserMessage> failures() const;

  // The document a run starts with (no grid, no clue texts), then the open
  // dialog's order: cells cleared, definitions cleared, the grid read, the
  // definitions read. A document used before ends up the same.
  void applyTo(ScanwordDocument& document) const;
};

// Puzzle `input.number` read from the named grid and definitions files.
PuzzleReads ReadPuzzle(const PuzzleInput& input);

// The document `input` names: the scanword file when one is named, else the
// puzzle. Empty when it was read; the messages otherwise.
std::vector<UserMessage> OpenDocument(const PuzzleInput& input, ScanwordDocument& document);

// The open dialog's check that each named file exists, with its messages.
std::vector<UserMessage> MissingFiles(const PuzzleInput& input);

}  // namespace verstak::batch
