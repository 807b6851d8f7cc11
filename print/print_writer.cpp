#include "print/print_writer.h"

#include "files/atomic_file.h"
#include "print/glyph_coverage.h"

namespace verstak {

PrintMade PrintWriter::make(PrintFormat format, const ExportChoice& choice, std::string_view title) const {
  const Drawing made = drawing(choice);
  PrintMade result{{}, std::nullopt, MakeFitReport(made)};
  if (format == PrintFormat::Pdf) {
    PrintBytes pdf = PdfBytes(made, font_, title, press_);
    result.bytes = std::move(pdf.bytes);
    result.failure = std::move(pdf.failure);
  } else if (Failure missing = MissingGlyph(made, font_)) {
    result.failure = std::move(missing);
  } else {
    result.bytes = SvgBytes(made, font_, title);
  }
  return result;
}

PrintWritten PrintWriter::writeFile(const std::filesystem::path& path, PrintFormat format, const ExportChoice& choice,
                                    std::string_view title) const {
  PrintMade made = make(format, choice, title);
  PrintWritten written{std::move(made.failure), std::move(made.fit)};
  if (written.failure) return written;
  if (const WriteOutcome file = WriteFileAtomically(path, made.bytes); !file) {
    written.failure = WriteFailedMessage(kPrintWriteFailedMessage, path, *file.failure);
  }
  return written;
}

}  // namespace verstak
