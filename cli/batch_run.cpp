#include "cli/batch_run.h"

#include <exception>

#include "cli/document_json.h"
#include "cli/document_summary.h"
#include "cli/export_every_puzzle.h"
#include "cli/message_text.h"
#include "cli/usage_text.h"
#include "document/blanks.h"
#include "document/check_definitions.h"
#include "files/scanword_file.h"
#include "script/corel_script_writer.h"

namespace verstak::batch {
namespace {

int Fail(const std::vector<UserMessage>& messages, Streams streams) {
  for (const UserMessage& message : messages) streams.err << message.text << '\n';
  return kExitFailed;
}

// "-" and /dev/stdout are written straight to the standard output: a file
// renamed over /dev/stdout would replace the link, not write to the output.
bool IsStandardOutput(const std::filesystem::path& output) { return output == "-" || output == "/dev/stdout"; }

int WriteOut(const std::string& bytes, std::string_view failed, Streams streams) {
  streams.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  streams.out.flush();
  return streams.out ? kExitDone : Fail({UserMessage::Error(std::string(failed))}, streams);
}

int ExportOne(const Options& options, const ScanwordDocument& document, Streams streams) {
  const CorelScriptWriter writer(document, options.settings);
  if (IsStandardOutput(options.output))
    return WriteOut(writer.write(options.choice), kMacroWriteFailedMessage, streams);
  const Failure failure = writer.writeFile(options.output, options.choice);
  return failure ? Fail({*failure}, streams) : kExitDone;
}

int Save(const Options& options, const ScanwordDocument& document, Streams streams) {
  if (IsStandardOutput(options.output)) return WriteOut(ScanwordFileBytes(document), kWriteFailedMessage, streams);
  const Failure failure = WriteScanwordFile(options.output, document);
  return failure ? Fail({*failure}, streams) : kExitDone;
}

int Check(ScanwordDocument& document, Streams streams) {
  const CheckResult result = CheckDefinitions(document);
  streams.out << result.message.text << '\n';
  return result.outcome == CheckOutcome::AllRight ? kExitDone : kExitFailed;
}

int Info(const Options& options, const ScanwordDocument& document, Streams streams) {
  streams.out << (options.json ? DocumentJson(document) + "\n" : DocumentSummary(document));
  return kExitDone;
}

int Usage(const UsageError& error, Streams streams) {
  streams.err << "verstak-batch: " << TrimBlanks(error.problem) << "\n\n"
              << kUsageSynopsis << "\nСправка: verstak-batch --help\n";
  return kExitUsage;
}

}  // namespace

int RunCommand(const Options& options, Streams streams) {
  if (options.input.everyPuzzle) return ExportEveryPuzzle(options, streams);
  ScanwordDocument document;
  const OpenOutcome opened =
      OpenFiles(document, options.input.fileNames(), options.input.number, OpenMode::WholeOrNothing);
  if (!opened.messages.empty()) return Fail(opened.messages, streams);
  switch (options.command) {
    case Command::Export: return ExportOne(options, document, streams);
    case Command::Save: return Save(options, document, streams);
    case Command::Check: return Check(document, streams);
    case Command::Info: return Info(options, document, streams);
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
