// The definitions reader for one puzzle number, reading from memory: it gives
// what the plain model of the format gives, whatever its block size; clues it
// found, written back as a definitions file, read the same; a refused read
// leaves a document as it was.

#include <string>

#include "files/definitions_file.h"
#include "fuzz_support.h"
#include "tests/puzzle_text_reference.h"

namespace verstak::fuzz {
namespace {

// A puzzle found without clues is written as a header and a line holding
// both marks, which is how a file says that.
std::string CluesText(const ClueTexts& clues, int number) {
  std::string text = "\xB9 " + std::to_string(number) + "\r\n";
  if (clues.empty()) return text + "*\xB9\r\n";
  for (int clue = 1; clue <= clues.size(); ++clue) {
    text += "* " + std::string(clues.line(clue, 1)) + "\r\n";
    for (int n = 2; n <= clues.lineCount(clue); ++n) text += std::string(clues.line(clue, n)) + "\r\n";
  }
  return text;
}

// The document is made once, since its clue table is large.
void ExpectUnchangedBy(const DefinitionsFileResult& refused) {
  static ScanwordDocument document;
  document.definitions.slot(3).line(2).assign("kept");
  refused.applyTo(document);
  Check(document.definitions.slot(3).line(2).text() == "kept" && document.definitions.slot(1).isEmpty(),
        "refused clues changed the document");
}

}  // namespace
}  // namespace verstak::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace verstak;
  using namespace verstak::fuzz;
  const Choices choices(data, size);
  const std::string text(choices.text());
  const std::vector<std::string> lines = reference::Lines(text);
  const int number = choices.wantedNumber(reference::HeaderNumbers(lines));

  MemoryBytes bytes(text);
  const DefinitionsFileResult result = ReadDefinitionsFile(bytes, number, choices.blockSize());
  const DefinitionsFileResult model = reference::ReadDefinitions(lines, number);
  Check(result.failure == model.failure, "the reader and the model disagree on the outcome");
  if (!result.found()) {
    ExpectUnchangedBy(result);
    return 0;
  }
  Check(result.clues == model.clues, "the reader and the model read different clues");
  Check(result.clues.size() <= kDefinitionSlots, "more clues than the table holds");
  const std::string written = CluesText(result.clues, number);
  MemoryBytes again(written);
  const DefinitionsFileResult reread = ReadDefinitionsFile(again, number, choices.blockSize());
  Check(reread.found() && reread.clues == result.clues, "clues written back read differently");
  return 0;
}
