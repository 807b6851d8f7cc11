#pragma once
// The print output of a document: its drawing, the PDF or the SVG of it as
// bytes, and the fit report of its clues. The table of outputs (see
// OutputKinds) writes the files.

#include <string>
#include <string_view>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "print/fit_report.h"
#include "print/pdf_writer.h"
#include "print/press_settings.h"
#include "print/print_drawing.h"
#include "print/svg_writer.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "settings/print_settings.h"

namespace verstak {

inline constexpr std::string_view kPrintWriteFailedMessage = " Не удалось записать файл! ";

class PrintWriter {
 public:
  // Only reads the document, which must outlive the writer; the settings and
  // the font are copied.
  PrintWriter(const ScanwordDocument& document, PrintSettings settings, TypesetSettings typeset, TypesetFont font,
              PressSettings press = {})
      : document_(document),
        settings_(std::move(settings)),
        typeset_(std::move(typeset)),
        font_(std::move(font)),
        press_(std::move(press)) {}

  Drawing drawing(const ExportChoice& choice) const {
    return PrintDrawing(document_, settings_, typeset_, font_, choice);
  }

  // `title` is UTF-8: "Сканворд N" or the file's name.
  PrintBytes pdf(const ExportChoice& choice, std::string_view title) const {
    return PdfBytes(drawing(choice), font_, title, press_);
  }
  std::string svg(const ExportChoice& choice, std::string_view title) const {
    return SvgBytes(drawing(choice), font_, title);
  }

  // Every clue of the document, whatever the layout; nothing is written.
  FitReport fitReport() const { return MakeFitReport(document_, settings_, typeset_, font_); }

 private:
  const ScanwordDocument& document_;
  PrintSettings settings_;
  TypesetSettings typeset_;
  TypesetFont font_;
  PressSettings press_;
};

}  // namespace verstak
