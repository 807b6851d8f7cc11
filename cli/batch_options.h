#pragma once
// The command line of verstak-batch: the command, the files a puzzle comes
// from, and the values of the export and settings dialogs.

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "files/open_files.h"
#include "files/puzzle_number_set.h"
#include "print/answer_key.h"
#include "print/output_formats.h"
#include "print/press_settings.h"
#include "print/typeset_settings.h"
#include "settings/print_settings.h"
#include "script/export_choice.h"

namespace verstak::batch {

enum class Command { Export, Save, Check, Info, Book, Rebreak, Markup };

// Where the document comes from, as the open dialog chooses: puzzle `number`
// from a grid file and/or a definitions file, or a scanword file, which wins
// over the other two.
struct PuzzleInput {
  std::optional<std::filesystem::path> grid;
  std::optional<std::filesystem::path> definitions;
  std::optional<std::filesystem::path> scanword;
  int number = 1;
  bool everyPuzzle = false;  // export and markup --all: every number with a header in the grid file

  // The names as the open dialog's fields would hold them: a scanword file
  // stands alone.
  OpenFileNames fileNames() const {
    if (scanword) return {{}, {}, *scanword};
    return {grid.value_or(std::filesystem::path{}), definitions.value_or(std::filesystem::path{}), {}};
  }
};

struct Options {
  Command command = Command::Export;
  PuzzleInput input;
  std::filesystem::path output;  // -o: a file, or for --all a folder
  bool json = false;
  ExportChoice choice;
  PrintSettings settings;
  std::optional<OutputFormat> format;  // --format; otherwise by the extension of -o
  TypesetSettings typeset;
  // The PDF's page and printing condition; the profile's bytes and the date
  // are filled in when the export starts.
  PressSettings press;
  std::optional<std::filesystem::path> iccFile;  // --icc
  bool fit = false;        // check --fit
  bool strictFit = false;  // export --strict-fit: clues that do not fit fail the export, nothing written
  bool strict = false;     // export --strict: a PDF or SVG with any fault is not written
  bool answers = false;      // export --answers: the answer key instead of the puzzle
  bool withAnswers = false;  // export --with-answers: the answer key as the PDF's second page
  // book: the scanword files named after the command, or the numbers of
  // the grid file (--numbers; every one with --all); puzzles to a page; the
  // issue's name (--title).
  std::vector<std::filesystem::path> bookFiles;
  std::optional<PuzzleNumberSet> numbers;
  std::vector<int> numberOrder;  // the pages' order: --numbers as written
  int perPage = 1;
  std::string bookTitle;
  bool markup = false;  // book --markup: each puzzle marked up automatically first
  double answerCell = kDefaultAnswerCell;  // --answer-cell: the key's cell in mm

  // --format, else for one file the extension of -o, else the macro.
  OutputFormat outputFormat() const;
};

struct HelpRequest {};

struct UsageError {
  std::string problem;  // one line, Russian
};

using ParsedArguments = std::variant<Options, HelpRequest, UsageError>;

// `arguments` without the program name. Options may come in any order, as
// "--name value" or "--name=value"; the one bare word is the command.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

}  // namespace verstak::batch
