// The scanword reader from memory: a file it reads, written back from the
// document it gives, reads the same; a refused file leaves a document as it
// was; the same bytes from a source that fails before their end are refused
// with the read error, never read as a shorter file.

#include <string_view>

#include "files/scanword_file.h"
#include "fuzz_support.h"
#include "tests/failing_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace verstak;
  using verstak::fuzz::Check;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MemoryBytes source(bytes);
  const ScanwordFileResult result = ReadScanwordFile(source);

  // Made once: its clue table is large.
  static ScanwordDocument document;
  if (!result.found()) {
    document.gridWidth = 3;
    document.gridHeight = 2;
    document.cells.at(2, 2).kind = CellKind::Picture;
    document.definitions.slot(2).line(1).assign("kept");
    result.applyTo(document);
    Check(document.gridWidth == 3 && document.gridHeight == 2 && document.cells.at(2, 2).kind == CellKind::Picture &&
              document.definitions.slot(2).line(1).text() == "kept",
          "a refused file changed the document");
  } else {
    Check(result.width <= kMaxGridSide && result.height <= kMaxGridSide, "a side beyond 99");
    Check(result.cells.size() == std::size_t{result.width} * result.height, "cells and size disagree");
    Check(result.definitions.size() <= kDefinitionSlots, "more slots than the table holds");
    Check(result.letters.empty() || result.letters.size() == result.cells.size(), "letters and size disagree");
    result.applyTo(document);
    const std::string written = ScanwordFileBytes(document);
    MemoryBytes again(written);
    const ScanwordFileResult reread = ReadScanwordFile(again);
    Check(reread.found() && reread.width == result.width && reread.height == result.height &&
              reread.cells == result.cells && reread.definitions == result.definitions,
          "a file written back reads differently");
  }

  const std::size_t good = size == 0 ? 0 : data[0] % (size + 1);
  testing::FailingBytes failing(bytes, good);
  Check(ReadScanwordFile(failing).failure == UserMessage::Error(" Не удалось прочитать файл! "),
        "a read error taken for the end of the file");
  return 0;
}
