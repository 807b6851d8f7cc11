#pragma once
// The program's product: the CorelDRAW SCRIPT macro that draws the scanword.
// Header, declarations and parameters, the body (one layer, or pass by pass),
// the trailer with the Lear block, the subroutines the body called, the last
// line. cp1251, CR LF after every line.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "settings/print_settings.h"
#include "document/scanword_document.h"
#include "document/user_message.h"
#include "script/export_choice.h"

namespace verstak {

inline constexpr std::string_view kMacroWriteFailedMessage = " Не удалось записать файл макроса! ";

class CorelScriptWriter {
 public:
  // Only reads the document and the settings; both must outlive the writer.
  CorelScriptWriter(const ScanwordDocument& document, const PrintSettings& settings)
      : document_(document), settings_(settings) {}

  // The whole macro as cp1251 bytes. Each call is a fresh export.
  std::string write(const ExportChoice& choice) const;
  void write(const ExportChoice& choice, std::ostream& out) const;

  // Writes the macro to `path` through a temporary file renamed when
  // complete; kMacroWriteFailedMessage when that fails, and the file that was
  // there before is left as it was.
  Failure writeFile(const std::filesystem::path& path, const ExportChoice& choice) const;

 private:
  const ScanwordDocument& document_;
  const PrintSettings& settings_;
};

}  // namespace verstak
