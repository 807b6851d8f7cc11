// The PDF and the SVG as the press and an editor see them, checked with
// poppler-utils (pdfinfo, pdffonts, pdftotext, pdftoppm) and xmllint, which
// the set-up installs: the bundled examples, 99 x 99 grids with every kind,
// and clue lines of random bytes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>

#include "document/cp1251.h"
#include "document/slot_numbering.h"
#include "every_kind_grid.h"
#include "pdf_objects.h"
#include "files/definitions_file.h"
#include "files/grid_file.h"
#include "print/output_formats.h"
#include "print/press_page.h"
#include "print/print_writer.h"
#include "print_test_support.h"
#include "script_test_support.h"
#include "temp_folder.h"

namespace verstak {
namespace {

using namespace verstak::testing;

// The document in `format` with the default settings, through the table.
OutputMade MadeAs(OutputFormat format, const ScanwordDocument& doc, const TypesetFont& font) {
  static const PrintSettings settings;
  static const ExportChoice choice;
  static const TypesetSettings typeset;
  static const PressSettings press;
  return MakeOutput(format, {.document = doc,
                             .settings = settings,
                             .choice = choice,
                             .typeset = typeset,
                             .font = &font,
                             .press = press,
                             .title = "Сканворд 1"});
}

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

class PrintOutput : public ::testing::Test {
 protected:
  TempFolder folder;

  // `command` as a shell runs it; a tool that is not installed fails the test.
  ToolRun run(const std::string& command) const {
    const std::string full =
        command + " > '" + (folder / "stdout").string() + "' 2> '" + (folder / "stderr").string() + "'";
    const int raw = std::system(full.c_str());
    ToolRun result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempFolder::Read(folder / "stdout"),
                   TempFolder::Read(folder / "stderr")};
    if (result.status == 127) ADD_FAILURE() << "not installed (poppler-utils, libxml2-utils): " << command;
    return result;
  }

  std::string quoted(const std::filesystem::path& path) const { return "'" + path.string() + "'"; }

  std::filesystem::path writePdf(const ScanwordDocument& doc, std::string_view name, const ExportChoice& choice = {},
                                 const PrintSettings& settings = {}, const TypesetSettings& typeset = {}) const {
    const PrintBytes pdf = PrintWriter(doc, settings, typeset, DefaultFont()).pdf(choice, "Сканворд 1");
    EXPECT_FALSE(pdf.failure);
    return folder.write(name, pdf.bytes);
  }
  std::filesystem::path writeSvg(const ScanwordDocument& doc, std::string_view name,
                                 const ExportChoice& choice = {}) const {
    return folder.write(name,
                        PrintWriter(doc, PrintSettings{}, TypesetSettings{}, DefaultFont()).svg(choice, "Сканворд 1"));
  }

  // pdffonts lists the clue font, embedded as a tagged subset, with a map to Unicode.
  void expectFontEmbedded(const std::filesystem::path& pdf) const {
    const ToolRun fonts = run("pdffonts " + quoted(pdf));
    EXPECT_EQ(fonts.status, 0) << fonts.err;
    // name, type, encoding, emb, sub, uni, object, ID
    std::istringstream lines(fonts.out);
    std::vector<std::string> font;
    for (std::string line; std::getline(lines, line);) {
      if (line.find("+PTSans-Narrow ") != std::string::npos) font = Words(line);
    }
    ASSERT_GE(font.size(), 6u) << fonts.out;
    EXPECT_EQ(font[0].find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 6u) << font[0];
    EXPECT_EQ(font[1], "TrueType");
    EXPECT_EQ(font[3], "yes");
    EXPECT_EQ(font[4], "yes");
    EXPECT_EQ(font[5], "yes");
  }

  // The decoded content stream of the file's first page.
  static std::string PageContent(const std::string& bytes) {
    const pdf::File file(bytes);
    return pdf::File::decoded(file.get(file.pages().at(0), "Contents"));
  }

  // pdftotext gives back every line set: its words, one after another. The
  // tool joins lines of neighbouring cells that share a baseline and breaks
  // upright lines at their blanks, so words are compared, and each place
  // found is used up.
  void expectEveryLineExtracted(const std::filesystem::path& pdf, const Drawing& drawing) const {
    const ToolRun extracted = run("pdftotext -raw -enc UTF-8 " + quoted(pdf) + " -");
    EXPECT_EQ(extracted.status, 0) << extracted.err;
    std::vector<std::string> words = Words(extracted.out);
    int checked = 0;
    for (const Shape& shape : drawing.shapes) {
      const auto* block = std::get_if<TextBlock>(&shape.form);
      if (block == nullptr) continue;
      for (const SetLine& line : block->lines) {
        const std::vector<std::string> wanted = Words(Cp1251ToUtf8(line.text));
        const auto found = std::search(words.begin(), words.end(), wanted.begin(), wanted.end());
        EXPECT_FALSE(found == words.end() && !wanted.empty()) << Cp1251ToUtf8(line.text);
        if (found != words.end()) std::fill_n(found, wanted.size(), std::string());
        ++checked;
      }
    }
    EXPECT_GT(checked, 0);
  }

  // The words of the first line that begins with `start`.
  static std::vector<std::string> LineStartingWith(const std::string& text, std::string_view start) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with(start)) return Words(line);
    }
    return {};
  }

  static std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
      if (!word.empty() && word.front() == '\f') word.erase(0, 1);
      if (!word.empty()) words.push_back(word);
    }
    return words;
  }

  // pdftoppm renders the page without a word on stderr.
  void expectRenders(const std::filesystem::path& pdf, int dpi) const {
    const ToolRun render =
        run("pdftoppm -png -r " + std::to_string(dpi) + " " + quoted(pdf) + " " + quoted(folder / "page"));
    EXPECT_EQ(render.status, 0);
    EXPECT_EQ(render.err, "");
    EXPECT_TRUE(std::filesystem::exists(folder / "page-1.png") || std::filesystem::exists(folder / "page-01.png") ||
                std::filesystem::exists(folder / "page-001.png"));
  }

  void expectWellFormed(const std::filesystem::path& svg) const {
    const ToolRun lint = run("xmllint --noout " + quoted(svg));
    EXPECT_EQ(lint.status, 0) << lint.err;
    EXPECT_EQ(lint.err, "");
  }

  std::string xpath(const std::filesystem::path& svg, const std::string& expression) const {
    const ToolRun result = run("xmllint --xpath \"" + expression + "\" " + quoted(svg));
    EXPECT_EQ(result.status, 0) << expression << ": " << result.err;
    std::string value = result.out;
    if (value.ends_with('\n')) value.pop_back();
    return value;
  }

  void checkPdfAndSvg(const ScanwordDocument& doc, const std::string& name, int dpi) const {
    SCOPED_TRACE(name);
    for (LayerMode layout : {LayerMode::OneLayer, LayerMode::ByLayers}) {
      const ExportChoice choice{CorelVersion::Draw9, layout, {}};
      const std::filesystem::path pdf = writePdf(doc, name + ".pdf", choice);
      expectFontEmbedded(pdf);
      expectEveryLineExtracted(pdf, PrintWriter(doc, {}, {}, DefaultFont()).drawing(choice));
      expectRenders(pdf, dpi);
      expectWellFormed(writeSvg(doc, name + ".svg", choice));
    }
  }
};

ScanwordDocument ExamplePuzzle(int number) {
  const std::string examples = VERSTAK_EXAMPLES_DIR;
  ScanwordDocument doc;
  ReadGridFile(examples + "/setki.txt", number).applyTo(doc);
  ReadDefinitionsFile(examples + "/opredeleniya.txt", number).applyTo(doc);
  EXPECT_GT(doc.gridWidth, 0);
  return doc;
}

// 99 x 99 cells using every kind and second mark; clues of a few short lines
// that fit, so that no clue's text lies over another's.
ScanwordDocument LargestGrid(bool allSplit) {
  ScanwordDocument doc;
  testing::FillEveryKind(doc);
  if (allSplit) {
    for (int y = 1; y <= kMaxGridSide; ++y) {
      for (int x = 1; x <= kMaxGridSide; ++x) doc.cells.at(x, y) = GridCell{CellKind::ClueSplitHorizontal, 0};
    }
  }
  for (int slot = 1; slot <= kDefinitionSlots; ++slot) {
    doc.definitions.slot(slot).line(1).assign(Utf8ToCp1251("Слово" + std::to_string(slot)));
    if (slot % 3 == 0) doc.definitions.slot(slot).line(2).assign(Utf8ToCp1251("ещё"));
  }
  return doc;
}

TEST_F(PrintOutput, BundledExamplesPassThePressTools) {
  for (int number = 1; number <= 3; ++number)
    checkPdfAndSvg(ExamplePuzzle(number), "example" + std::to_string(number), 72);
  checkPdfAndSvg(RichGrid(), "rich", 72);
}

TEST_F(PrintOutput, LargestGridsWithEveryKindPassThePressTools) {
  checkPdfAndSvg(LargestGrid(false), "every_kind", 8);
  // 19602 slots: those past the table's 10000 are empty.
  checkPdfAndSvg(LargestGrid(true), "all_split", 8);
}

// The same drawing, the same bytes: the date and the ID come from the input.
TEST_F(PrintOutput, PdfAndSvgAreDeterministic) {
  const ScanwordDocument doc = RichGrid();
  const PrintWriter writer(doc, PrintSettings{}, TypesetSettings{}, DefaultFont());
  const PrintBytes first = writer.pdf(ExportChoice{}, "Сканворд 1");
  const PrintBytes second = writer.pdf(ExportChoice{}, "Сканворд 1");
  ASSERT_FALSE(first.failure);
  EXPECT_EQ(first.bytes, second.bytes);
  EXPECT_EQ(writer.svg(ExportChoice{}, "x"), writer.svg(ExportChoice{}, "x"));
}

// The trim is the grid with its frame and margin; the bleed and the
// media reach 3 mm beyond it.
TEST_F(PrintOutput, PdfPageIsTheGridAndItsMarginWithTitle) {
  const ScanwordDocument doc = RichGrid();
  PrintSettings settings;
  settings.cellWidth = 100000;
  settings.cellHeight = 80000;
  TypesetSettings typeset;
  typeset.pageMargin = 5;
  const std::filesystem::path pdf = writePdf(doc, "page.pdf", {}, settings, typeset);
  const ToolRun info = run("pdfinfo -box " + quoted(pdf));
  EXPECT_EQ(info.status, 0) << info.err;
  const double points = 72 / 25.4, bleed = 3 * points;
  const double width = (doc.gridWidth * 10 + 10.2) * points, height = (doc.gridHeight * 8 + 10.2) * points;
  const std::vector<std::string> media = LineStartingWith(info.out, "MediaBox:");
  const std::vector<std::string> bleedBox = LineStartingWith(info.out, "BleedBox:");
  const std::vector<std::string> trim = LineStartingWith(info.out, "TrimBox:");
  ASSERT_EQ(media.size(), 5u) << info.out;
  ASSERT_EQ(trim.size(), 5u) << info.out;
  EXPECT_EQ(media[1], "0.00");
  EXPECT_EQ(media[2], "0.00");
  EXPECT_NEAR(std::stod(media[3]), width + 2 * bleed, 0.05);
  EXPECT_NEAR(std::stod(media[4]), height + 2 * bleed, 0.05);
  EXPECT_NEAR(std::stod(trim[1]), bleed, 0.05);
  EXPECT_NEAR(std::stod(trim[2]), bleed, 0.05);
  EXPECT_NEAR(std::stod(trim[3]) - std::stod(trim[1]), width, 0.05);
  EXPECT_NEAR(std::stod(trim[4]) - std::stod(trim[2]), height, 0.05);
  EXPECT_EQ(bleedBox, (std::vector<std::string>{"BleedBox:", media[1], media[2], media[3], media[4]}));
  EXPECT_NE(info.out.find("Title:           Сканворд 1\n"), std::string::npos) << info.out;
}

// Pages outside what libhpdf's own page size takes (3 to 14400 pt) are
// written all the same: 99 cells of 100 mm, one cell of 0.5 mm.
TEST_F(PrintOutput, PdfPagesOfAnySizeTheSettingsAllow) {
  struct Page {
    int columns;
    std::int32_t cellWidth;
    double points;
  };
  // The page: the grid, its frame's line and the bleed of 3 mm on each side.
  for (const Page& page : {Page{99, 1000000, 9906.2 * 72 / 25.4}, Page{1, 5000, 6.7 * 72 / 25.4}}) {
    ScanwordDocument doc;
    doc.gridWidth = static_cast<std::uint8_t>(page.columns);
    doc.gridHeight = 1;
    doc.cells.at(1, 1).kind = CellKind::Clue;
    doc.definitions.slot(1).line(1).assign("A");
    PrintSettings settings;
    settings.cellWidth = page.cellWidth;
    const std::filesystem::path pdf = writePdf(doc, "size.pdf", {}, settings);
    const ToolRun info = run("pdfinfo " + quoted(pdf));
    EXPECT_EQ(info.status, 0) << info.err;
    const std::vector<std::string> size = LineStartingWith(info.out, "Page size:");
    ASSERT_GE(size.size(), 3u) << info.out;
    EXPECT_NEAR(std::stod(size[2]), page.points, 0.05);
  }
}

// Every colour operator of the page: fills of the settings' clue colour,
// pure black and the pictures' 50 %; strokes pure black; nothing in RGB or grey.
TEST_F(PrintOutput, PdfColoursAreExactlyTheSettingsCmyk) {
  PrintSettings settings;
  settings.cyanText = "13,";
  settings.magentaText = "57,";
  settings.yellowText = "0,";
  settings.blackText = "100";
  const PrintBytes pdf = PrintWriter(RichGrid(), settings, TypesetSettings{}, DefaultFont()).pdf(ExportChoice{}, "x");
  ASSERT_FALSE(pdf.failure);
  // Each operator of the page's content stands on a line of its own, after its operands.
  std::set<std::string> fills, strokes, others;
  std::istringstream lines(PageContent(pdf.bytes));
  for (std::string line; std::getline(lines, line);) {
    const std::size_t last = line.rfind(' ');
    if (last == std::string::npos) continue;
    const std::string op = line.substr(last + 1), operands = line.substr(0, last);
    if (op == "k") fills.insert(operands);
    if (op == "K") strokes.insert(operands);
    if (op == "rg" || op == "RG" || op == "g" || op == "G" || op == "cs" || op == "CS" || op == "sc" || op == "SC") {
      others.insert(line);
    }
  }
  EXPECT_EQ(fills, (std::set<std::string>{"0.13 0.57 0 1", "0 0 0 1", "0 0 0 0.5"}));
  EXPECT_EQ(strokes, std::set<std::string>{"0 0 0 1"});
  EXPECT_EQ(others, std::set<std::string>{});
}

// Any byte in a clue line: the SVG stays well-formed, the PDF's strings hold
// no control byte, and both tools read the result.
TEST_F(PrintOutput, RandomClueBytesAreSafeInPdfAndSvg) {
  std::mt19937 random(99);
  ScanwordDocument doc = RichGrid();
  for (int round = 0; round < 10; ++round) {
    for (int slot = 1; slot <= 40; ++slot) {
      for (int line = 1; line <= 3; ++line) {
        std::string bytes;
        for (int i = Between(random, 0, 32); i > 0; --i) bytes += static_cast<char>(Between(random, 0, 255));
        doc.definitions.slot(slot).line(line).assign(bytes);
      }
    }
    const std::filesystem::path svg = writeSvg(doc, "random.svg");
    expectWellFormed(svg);
    const PrintBytes pdf = PrintWriter(doc, {}, {}, DefaultFont()).pdf(ExportChoice{}, "x\x01\x7F");
    ASSERT_FALSE(pdf.failure);
    // Between the page's "BT" and "ET" only line breaks are control bytes.
    const std::string content = PageContent(pdf.bytes);
    for (std::size_t bt = content.find("BT /"); bt != std::string::npos; bt = content.find("BT /", bt + 1)) {
      const std::size_t et = content.find("ET\n", bt);
      for (std::size_t i = bt; i < et; ++i) {
        const auto byte = static_cast<unsigned char>(content[i]);
        ASSERT_TRUE(byte >= 0x20 || byte == '\n') << "byte " << int{byte};
      }
    }
    const std::filesystem::path file = folder.write("random.pdf", pdf.bytes);
    expectRenders(file, 36);
    const ToolRun text = run("pdftotext " + quoted(file) + " /dev/null");
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
  }
}

TEST_F(PrintOutput, SvgIsInMillimetresWithTaggedShapesAndLayers) {
  const ScanwordDocument doc = RichGrid();
  const std::filesystem::path layered = writeSvg(doc, "layers.svg", {CorelVersion::Draw9, LayerMode::ByLayers, {}});
  expectWellFormed(layered);
  const std::string text = TempFolder::Read(layered);
  ASSERT_EQ(doc.gridWidth, 10);
  ASSERT_EQ(doc.gridHeight, 8);
  // The page takes in the outer half of the frame's 0.2 mm line.
  EXPECT_NE(text.find("width=\"126.56mm\" height=\"101.288mm\" viewBox=\"-0.1 -0.1 126.56 101.288\""),
            std::string::npos);
  // One group per pass, as an editor's layer, and every shape inside one.
  EXPECT_EQ(xpath(layered, "count(//*[local-name()='g'][@*[local-name()='groupmode']='layer'])"), "6");
  EXPECT_EQ(xpath(layered, "string(//*[local-name()='g'][1]/@*[local-name()='label'])"), "Free_kub");
  EXPECT_EQ(xpath(layered, "string(//*[local-name()='g'][6]/@*[local-name()='label'])"), "Arrows");
  EXPECT_EQ(xpath(layered, "count(/*/*[local-name()!='g' and local-name()!='title'])"), "0");
  const std::string shapes =
      "//*[local-name()='rect' or local-name()='polyline' or local-name()='polygon' or local-name()='text']";
  EXPECT_EQ(xpath(layered, "count(" + shapes + "[not(@data-row) or not(@data-col) or not(@data-cmyk)])"), "0");

  const std::filesystem::path flat = writeSvg(doc, "flat.svg");
  EXPECT_EQ(xpath(flat, "count(//*[local-name()='g'])"), "0");
  // The default clue colour, 20 % black, as its RGB.
  EXPECT_NE(xpath(flat, "count(//*[local-name()='rect'][@fill='#cccccc'][@data-cmyk='0,0,0,20'])"), "0");
  EXPECT_NE(xpath(flat, "count(//*[local-name()='rect'][@fill='#808080'][@data-cmyk='0,0,0,50'])"), "0");
  // One tspan per line set, in the font and size set.
  const Drawing drawing = PrintWriter(doc, {}, {}, DefaultFont()).drawing(ExportChoice{});
  std::size_t lines = 0, texts = 0;
  for (const Shape& shape : drawing.shapes) {
    if (const auto* block = std::get_if<TextBlock>(&shape.form)) {
      lines += block->lines.size();
      texts += 1;
    }
  }
  EXPECT_EQ(xpath(flat, "count(//*[local-name()='tspan'])"), std::to_string(lines));
  EXPECT_EQ(xpath(flat, "count(//*[local-name()='text'][@font-family='PT Sans Narrow, sans-serif'])"), std::to_string(texts));
  // Texts at their sizes, in millimetres to a ten-thousandth.
  std::set<std::string> sizes;
  for (const Shape& shape : drawing.shapes) {
    if (const auto* block = std::get_if<TextBlock>(&shape.form)) {
      char size[32];
      std::snprintf(size, sizeof size, "%.4f", block->size * 25.4 / 72);
      std::string text = size;
      while (text.ends_with('0')) text.pop_back();
      sizes.insert(text);
    }
  }
  ASSERT_FALSE(sizes.empty());
  for (const std::string& size : sizes) {
    EXPECT_NE(xpath(flat, "count(//*[local-name()='text'][@font-size='" + size + "'])"), "0") << size;
  }
  // The quote of a clue line comes back as a character.
  EXPECT_NE(xpath(flat, "string(//*[local-name()='tspan'][contains(., '\"1\"')])"), "");
}

// The embedded subset holds the glyphs shown: a clue rendered from the PDF
// alone darkens its cell.
TEST_F(PrintOutput, TextIsDrawnWithTheEmbeddedGlyphs) {
  const auto darkPixels = [&](std::string_view clue) {
    ScanwordDocument doc = OneCell(19);
    doc.definitions.slot(1).clear();
    doc.definitions.slot(1).line(1).assign(Utf8ToCp1251(clue));
    TypesetSettings typeset;
    typeset.lineWidth = 0.01;
    const std::filesystem::path pdf = writePdf(doc, "glyphs.pdf", {}, {}, typeset);
    const ToolRun render = run("pdftoppm -gray -r 400 " + quoted(pdf) + " " + quoted(folder / "glyphs"));
    EXPECT_EQ(render.status, 0) << render.err;
    const std::string pgm = TempFolder::Read(folder / "glyphs-1.pgm");
    // "P5\n<width> <height>\n255\n", then one byte a pixel.
    std::size_t header = 0;
    for (int lines = 0; lines < 3 && header < pgm.size(); ++header) lines += pgm[header] == '\n';
    return std::count_if(pgm.begin() + static_cast<long>(header), pgm.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 100; });
  };
  const auto blank = darkPixels("");
  const auto written = darkPixels("ЖЖЖ");
  EXPECT_GT(written, blank + 400) << blank << " " << written;
}

// A clue that fits at no size: clipped to its cell, so that rendered at
// 300 dpi no ink lies in the letter cells beside it, though its line is
// far wider than the cell.
TEST_F(PrintOutput, ClueThatFitsAtNoSizeLeavesNoInkOutsideItsCell) {
  ScanwordDocument doc;
  doc.gridWidth = 3;
  doc.gridHeight = 1;
  doc.cells.at(2, 1).kind = CellKind::Clue;
  doc.definitions.slot(1).line(1).assign("01234567890123456789012345");  // digits: no breaking helps
  TypesetSettings typeset;
  typeset.lineWidth = 0.01;
  const Drawing drawing = PrintWriter(doc, {}, typeset, DefaultFont()).drawing({});
  const std::vector<ClueFit> fits = ClueFits(drawing);
  ASSERT_EQ(fits.size(), 1u);
  ASSERT_FALSE(fits[0].fits);
  ASSERT_GT(fits[0].overflowWidth, 4.0);  // unclipped, 2 mm and more into each neighbour

  const std::filesystem::path pdf = writePdf(doc, "clipped.pdf", {}, {}, typeset);
  const ToolRun render = run("pdftoppm -gray -r 300 " + quoted(pdf) + " " + quoted(folder / "clipped"));
  ASSERT_EQ(render.status, 0) << render.err;
  const std::string pgm = TempFolder::Read(folder / "clipped-1.pgm");
  std::istringstream header(pgm);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  header >> magic >> width >> height >> maximum;
  ASSERT_EQ(magic, "P5");
  const std::size_t start = pgm.size() - static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  const auto pixel = [&](int x, int y) {
    return static_cast<unsigned char>(pgm[start + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                          static_cast<std::size_t>(x)]);
  };
  const double perMm = 300 / 25.4;
  // The page holds the bleed around the grid: the cell lies that far in.
  const PuzzlePageOutcome page = PuzzlePageOf(drawing, PressSettings{});
  ASSERT_TRUE(page.page);
  const double offset = page.page->placed.origin.x;
  const int left = static_cast<int>((offset + 12.636) * perMm), right = static_cast<int>((offset + 25.272) * perMm);
  // Inside the grid's frame only: the frame itself is ink.
  const int top = static_cast<int>(page.page->placed.origin.y * perMm) + 4;
  const int bottom = static_cast<int>((page.page->placed.origin.y + 12.636) * perMm) - 4;
  const int first = static_cast<int>(offset * perMm) + 4, last = static_cast<int>((offset + 3 * 12.636) * perMm) - 4;
  ASSERT_LT(last, width);
  ASSERT_LT(bottom, height);
  int inkOutside = 0, inkInside = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = first; x < last; ++x) {
      const bool nearFrame = std::abs(x - left) <= 3 || std::abs(x - right) <= 3;
      const bool dark = pixel(x, y) < 128;
      if ((x < left - 3 || x > right + 3) && !nearFrame) inkOutside += pixel(x, y) < 250;
      if (x > left + 3 && x < right - 3) inkInside += dark;
    }
  }
  EXPECT_EQ(inkOutside, 0);
  EXPECT_GT(inkInside, 200);  // the digits themselves are there

  // The SVG clips the same text to the same rectangle.
  const std::filesystem::path svg =
      folder.write("clipped.svg", PrintWriter(doc, {}, typeset, DefaultFont()).svg({}, "Сканворд 1"));
  expectWellFormed(svg);
  EXPECT_EQ(xpath(svg, "count(//*[local-name()='g'][@clip-path='url(#clip-1)']/*[local-name()='text'])"), "1");
  EXPECT_EQ(xpath(svg, "string(//*[local-name()='clipPath'][@id='clip-1']/*[local-name()='rect']/@x)"), "12.636");
  EXPECT_EQ(xpath(svg, "string(//*[local-name()='clipPath'][@id='clip-1']/*[local-name()='rect']/@width)"), "12.636");
}

// The SVG draws each line where the typesetter put it: an upright block's
// lines turned back about its centre, and each kerned pair's adjustment as
// a dx, the renderer's own kerning off.
TEST_F(PrintOutput, SvgLinesLieWhereTheTypesetterPutThem) {
  ScanwordDocument doc = RichGrid();
  SetClue(doc, 1, {"ТАВАта Уфа", "Гоголь «Вий»"});
  const Drawing drawing = PrintWriter(doc, {}, {}, DefaultFont()).drawing({});
  const std::string svg = PrintWriter(doc, {}, {}, DefaultFont()).svg({}, "Сканворд 1");
  static const std::regex kTspan(R"re(<tspan x="([-0-9.]+)" y="([-0-9.]+)"(?: dx="([^"]*)")?>)re");
  std::sregex_iterator tspan(svg.begin(), svg.end(), kTspan);
  int upright = 0, kerned = 0;
  for (const Shape& shape : drawing.shapes) {
    const auto* block = std::get_if<TextBlock>(&shape.form);
    if (block == nullptr) continue;
    const PagePoint c = block->box.centre();
    upright += block->upright;
    for (const SetLine& line : block->lines) {
      ASSERT_NE(tspan, std::sregex_iterator());
      const double x = std::stod((*tspan)[1]), y = std::stod((*tspan)[2]);
      // rotate(-90) about the centre takes (x, y) to (c.x + (y - c.y), c.y - (x - c.x)).
      const PagePoint shown = block->upright ? PagePoint{c.x + (y - c.y), c.y - (x - c.x)} : PagePoint{x, y};
      EXPECT_NEAR(shown.x, line.origin.x, 1e-4) << Cp1251ToUtf8(line.text);
      EXPECT_NEAR(shown.y, line.origin.y, 1e-4) << Cp1251ToUtf8(line.text);
      double adjusted = 0;
      std::istringstream dx((*tspan)[3].str());
      for (double d = 0; dx >> d;) adjusted += d;
      const double expected = static_cast<double>(DefaultFont().lineAdvance(line.text, true) -
                                                  DefaultFont().lineAdvance(line.text, false)) /
                              1000 * block->size * 25.4 / 72;
      EXPECT_NEAR(adjusted, expected, 1e-3) << Cp1251ToUtf8(line.text);
      kerned += (*tspan)[3].matched;
      ++tspan;
    }
  }
  EXPECT_EQ(tspan, std::sregex_iterator());
  EXPECT_GT(upright, 0);
  EXPECT_GT(kerned, 0);
  EXPECT_EQ(svg.find("text-anchor"), std::string::npos);
  EXPECT_NE(svg.find("style=\"font-kerning:none\""), std::string::npos);
}

// poppler measures the PDF's words with the TJ adjustments: a kerned line is
// as wide as the typesetter measured it, and as the advances without kerning.
TEST_F(PrintOutput, PdfWordsAreAsWideAsMeasured) {
  for (const bool kerning : {true, false}) {
    ScanwordDocument doc = OneCell(19);
    doc.definitions.slot(1).clear();
    doc.definitions.slot(1).line(1).assign(Utf8ToCp1251("ТАВАта"));
    TypesetSettings typeset;
    typeset.kerning = kerning;
    const Drawing drawing = PrintWriter(doc, {}, typeset, DefaultFont()).drawing({});
    const std::filesystem::path pdf = writePdf(doc, "word.pdf", {}, {}, typeset);
    const ToolRun box = run("pdftotext -bbox " + quoted(pdf) + " -");
    static const std::regex kWord(R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)")re");
    std::smatch word;
    ASSERT_TRUE(std::regex_search(box.out, word, kWord)) << box.out;
    const double points = std::stod(word[2]) - std::stod(word[1]);
    double measured = 0;
    for (const Shape& shape : drawing.shapes) {
      if (const auto* block = std::get_if<TextBlock>(&shape.form); block && !block->lines.empty()) {
        measured = block->lines[0].width;
      }
    }
    const long long advance = DefaultFont().lineAdvance(Utf8ToCp1251("ТАВАта"), kerning);
    EXPECT_NEAR(measured, static_cast<double>(advance) / 1000 * 7 * 25.4 / 72, 1e-9);
    EXPECT_NEAR(points * 25.4 / 72, measured, 0.02) << kerning;
  }
}

// A face without Cyrillic letters is refused before anything is written,
// naming the first character missing, its clue's cell and the face.
TEST_F(PrintOutput, FontWithoutTheCluesCharactersIsRefused) {
  const FontOutcome math = LoadTypesetFont("/usr/share/fonts/truetype/dejavu/DejaVuMathTeXGyre.ttf");
  ASSERT_TRUE(math.font) << "fonts-dejavu-extra is not installed";
  ScanwordDocument doc = OneCell(16);
  doc.definitions.slot(1).clear();
  doc.definitions.slot(1).line(1).assign(Utf8ToCp1251("Latin 12"));
  doc.definitions.slot(2).clear();
  doc.definitions.slot(2).line(1).assign(Utf8ToCp1251("Река"));
  for (const OutputFormat format : {OutputFormat::Pdf, OutputFormat::Svg}) {
    const OutputMade made = MadeAs(format, doc, *math.font);
    ASSERT_TRUE(made.failure);
    EXPECT_EQ(made.bytes, "");
    EXPECT_EQ(made.failure->text, "В шрифте " + math.font->family + " (" + math.font->file.string() +
                                      ") нет знака «Р» (U+0420): определение 2, строка 1, столбец 1");
  }
  EXPECT_TRUE(PdfBytes(PrintWriter(doc, {}, {}, *math.font).drawing({}), *math.font, "x").failure);
  // Latin only: the face has it all.
  doc.definitions.slot(2).line(1).assign("Ok");
  EXPECT_FALSE(MadeAs(OutputFormat::Pdf, doc, *math.font).failure);
}

TEST(PrintColour, RgbFromCmykAndClueColourInRange) {
  EXPECT_EQ(RgbHex({0, 0, 0, 0}), "#ffffff");
  EXPECT_EQ(RgbHex({0, 0, 0, 100}), "#000000");
  EXPECT_EQ(RgbHex({100, 0, 0, 0}), "#00ffff");
  EXPECT_EQ(RgbHex({0, 60, 60, 40}), "#993d3d");
  PrintSettings settings;
  settings.cyanText = "  7,";
  settings.magentaText = "-5,";  // the settings dialog takes a sign
  settings.yellowText = "100,";
  settings.blackText = "0";
  EXPECT_EQ(ClueColour(settings), (Cmyk{7, 0, 100, 0}));
}

// Each row of the table of outputs writes its own format, as the tools that
// read it find; a file that cannot be written is said with the row's own
// first line, and what stood there is left.
TEST_F(PrintOutput, EachOutputWritesItsFormatWholeOrNotAtAll) {
  const ScanwordDocument doc = RichGrid();
  std::filesystem::create_directory(folder / "taken");
  const std::map<OutputFormat, std::string> failedLines = {{OutputFormat::Macro, " Не удалось записать файл макроса! "},
                                                           {OutputFormat::Pdf, " Не удалось записать файл! "},
                                                           {OutputFormat::Svg, " Не удалось записать файл! "}};
  for (const OutputKind& kind : OutputKinds()) {
    const std::filesystem::path path = folder / ("out." + std::string(kind.extension));
    const OutputMade made = MadeAs(kind.format, doc, DefaultFont());
    ASSERT_FALSE(made.failure) << kind.extension;
    EXPECT_FALSE(WriteOutput(kind.format, path, made));
    EXPECT_EQ(TempFolder::Read(path), made.bytes);
    const Failure failed = WriteOutput(kind.format, folder / "taken", made);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->text, failedLines.at(kind.format) + "\n" + (folder / "taken").string() + ": это папка");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken"));
  }
  EXPECT_EQ(run("pdfinfo " + quoted(folder / "out.pdf")).status, 0);
  EXPECT_EQ(run("xmllint --noout " + quoted(folder / "out.svg")).status, 0);
  const std::string macro = TempFolder::Read(folder / "out.csc");
  EXPECT_TRUE(macro.starts_with("\r\nREM ")) << macro.substr(0, 40);
  EXPECT_NE(macro.find("WITHOBJECT \"CorelDraw.Automation."), std::string::npos);
}

// The extension rule of the save dialogs and verstak-batch: any case, only
// the last extension of the name itself, nothing for another.
TEST(OutputTable, FormatOfAName) {
  const std::pair<const char*, std::optional<OutputFormat>> cases[] = {
      {"a.csc", OutputFormat::Macro}, {"a.PDF", OutputFormat::Pdf}, {"dir/a.Svg", OutputFormat::Svg},
      {"a.svg.pdf", OutputFormat::Pdf}, {"a.pdf.txt", std::nullopt}, {"a.b/name", std::nullopt},
      {"name.", std::nullopt},          {".pdf", std::nullopt},      {"a.pd", std::nullopt},
      {"a.pdfx", std::nullopt},
  };
  for (const auto& [name, format] : cases) EXPECT_EQ(FormatOfFileName(name), format) << name;
  EXPECT_EQ(FormatOfExtension("SVG"), OutputFormat::Svg);
  EXPECT_EQ(FormatOfExtension(""), std::nullopt);
  EXPECT_EQ(FormatWords(), "csc, pdf или svg");
  const OutputFormat both[] = {OutputFormat::Pdf, OutputFormat::Svg};
  EXPECT_EQ(OutputFilter(both), "PDF: *.pdf|*.pdf|SVG: *.svg|*.svg");
  EXPECT_EQ(NotFittingLine(0), "");
  EXPECT_EQ(NotFittingLine(12), "Не помещается определений: 12");
}

}  // namespace
}  // namespace verstak
