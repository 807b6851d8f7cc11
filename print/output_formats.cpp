#include "print/output_formats.h"

#include <algorithm>
#include <cctype>

#include "files/atomic_file.h"
#include "print/answer_key.h"
#include "print/fit_report.h"
#include "print/glyph_coverage.h"
#include "print/press_check.h"
#include "print/print_writer.h"
#include "script/corel_script_writer.h"

namespace verstak {
namespace {

OutputMade MakeMacro(const OutputJob& job) {
  OutputMade made;
  made.bytes = CorelScriptWriter(job.document, job.settings).write(job.choice);
  return made;
}

AnswerKeyJob KeyOf(const OutputJob& job) {
  return {job.document, job.settings, job.typeset, *job.font, job.answerCell, job.caption};
}

// The key sets no clue: nothing of the puzzle's readiness applies to it.
OutputMade KeyMade(PrintBytes made) {
  OutputMade result;
  result.bytes = std::move(made.bytes);
  result.failure = std::move(made.failure);
  return result;
}

// The fit of a puzzle's clues and what keeps it from the press; with
// `strict` and any such fault nothing is made.
OutputMade Judged(const OutputJob& job, const PrintWriter& writer, const Drawing& drawing, PrintBytes made) {
  OutputMade result = KeyMade(std::move(made));
  if (result.failure) return result;
  const FitReport fit = MakeFitReport(drawing);
  result.notFitting = fit.overflowing();
  // The layered layouts may leave the texts out; the check takes every clue.
  result.faults = PressFaults(job.document, job.choice.layerMode == LayerMode::OneLayer ? fit : writer.fitReport());
  if (job.strict && !result.faults.empty()) {
    result.failure = StrictRefusal(result.faults);
    result.refused = true;
    result.bytes.clear();
  }
  return result;
}


OutputMade MakePdf(const OutputJob& job) {
  if (job.content == OutputContent::AnswerKey) return KeyMade(AnswerKeyPdf(KeyOf(job), job.press));
  const PrintWriter writer(job.document, job.settings, job.typeset, *job.font, job.press);
  const Drawing drawing = writer.drawing(job.choice);
  PrintBytes made = job.content == OutputContent::PuzzleWithAnswers
                        ? PuzzleWithAnswersPdf(drawing, job.title, KeyOf(job), job.press)
                        : PdfBytes(drawing, *job.font, job.title, job.press);
  return Judged(job, writer, drawing, std::move(made));
}

OutputMade MakeSvg(const OutputJob& job) {
  if (job.content == OutputContent::AnswerKey) return KeyMade(AnswerKeySvg(KeyOf(job)));
  const PrintWriter writer(job.document, job.settings, job.typeset, *job.font, job.press);
  const Drawing drawing = writer.drawing(job.choice);
  PrintBytes made;
  if (Failure missing = MissingGlyph(drawing, *job.font)) {
    made.failure = std::move(missing);
  } else {
    made.bytes = SvgBytes(drawing, *job.font, job.title);
  }
  return Judged(job, writer, drawing, std::move(made));
}

constexpr OutputKind kOutputKinds[] = {
    {OutputFormat::Macro, "csc", "Файлы  макросов: *.csc|*.csc", kMacroWriteFailedMessage, false, false, false,
     &MakeMacro},
    {OutputFormat::Pdf, "pdf", "PDF: *.pdf|*.pdf", kPrintWriteFailedMessage, true, true, true, &MakePdf},
    {OutputFormat::Svg, "svg", "SVG: *.svg|*.svg", kPrintWriteFailedMessage, true, true, false, &MakeSvg},
};

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::span<const OutputKind> OutputKinds() { return kOutputKinds; }

const OutputKind& OutputOf(OutputFormat format) {
  return *std::ranges::find(kOutputKinds, format, &OutputKind::format);
}

std::optional<OutputFormat> FormatOfExtension(std::string_view extension) {
  for (const OutputKind& kind : kOutputKinds) {
    if (SameLetters(kind.extension, extension)) return kind.format;
  }
  return std::nullopt;
}

std::optional<OutputFormat> FormatOfFileName(const std::filesystem::path& name) {
  const std::string extension = name.extension().string();
  if (extension.size() < 2) return std::nullopt;
  return FormatOfExtension(std::string_view(extension).substr(1));
}

std::string FormatWords() {
  std::string words;
  for (std::size_t i = 0; i < std::size(kOutputKinds); ++i) {
    if (i > 0) words += i + 1 == std::size(kOutputKinds) ? " или " : ", ";
    words += kOutputKinds[i].extension;
  }
  return words;
}

std::string OutputFilter(std::span<const OutputFormat> formats) {
  std::string filter;
  for (const OutputFormat format : formats) {
    if (!filter.empty()) filter += '|';
    filter += OutputOf(format).filter;
  }
  return filter;
}

OutputMade MakeOutput(OutputFormat format, const OutputJob& job) { return OutputOf(format).make(job); }

Failure WriteOutput(OutputFormat format, const std::filesystem::path& path, const OutputMade& made) {
  if (const WriteOutcome file = WriteFileAtomically(path, made.bytes); !file) {
    return WriteFailedMessage(OutputOf(format).writeFailed, path, *file.failure);
  }
  return std::nullopt;
}

std::string NotFittingLine(int notFitting) {
  return notFitting > 0 ? "Не помещается определений: " + std::to_string(notFitting) : std::string{};
}

}  // namespace verstak
