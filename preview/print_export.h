#pragma once
// Writing the print output from the windows, through the writers
// verstak-batch uses, so that the same document and settings give the same
// bytes; and the choice of format in the export's save dialog.

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "print/print_writer.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "settings/print_settings.h"

namespace verstak {

enum class ExportFormat { Macro, Pdf, Svg };

// The export's save dialog offers the macro, PDF and SVG, in the windows'
// filter notation.
inline constexpr const char* kExportFilter = "Файлы  макросов: *.csc|*.csc|PDF: *.pdf|*.pdf|SVG: *.svg|*.svg";

// A name ending in .csc, .pdf or .svg (any case) is that format; any other
// name goes by the filter chosen (in Qt's notation), the macro by default.
ExportFormat ChosenExportFormat(const QString& fileName, const QString& chosenFilter);

// A print file written, with how many of its clues do not fit and what
// else keeps it from the press (see PressFaults).
struct PrintFileWritten {
  Failure failure;
  int notFitting = 0;
  std::vector<std::string> faults;
};

// Writes the PDF or SVG of the document with `font` already loaded; the
// file that was there stays as it was when anything fails. When `strict`,
// nothing is written while there is any fault: the failure lists them.
PrintFileWritten WritePrintFile(const ScanwordDocument& document, const PrintSettings& settings,
                                const TypesetSettings& typeset, const TypesetFont& font,
                                const std::filesystem::path& path, PrintFormat format, const ExportChoice& choice,
                                const QString& title, const PressSettings& press, bool strict = false);

// The press settings of the windows: the defaults, dated by
// SOURCE_DATE_EPOCH or by the modification time of the document's scanword
// file (so that its PDF is the one verstak-batch writes from it), else now.
PressSettings WindowPress(const QString& scanwordFile);

// "Выполнено!", with the lines verstak-batch writes to stderr for the same
// file under it: a warning for each fault, then "Не помещается
// определений: N" when some clues were set at the minimum size and still
// do not fit.
UserMessage PrintDoneMessage(const PrintFileWritten& written);

// A file name as the file system takes it.
std::filesystem::path LocalPath(const QString& name);

}  // namespace verstak
