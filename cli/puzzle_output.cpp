#include "cli/puzzle_output.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "document/print_title.h"
#include "files/atomic_file.h"
#include "print/answer_key.h"
#include "print/output_condition.h"
#include "print/press_check.h"
#include "print/press_date.h"
#include "print/print_writer.h"
#include "script/corel_script_writer.h"

namespace verstak::batch {

std::optional<PressSettings> PressOf(const Options& options, std::vector<UserMessage>& failures) {
  PressSettings press = options.press;
  if (options.iccFile) {
    std::ifstream file(*options.iccFile, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (!file || file.bad()) {
      failures.push_back(UserMessage::Error("Не удалось прочитать профиль ICC " + options.iccFile->string()));
      return std::nullopt;
    }
    press.iccProfile = std::move(bytes).str();
    if (Failure fault = CheckOutputProfile(press.iccProfile, *options.iccFile)) {
      failures.push_back(std::move(*fault));
      return std::nullopt;
    }
  }
  std::vector<std::filesystem::path> inputs;
  for (const auto& file : {options.input.grid, options.input.definitions, options.input.scanword}) {
    if (file) inputs.push_back(*file);
  }
  inputs.insert(inputs.end(), options.bookFiles.begin(), options.bookFiles.end());
  press.date = PressDate(std::getenv("SOURCE_DATE_EPOCH"), inputs).value_or(0);
  return press;
}

std::optional<PuzzleOutput> PuzzleOutput::Prepare(const Options& options, std::vector<UserMessage>& failures) {
  if (options.outputFormat() == OutputFormat::Csc) return PuzzleOutput(options, std::nullopt, {});
  FontOutcome font = LoadTypesetFont(options.typeset.font);
  if (font.failure) {
    failures.push_back(std::move(*font.failure));
    return std::nullopt;
  }
  std::optional<PressSettings> press = PressOf(options, failures);
  if (!press) return std::nullopt;
  return PuzzleOutput(options, std::move(font.font), std::move(*press));
}

std::string_view PuzzleOutput::extension() const {
  switch (format_) {
    case OutputFormat::Pdf: return "pdf";
    case OutputFormat::Svg: return "svg";
    case OutputFormat::Csc: break;
  }
  return "csc";
}

PuzzleWritten PuzzleOutput::make(const ScanwordDocument& document, int number) const {
  const Options& options = *options_;
  if (format_ == OutputFormat::Csc) {
    return {std::nullopt, 0, CorelScriptWriter(document, options.settings).write(options.choice), {}, false};
  }
  const std::string title = PuzzleTitle(options.input, number);
  const std::string caption = AnswerCaption(options.input.scanword.value_or(std::filesystem::path{}), number);
  const AnswerKeyJob key{document, options.settings, options.typeset, *font_, options.answerCell, caption};
  if (options.answers) {
    // The key sets no clue: nothing of the puzzle's readiness applies.
    PrintBytes made = format_ == OutputFormat::Pdf ? AnswerKeyPdf(key, press_) : AnswerKeySvg(key);
    return {std::move(made.failure), 0, std::move(made.bytes), {}, false};
  }
  const PrintWriter writer(document, options.settings, options.typeset, *font_, press_);
  PrintMade made = writer.make(format_ == OutputFormat::Pdf ? PrintFormat::Pdf : PrintFormat::Svg, options.choice, title);
  if (options.withAnswers && !made.failure) {
    PrintBytes both = PuzzleWithAnswersPdf(writer.drawing(options.choice), title, key, press_);
    made.bytes = std::move(both.bytes);
    made.failure = std::move(both.failure);
  }
  // The layered layouts may leave the texts out; the check takes every clue.
  const FitReport& fit = options.choice.layerMode == LayerMode::OneLayer ? made.fit : writer.fitReport();
  PuzzleWritten written{std::move(made.failure), made.fit.overflowing(), std::move(made.bytes),
                        PressFaults(document, fit)};
  if (options.strict && !written.failure && !written.faults.empty()) {
    const UserMessage refusal = StrictRefusal(written.faults);
    written.failure = UserMessage::Error(refusal.text + "\n" + refusal.details);
    written.refused = true;
    written.bytes.clear();
  }
  return written;
}

std::string_view PuzzleOutput::writeFailedMessage() const {
  return format_ == OutputFormat::Csc ? kMacroWriteFailedMessage : kPrintWriteFailedMessage;
}

PuzzleWritten PuzzleOutput::write(const ScanwordDocument& document, const std::filesystem::path& path,
                                  int number) const {
  PuzzleWritten written = make(document, number);
  if (!written.failure && !refuses(written)) {
    if (const WriteOutcome file = WriteFileAtomically(path, written.bytes); !file) {
      written.failure = WriteFailedMessage(writeFailedMessage(), path, *file.failure);
    }
  }
  written.bytes.clear();
  return written;
}

std::string PuzzleTitle(const PuzzleInput& input, int number) {
  return PrintTitle(input.scanword.value_or(std::filesystem::path{}), number);
}

std::string NotFittingLine(int notFitting) {
  return notFitting > 0 ? "Не помещается определений: " + std::to_string(notFitting) : std::string{};
}

}  // namespace verstak::batch
