#pragma once
// Writing the outputs from the windows through the table of outputs
// verstak-batch uses, so that the same document and settings give the same
// bytes; and the choice of format in the export's save dialog.

#include <QString>
#include <filesystem>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "print/answer_key.h"
#include "print/output_formats.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "settings/print_settings.h"

namespace verstak {

// The save dialog's filter offering `formats`, in the windows' notation;
// the export's offers every one.
QString SaveFilter(std::span<const OutputFormat> formats);
QString ExportFilter();

// A name whose extension (any case) is a format's is that format; any
// other name goes by the filter chosen (in Qt's notation), the macro by
// default.
OutputFormat ChosenExportFormat(const QString& fileName, const QString& chosenFilter);

// What the windows write, beside the document and its settings.
struct WindowOutput {
  TypesetSettings typeset{};
  const TypesetFont* font = nullptr;  // loaded already for the formats that set clues
  ExportChoice choice{};
  QString title{};    // see PrintTitle
  QString caption{};  // see AnswerCaption
  PressSettings press{};
  OutputContent content = OutputContent::Puzzle;
  double answerCell = kDefaultAnswerCell;  // mm
  // Nothing is written while there is any fault: the failure lists them.
  bool strict = false;
};

// Writes the output in `format`; the file that was there stays as it was
// when anything fails.
OutputMade WriteWindowOutput(const ScanwordDocument& document, const PrintSettings& settings,
                             const WindowOutput& output, OutputFormat format, const std::filesystem::path& path);

// The press settings of the windows: the defaults, dated by
// SOURCE_DATE_EPOCH or by the modification time of the document's scanword
// file (so that its PDF is the one verstak-batch writes from it), else now.
PressSettings WindowPress(const QString& scanwordFile);

// "Выполнено!", with the lines verstak-batch writes to stderr for the same
// file under it: a warning for each fault, then the line of the clues that
// do not fit (see NotFittingLine).
UserMessage PrintDoneMessage(const OutputMade& written);

// A file name as the file system takes it.
std::filesystem::path LocalPath(const QString& name);

}  // namespace verstak
