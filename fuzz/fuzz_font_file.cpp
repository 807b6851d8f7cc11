// Font loading: any bytes as the clue font's file. The checks of its tables
// decide whether libhpdf sees the file at all; a font they refuse never
// loads; one they pass loads or is refused by libhpdf, and a PDF that embeds
// it with every printable cp1251 byte is written, all without a fault.
// Seeds: the TrueType fonts Debian installs (fuzz/run_ci.sh); the changes
// go mostly where libhpdf reads.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz_support.h"
#include "print/pdf_writer.h"
#include "print/printable_text.h"
#include "print/truetype_file.h"
#include "print/typeset_font.h"

namespace {

// libhpdf reads fonts from a file only: one per process, written for each
// input and removed after it.
class ScratchFont {
 public:
  ScratchFont(const std::uint8_t* data, std::size_t size)
      : path_(std::filesystem::temp_directory_path() / ("verstak-fuzz-font-" + std::to_string(::getpid()) + ".ttf")) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    verstak::fuzz::Check(static_cast<bool>(out.flush()), "the scratch font could not be written");
  }
  ScratchFont(const ScratchFont&) = delete;
  ScratchFont& operator=(const ScratchFont&) = delete;
  ~ScratchFont() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

verstak::Drawing EveryByteSet() {
  std::string bytes;
  for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  verstak::TextBlock block;
  block.box = {1, 1, 99, 19};
  block.size = 7;
  block.lineHeight = 3;
  block.lines.push_back({verstak::PrintableText(bytes), 1, {1, 5}, 90});
  verstak::Drawing drawing;
  drawing.pageWidth = 100;
  drawing.pageHeight = 20;
  drawing.lineWidth = 0.2;
  drawing.shapes.push_back({1, 1, verstak::LayerPass::AllSquares, verstak::kBlack, block});
  return drawing;
}

struct Region {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// The table directory and the tables libhpdf reads, as far as they lie in the input.
std::vector<Region> ReadRegions(const std::uint8_t* data, std::size_t size) {
  const auto u16 = [data](std::size_t at) { return std::size_t{data[at]} << 8 | data[at + 1]; };
  const auto u32 = [&u16](std::size_t at) { return u16(at) << 16 | u16(at + 2); };
  if (size < 12) return {};
  const std::size_t tables = std::min(u16(4), (size - 12) / 16);
  std::vector<Region> regions = {{0, 12 + 16 * tables}};
  static const std::set<std::string> kRead = {"head", "hhea", "maxp", "hmtx", "loca", "cmap", "name", "OS/2", "post"};
  for (std::size_t i = 0; i < tables; ++i) {
    const std::size_t record = 12 + 16 * i, offset = u32(record + 8), length = u32(record + 12);
    if (!kRead.contains(std::string(reinterpret_cast<const char*>(data + record), 4))) continue;
    if (offset < size && length > 0) regions.push_back({offset, std::min(length, size - offset)});
  }
  return regions;
}

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

// Mostly a few bytes inside one of the tables libhpdf reads, where a change
// matters: the glyph outlines are most of a font's bytes, and libhpdf only
// copies them.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed) {
  std::minstd_rand random(seed);
  const std::vector<Region> regions = ReadRegions(data, size);
  if (regions.empty() || random() % 8 == 0) return LLVMFuzzerMutate(data, size, maxSize);
  const Region region = regions[random() % regions.size()];
  const std::size_t window = std::min<std::size_t>(region.length, 1 + random() % 32);
  const std::size_t start = region.offset + random() % (region.length - window + 1);
  LLVMFuzzerMutate(data + start, window, window);  // the font keeps its size
  return size;
}

// fontconfig keeps what FcInit allocates for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace verstak;
  using verstak::fuzz::Check;
  const ScratchFont scratch(data, size);
  const std::filesystem::path& file = scratch.path();
  const std::optional<std::string> fault = TrueTypeFault(std::span(data, size));
  Check(TrueTypeFault(file) == fault, "the file and its bytes judged apart");

  const FontOutcome loaded = LoadTypesetFont(file.string());
  Check(loaded.font.has_value() != loaded.failure.has_value(), "neither a font nor a failure");
  if (fault) Check(!loaded.font, "a refused font loaded");
  if (!loaded.font) return 0;
  static const Drawing drawing = EveryByteSet();
  const PrintBytes pdf = PdfBytes(drawing, *loaded.font, "fuzz");
  Check(pdf.failure.has_value() || pdf.bytes.starts_with("%PDF-"), "neither a PDF nor a failure");
  return 0;
}
