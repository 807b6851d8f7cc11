#include "cli/puzzle_output.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "document/print_title.h"
#include "print/answer_key.h"
#include "print/output_condition.h"
#include "print/press_date.h"

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
  if (!OutputOf(options.outputFormat()).setsClues) return PuzzleOutput(options, std::nullopt, {});
  FontOutcome font = LoadTypesetFont(options.typeset.font);
  if (font.failure) {
    failures.push_back(std::move(*font.failure));
    return std::nullopt;
  }
  std::optional<PressSettings> press = PressOf(options, failures);
  if (!press) return std::nullopt;
  return PuzzleOutput(options, std::move(font.font), std::move(*press));
}

OutputMade PuzzleOutput::make(const ScanwordDocument& document, int number) const {
  const Options& options = *options_;
  const std::string title = PuzzleTitle(options.input, number);
  const std::string caption = AnswerCaption(options.input.scanword.value_or(std::filesystem::path{}), number);
  const OutputContent content = options.answers       ? OutputContent::AnswerKey
                                : options.withAnswers ? OutputContent::PuzzleWithAnswers
                                                      : OutputContent::Puzzle;
  const OutputJob job{.document = document,
                      .settings = options.settings,
                      .choice = options.choice,
                      .typeset = options.typeset,
                      .font = font_ ? &*font_ : nullptr,
                      .press = press_,
                      .title = title,
                      .caption = caption,
                      .answerCell = options.answerCell,
                      .content = content,
                      .strict = options.strict};
  OutputMade made = MakeOutput(format_, job);
  if (made.refused) made.failure = UserMessage::Error(made.failure->text + "\n" + made.failure->details);
  return made;
}

OutputMade PuzzleOutput::write(const ScanwordDocument& document, const std::filesystem::path& path,
                               int number) const {
  OutputMade written = make(document, number);
  if (!written.failure && !refuses(written)) written.failure = WriteOutput(format_, path, written);
  written.bytes.clear();
  return written;
}

std::string PuzzleTitle(const PuzzleInput& input, int number) {
  return PrintTitle(input.scanword.value_or(std::filesystem::path{}), number);
}

}  // namespace verstak::batch
