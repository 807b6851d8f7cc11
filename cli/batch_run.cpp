#include "cli/batch_run.h"

#include <cerrno>
#include <exception>

#include "cli/book_run.h"
#include "cli/document_json.h"
#include "cli/document_summary.h"
#include "cli/export_every_puzzle.h"
#include "cli/fit_json.h"
#include "cli/markup_run.h"
#include "cli/message_text.h"
#include "cli/puzzle_output.h"
#include "cli/usage_text.h"
#include "cli/words_json.h"
#include "document/blanks.h"
#include "document/check_definitions.h"
#include "document/check_markup.h"
#include "files/scanword_file.h"
#include "files/write_failure.h"
#include "print/fit_report.h"
#include "print/press_check.h"
#include "print/rebreak_clues.h"

namespace verstak::batch {
namespace {

int Fail(const std::vector<UserMessage>& messages, Streams streams) {
  for (const UserMessage& message : messages) streams.err << message.text << '\n';
  return kExitFailed;
}

// "-" and /dev/stdout are written straight to the standard output: a file
// renamed over /dev/stdout would replace the link, not write to the output.
bool IsStandardOutput(const std::filesystem::path& output) { return output == "-" || output == "/dev/stdout"; }

// The stream keeps no cause of its own: the errno of its last write stands for it.
int WriteOut(const std::string& bytes, std::string_view failed, const std::filesystem::path& output,
             Streams streams) {
  errno = 0;
  streams.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  streams.out.flush();
  if (streams.out) return kExitDone;
  return Fail({WriteFailedMessage(failed, output, WriteFailure::FromErrno(errno != 0 ? errno : EIO))}, streams);
}

// A print file whose clues do not all fit is written and the count reported;
// with --strict-fit the export fails and nothing is written. What else keeps
// it from the press is a warning, or with --strict the reason nothing is written.
int ExportOne(const Options& options, const PuzzleOutput& output, const ScanwordDocument& document,
              Streams streams) {
  const int number = options.input.number;
  const bool toOutput = IsStandardOutput(options.output);
  const OutputMade written =
      toOutput ? output.make(document, number) : output.write(document, options.output, number);
  if (written.failure) return Fail({*written.failure}, streams);
  if (toOutput && !output.refuses(written) &&
      WriteOut(written.bytes, output.writeFailedMessage(), options.output, streams) != kExitDone) {
    return kExitFailed;
  }
  for (const std::string& fault : written.faults) streams.err << WarningLine(fault) << '\n';
  if (written.notFitting == 0) return kExitDone;
  streams.err << NotFittingLine(written.notFitting) << '\n';
  return options.strictFit ? kExitFailed : kExitDone;
}

int Save(const Options& options, const ScanwordDocument& document, Streams streams) {
  if (IsStandardOutput(options.output)) return WriteOut(ScanwordFileBytes(document), kWriteFailedMessage, options.output, streams);
  const Failure failure = WriteScanwordFile(options.output, document);
  return failure ? Fail({*failure}, streams) : kExitDone;
}

// The font of the typesetting options; the failure names it.
std::optional<TypesetFont> FontOf(const Options& options, Streams streams) {
  FontOutcome font = LoadTypesetFont(options.typeset.font);
  if (font.failure) Fail({*font.failure}, streams);
  return std::move(font.font);
}

// One line for each clue that does not fit or has no text, then the sizes.
void WriteFit(const FitReport& fit, Streams streams) {
  for (const ClueFit& clue : fit.clues) streams.out << FitReportLine(clue) << '\n';
  if (fit.empty()) streams.out << "Все определения помещаются.\n";
  streams.out << FitSizesLine(fit) << '\n';
}

// With --fit the clues are set as the print output sets them.
int Check(const Options& options, ScanwordDocument& document, Streams streams) {
  FitReport fit;
  if (options.fit) {
    const std::optional<TypesetFont> font = FontOf(options, streams);
    if (!font) return kExitFailed;
    fit = MakeFitReport(document, options.settings, options.typeset, *font);
  }
  const CheckResult result = CheckDefinitions(document);
  const std::vector<MarkupFault> faults = CheckMarkup(document);
  streams.out << result.message.text << '\n';
  for (const MarkupFault& fault : faults) streams.out << fault.text << '\n';
  if (options.fit) WriteFit(fit, streams);
  return result.outcome == CheckOutcome::AllRight && faults.empty() && fit.empty() ? kExitDone : kExitFailed;
}

// The clue font is looked for only with --fit: finding it through fontconfig
// costs more than reading the puzzle.
int Info(const Options& options, const ScanwordDocument& document, Streams streams) {
  std::optional<TypesetFont> font;
  if (options.fit && !(font = FontOf(options, streams))) return kExitFailed;
  if (!options.json) {
    streams.out << DocumentSummary(document);
    if (font) WriteFit(MakeFitReport(document, options.settings, options.typeset, *font), streams);
    return kExitDone;
  }
  std::string json = WithWords(DocumentJson(document), document);
  if (font) json = WithFit(std::move(json), AllClueFits(document, options.settings, options.typeset, *font));
  streams.out << json << '\n';
  return kExitDone;
}

// The clues' lines as the print output sets them, stored, and the document
// written as save writes it; a clue whose lines cannot be stored is said and left.
int Rebreak(const Options& options, ScanwordDocument& document, Streams streams) {
  const std::optional<TypesetFont> font = FontOf(options, streams);
  if (!font) return kExitFailed;
  const CluesRebroken rebroken = RebreakClues(document, options.settings, options.typeset, *font);
  for (const std::string& refused : rebroken.refused) streams.err << refused << '\n';
  ApplyRebroken(document, rebroken);
  if (Save(options, document, streams) != kExitDone) return kExitFailed;
  if (!IsStandardOutput(options.output)) {
    streams.out << "Перенесено определений: " << rebroken.changed.size() << '\n';
  }
  if (!rebroken.refused.empty()) streams.err << "Не перенесено определений: " << rebroken.refused.size() << '\n';
  return kExitDone;
}

int Usage(const UsageError& error, Streams streams) {
  streams.err << "verstak-batch: " << TrimBlanks(error.problem) << "\n\n"
              << kUsageSynopsis << "\nСправка: verstak-batch --help\n";
  return kExitUsage;
}

}  // namespace

int RunCommand(const Options& options, Streams streams) {
  if (options.command == Command::Book) return RunBook(options, streams);
  if (options.command == Command::Markup) return RunMarkup(options, streams);
  if (options.input.everyPuzzle) return ExportEveryPuzzle(options, streams);
  // The font first: a missing one writes nothing.
  std::optional<PuzzleOutput> output;
  if (options.command == Command::Export) {
    std::vector<UserMessage> failures;
    output = PuzzleOutput::Prepare(options, failures);
    if (!output) return Fail(failures, streams);
  }
  ScanwordDocument document;
  const OpenOutcome opened =
      OpenFiles(document, options.input.fileNames(), options.input.number, OpenMode::WholeOrNothing);
  if (!opened.messages.empty()) return Fail(opened.messages, streams);
  switch (options.command) {
    case Command::Export: return ExportOne(options, *output, document, streams);
    case Command::Save: return Save(options, document, streams);
    case Command::Check: return Check(options, document, streams);
    case Command::Info: return Info(options, document, streams);
    case Command::Book: break;
    case Command::Rebreak: return Rebreak(options, document, streams);
    case Command::Markup: break;
  }
  return kExitFailed;
}

int RunBatch(const std::vector<std::string>& arguments, Streams streams) {
  const ParsedArguments parsed = ParseArguments(arguments);
  if (std::holds_alternative<HelpRequest>(parsed)) {
    streams.out << HelpText();
    return kExitDone;
  }
  if (const auto* error = std::get_if<UsageError>(&parsed)) return Usage(*error, streams);
  try {
    return RunCommand(std::get<Options>(parsed), streams);
  } catch (const std::exception& error) {
    streams.err << "Внутренняя ошибка: " << error.what() << '\n';
    return kExitFailed;
  }
}

}  // namespace verstak::batch
