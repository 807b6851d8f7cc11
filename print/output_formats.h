#pragma once
// The formats a document is written in, one row each: what the save dialogs,
// the preview and verstak-batch know of a format (its extension, the save
// dialog's filter, the first line of a failed write, whether it sets the
// clues and can hold the answer key) and its writer. Every front end reads
// this table; none names a format's properties itself.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "print/press_settings.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "settings/print_settings.h"

namespace verstak {

enum class OutputFormat { Macro, Pdf, Svg };

// What a print file holds.
enum class OutputContent {
  Puzzle,
  AnswerKey,          // the key alone
  PuzzleWithAnswers,  // the key as the puzzle's second page: formats with pages only
};

// Everything a writer may need; the references must outlive the call.
struct OutputJob {
  const ScanwordDocument& document;
  const PrintSettings& settings;
  const ExportChoice& choice;
  const TypesetSettings& typeset;
  const TypesetFont* font = nullptr;  // the clue font: only the formats that set clues read it
  const PressSettings& press;
  std::string_view title{};    // UTF-8, see PrintTitle
  std::string_view caption{};  // UTF-8, the answer key's, see AnswerCaption
  double answerCell = 0;     // mm
  OutputContent content = OutputContent::Puzzle;
  // Nothing is made while anything keeps the file from the press.
  bool strict = false;
};

struct OutputMade {
  std::string bytes{};
  Failure failure{};
  int notFitting = 0;  // clues set at the minimum size and still too large
  // What keeps the file from the press (see PressFaults): warnings, or when
  // `refused` the causes of the strict refusal that `failure` says.
  std::vector<std::string> faults{};
  bool refused = false;
};

struct OutputKind {
  OutputFormat format;
  std::string_view extension;    // without the dot; also --format's word
  std::string_view filter;       // the save dialog's entry, description and pattern joined by "|"
  std::string_view writeFailed;  // a failed write's first line
  bool setsClues;                // needs the clue font; clues may not fit
  bool answerKey;                // can hold the answer key
  bool pages;                    // can hold more than one page
  OutputMade (*make)(const OutputJob& job);
};

// Every row, the macro first.
std::span<const OutputKind> OutputKinds();
const OutputKind& OutputOf(OutputFormat format);

// The format a name's extension (any case) says, if any.
std::optional<OutputFormat> FormatOfFileName(const std::filesystem::path& name);
// `extension` without the dot, any case.
std::optional<OutputFormat> FormatOfExtension(std::string_view extension);
// "csc, pdf или svg": the words --format takes.
std::string FormatWords();
// The save dialog's filter offering `formats`, in the table's notation.
std::string OutputFilter(std::span<const OutputFormat> formats);

// The job made in its format. With `strict` and a fault, nothing is made:
// the failure is the refusal with its causes.
OutputMade MakeOutput(OutputFormat format, const OutputJob& job);
// The bytes made written to `path` through a temporary file renamed when
// complete; the file that was there stays as it was when that fails.
Failure WriteOutput(OutputFormat format, const std::filesystem::path& path, const OutputMade& made);

// "Не помещается определений: N", or nothing when all fit.
std::string NotFittingLine(int notFitting);

}  // namespace verstak
