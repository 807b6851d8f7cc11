#pragma once
// What export writes for one document, in the format of the options, through
// the table of outputs: the macro, or the PDF or the SVG with its clues
// typeset (or the answer key), whose clues that do not fit are counted.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_options.h"
#include "document/scanword_document.h"
#include "print/output_formats.h"
#include "print/typeset_font.h"

namespace verstak::batch {

class PuzzleOutput {
 public:
  // The font and the ICC profile are loaded only for the print formats; a
  // failure names the file.
  static std::optional<PuzzleOutput> Prepare(const Options& options, std::vector<UserMessage>& failures);

  OutputFormat format() const { return format_; }
  // The extension of the files of export --all.
  std::string_view extension() const { return OutputOf(format_).extension; }

  // `number` is the puzzle's: the print output's title and the answer
  // key's caption follow it (see PuzzleTitle). What refuses() is not written.
  // With --strict and a fault, the failure says the refusal and its causes
  // in one text.
  OutputMade write(const ScanwordDocument& document, const std::filesystem::path& path, int number) const;
  // The same file's bytes, made in memory.
  OutputMade make(const ScanwordDocument& document, int number) const;
  // --strict-fit and a clue that does not fit: nothing is written.
  bool refuses(const OutputMade& made) const { return options_->strictFit && made.notFitting > 0; }
  // The message of a file that could not be written.
  std::string_view writeFailedMessage() const { return OutputOf(format_).writeFailed; }

 private:
  PuzzleOutput(const Options& options, std::optional<TypesetFont> font, PressSettings press)
      : options_(&options), format_(options.outputFormat()), font_(std::move(font)), press_(std::move(press)) {}

  const Options* options_;
  OutputFormat format_;
  std::optional<TypesetFont> font_;
  PressSettings press_;  // with the profile's bytes and the date
};

// The settings of the options with the bytes of the profile they name and
// the date of the input files (or of SOURCE_DATE_EPOCH in the environment).
std::optional<PressSettings> PressOf(const Options& options, std::vector<UserMessage>& failures);

// "Сканворд N", or the name of the scanword file the puzzle came from.
std::string PuzzleTitle(const PuzzleInput& input, int number);

}  // namespace verstak::batch
