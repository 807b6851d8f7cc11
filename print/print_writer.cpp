#include "print/print_writer.h"

#include "files/atomic_file.h"

namespace verstak {

PrintWritten PrintWriter::writeFile(const std::filesystem::path& path, PrintFormat format, const ExportChoice& choice,
                                    std::string_view title) const {
  const Drawing made = drawing(choice);
  PrintWritten written{std::nullopt, MakeFitReport(made)};
  PrintBytes bytes;
  if (format == PrintFormat::Pdf) {
    bytes = PdfBytes(made, font_, title);
  } else {
    bytes.bytes = SvgBytes(made, font_, title);
  }
  if (bytes.failure) {
    written.failure = std::move(bytes.failure);
  } else if (!WriteFileAtomically(path, bytes.bytes)) {
    written.failure = UserMessage::Error(std::string(kPrintWriteFailedMessage));
  }
  return written;
}

}  // namespace verstak
