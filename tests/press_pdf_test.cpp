// The PDF for the press: each PDF/X-1a:2003 requirement checked on the
// file's objects with a reader of our own (pdf_objects.h), Ghostscript's
// PDF/X conversion, its separations (tiffsep) and ink coverage (inkcov),
// the page boxes, crop marks and paper, the ToUnicode map against iconv,
// and the bytes: the same twice, the date changing only the dates.

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

#include "document/cp1251.h"
#include "pdf_objects.h"
#include "print/output_condition.h"
#include "print/press_page.h"
#include "print/press_pdf.h"
#include "print/print_writer.h"
#include "print_test_support.h"
#include "script_test_support.h"
#include "temp_folder.h"
#include "tiff_plate.h"

namespace verstak {
namespace {

using namespace verstak::testing;
using pdf::File;
using pdf::Object;

constexpr double kPoints = 72 / 25.4;
constexpr std::int64_t kDate = 1700000000;  // 2023-11-14 22:13:20 UTC
const char* const kDateText = "D:20231114221320+00'00'";
const char* const kGhostscriptCmykProfile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";

struct ToolRun {
  int status = -1;
  std::string output;  // stdout and stderr together
};

class PressPdfTest : public ::testing::Test {
 protected:
  TempFolder folder;

  ToolRun run(const std::string& command) const {
    const std::string full = command + " > '" + (folder / "tool").string() + "' 2>&1";
    const int raw = std::system(full.c_str());
    ToolRun result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempFolder::Read(folder / "tool")};
    if (result.status == 127) ADD_FAILURE() << "not installed (ghostscript, poppler-utils): " << command;
    return result;
  }

  static std::string Pdf(const ScanwordDocument& doc, const PressSettings& press, const PrintSettings& settings = {},
                         const TypesetSettings& typeset = {}) {
    const PrintBytes made = PrintWriter(doc, settings, typeset, DefaultFont(), press).pdf({}, "Сканворд 7");
    EXPECT_FALSE(made.failure) << made.failure->text;
    return made.bytes;
  }

  // The plates of the file at `dpi`, Cyan, Magenta, Yellow and Black.
  std::vector<TiffPlate> separations(const std::string& bytes, int dpi) const {
    const std::filesystem::path in = folder.write("sep.pdf", bytes);
    const ToolRun gs = run("gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=tiffsep -sCompression=none -r" +
                           std::to_string(dpi) + " -sOutputFile='" + (folder / "sep.tif").string() + "' '" +
                           in.string() + "'");
    EXPECT_EQ(gs.status, 0) << gs.output;
    std::vector<TiffPlate> plates;
    for (const char* ink : {"Cyan", "Magenta", "Yellow", "Black"})
      plates.emplace_back(TempFolder::Read(folder / (std::string("sep(") + ink + ").tif")));
    return plates;
  }
};

PressSettings Dated(PressSettings press = {}) {
  press.date = kDate;
  return press;
}

// Every object of the file and everything inside it.
void Walk(const Object& object, const std::function<void(const Object&)>& visit) {
  visit(object);
  if (const auto* array = object.array())
    for (const Object& item : *array) Walk(item, visit);
  if (const auto* dict = object.dict())
    for (const auto& [key, value] : *dict) Walk(value, visit);
}

std::vector<double> Box(const Object& page, const char* name) {
  std::vector<double> box;
  for (const Object& n : *page.get(name)->array()) box.push_back(*n.number());
  return box;
}

bool Contains(const std::vector<double>& outer, const std::vector<double>& inner) {
  return outer[0] <= inner[0] + 1e-3 && outer[1] <= inner[1] + 1e-3 && outer[2] >= inner[2] - 1e-3 &&
         outer[3] >= inner[3] - 1e-3;
}

std::string Text(const File& file, const Object& dict, const char* key) {
  const Object value = file.get(dict, key);
  return value.string() ? pdf::TextOf(*value.string()) : std::string("<none>");
}

struct PdfxCase {
  const char* name;
  PressSettings press;
  TypesetSettings typeset;
  const char* identifier;
  bool registered;
};

std::vector<PdfxCase> PdfxCases() {
  PressSettings a4 = Dated();
  a4.paper = PaperSize{210, 297};
  a4.cropMarks = true;
  TypesetSettings margin;
  margin.pageMargin = 5;
  PressSettings custom = Dated();
  custom.outputCondition = "Офсет нашей типографии";
  custom.iccProfile = TempFolder::Read(kGhostscriptCmykProfile);
  PressSettings fogra51 = Dated();
  fogra51.outputCondition = "fogra51";
  fogra51.bleed = 0;
  return {{"default", Dated(), {}, "FOGRA39", true},
          {"A4, marks, margin", a4, margin, "FOGRA39", true},
          {"own profile", custom, {}, "Офсет нашей типографии", false},
          {"FOGRA51, no bleed", fogra51, {}, "FOGRA51", true}};
}

TEST_F(PressPdfTest, EachPdfxRequirementHolds) {
  ASSERT_FALSE(TempFolder::Read(kGhostscriptCmykProfile).empty()) << "ghostscript's profiles (libgs-common)";
  for (const PdfxCase& c : PdfxCases()) {
    SCOPED_TRACE(c.name);
    const std::string bytes = Pdf(RichGrid(), c.press, {}, c.typeset);
    const File file(bytes);
    EXPECT_EQ(file.header(), "%PDF-1.4");
    EXPECT_EQ(file.trailer().get("Encrypt"), nullptr);
    // The identifier: two strings of 16 bytes, alike in a new file.
    const Object* id = file.trailer().get("ID");
    ASSERT_NE(id, nullptr);
    ASSERT_EQ(id->array()->size(), 2u);
    EXPECT_EQ(id->array()->at(0).string()->size(), 16u);
    EXPECT_EQ(*id->array()->at(0).string(), *id->array()->at(1).string());

    const Object info = file.get(file.trailer(), "Info");
    EXPECT_EQ(Text(file, info, "GTS_PDFXVersion"), "PDF/X-1:2003");
    EXPECT_EQ(Text(file, info, "GTS_PDFXConformance"), "PDF/X-1a:2003");
    EXPECT_TRUE(file.get(info, "Trapped").is("False"));
    EXPECT_EQ(Text(file, info, "Title"), "Сканворд 7");
    EXPECT_EQ(Text(file, info, "CreationDate"), kDateText);
    EXPECT_EQ(Text(file, info, "ModDate"), kDateText);

    const Object intents = file.get(file.get(file.trailer(), "Root"), "OutputIntents");
    ASSERT_NE(intents.array(), nullptr);
    ASSERT_EQ(intents.array()->size(), 1u);
    const Object intent = file.resolve(intents.array()->at(0));
    EXPECT_TRUE(file.get(intent, "S").is("GTS_PDFX"));
    EXPECT_EQ(Text(file, intent, "OutputConditionIdentifier"), c.identifier);
    const Object profile = file.get(intent, "DestOutputProfile");
    if (c.registered) {
      EXPECT_EQ(Text(file, intent, "RegistryName"), "http://www.color.org");
    } else {
      // A condition of no registry: described by its profile and its Info.
      EXPECT_NE(Text(file, intent, "Info"), "<none>");
      ASSERT_TRUE(profile.isStream);
      EXPECT_EQ(*file.get(profile, "N").number(), 4);
      EXPECT_EQ(File::decoded(profile), c.press.iccProfile);
    }
    EXPECT_EQ(profile.isStream, !c.press.iccProfile.empty());

    for (const Object& page : file.pages()) {
      const std::vector<double> media = Box(page, "MediaBox"), bleed = Box(page, "BleedBox"),
                                trim = Box(page, "TrimBox");
      EXPECT_TRUE(Contains(media, bleed));
      EXPECT_TRUE(Contains(bleed, trim));
      EXPECT_NEAR(trim[0] - bleed[0], c.press.bleed * kPoints, 0.04);
      EXPECT_NEAR(bleed[3] - trim[3], c.press.bleed * kPoints, 0.04);
    }
    int fonts = 0;
    for (int number = 1; number < file.objectCount(); ++number) {
      const Object object = file.object(number);
      // Compressed, and nothing in RGB, ICC-based page colour or transparency.
      if (object.isStream) {
        EXPECT_TRUE(File::IsFlate(object)) << number;
      }
      Walk(object, [&](const Object& o) {
        for (const char* banned : {"DeviceRGB", "CalRGB", "ICCBased", "SMask", "Transparency", "Lab"})
          EXPECT_FALSE(o.is(banned)) << banned;
        for (const char* alpha : {"CA", "ca"}) {
          if (const Object* a = o.get(alpha)) {
            EXPECT_EQ(*a->number(), 1);
          }
        }
        if (const Object* blend = o.get("BM")) {
          EXPECT_TRUE(blend->is("Normal"));
        }
      });
      if (!object.get("Type") || !object.get("Type")->is("Font")) continue;
      ++fonts;
      const Object descriptor = file.get(object, "FontDescriptor");
      EXPECT_TRUE(file.get(descriptor, "FontFile2").isStream) << "embedded";
      const auto* base = std::get_if<pdf::Name>(&object.get("BaseFont")->value);
      EXPECT_TRUE(std::regex_match(base->text, std::regex("[A-Z]{6}\\+PTSans-Narrow"))) << base->text;
      EXPECT_TRUE(file.get(object, "ToUnicode").isStream);
    }
    EXPECT_EQ(fonts, 1);

    // Ghostscript converts it to PDF/X without a word.
    const std::filesystem::path in = folder.write("in.pdf", bytes);
    const ToolRun gs = run("gs -q -dPDFX -dBATCH -dNOPAUSE -dSAFER -sDEVICE=pdfwrite -sColorConversionStrategy=CMYK "
                           "-sProcessColorModel=DeviceCMYK -sOutputFile='" +
                           (folder / "out.pdf").string() + "' '" + in.string() + "'");
    EXPECT_EQ(gs.status, 0);
    EXPECT_EQ(gs.output, "");
  }
}

// Each byte the text shows maps to the character iconv gives for it in cp1251.
TEST_F(PressPdfTest, ToUnicodeMapsEveryShownByteAsIconvDoes) {
  std::string every;
  // A soft hyphen (0xAD) is a break point, never shown.
  for (int byte = 0x21; byte < 0x100; ++byte)
    if (byte != 0x98 && byte != 0x7F && byte != 0xAD) every += static_cast<char>(byte);
  // Clue cells of two lines of four characters each: all fit.
  ScanwordDocument doc;
  doc.gridWidth = 10;
  doc.gridHeight = 3;
  for (int y = 1; y <= 3; ++y)
    for (int x = 1; x <= 10; ++x) doc.cells.at(x, y).kind = CellKind::Clue;
  for (std::size_t at = 0, slot = 1; at < every.size(); at += 8, ++slot) {
    doc.definitions.slot(static_cast<int>(slot)).line(1).assign(every.substr(at, 4));
    if (at + 4 < every.size()) doc.definitions.slot(static_cast<int>(slot)).line(2).assign(every.substr(at + 4, 4));
  }
  const File file(Pdf(doc, Dated()));
  std::string cmap;
  for (int number = 1; number < file.objectCount(); ++number) {
    const Object object = file.object(number);
    if (object.get("Type") && object.get("Type")->is("Font")) cmap = File::decoded(file.get(object, "ToUnicode"));
  }
  iconv_t convert = iconv_open("UTF-16BE", "CP1251");
  ASSERT_NE(convert, reinterpret_cast<iconv_t>(-1));
  int mapped = 0;
  const std::regex entry("<([0-9A-F]{2})> <([0-9A-F]{4})>");
  for (auto it = std::sregex_iterator(cmap.begin(), cmap.end(), entry); it != std::sregex_iterator(); ++it) {
    char byte = static_cast<char>(std::stoi((*it)[1].str(), nullptr, 16));
    char unit[4] = {};
    char* in = &byte;
    char* out = unit;
    std::size_t inLeft = 1, outLeft = sizeof unit;
    ASSERT_NE(iconv(convert, &in, &inLeft, &out, &outLeft), static_cast<std::size_t>(-1));
    const unsigned expected = static_cast<unsigned char>(unit[0]) << 8 | static_cast<unsigned char>(unit[1]);
    EXPECT_EQ(std::stoul((*it)[2].str(), nullptr, 16), expected) << (*it)[0].str();
    ++mapped;
  }
  iconv_close(convert);
  // Every byte of the two clues; "S", digits and the rest of the grid's words among them.
  EXPECT_EQ(mapped, static_cast<int>(every.size()));
}

// The subset's name comes from its glyphs: other glyphs, another name.
TEST_F(PressPdfTest, SubsetTagFollowsTheGlyphs) {
  const auto tag = [&](const ScanwordDocument& doc) {
    const std::string bytes = Pdf(doc, Dated());
    return bytes.substr(bytes.find("/BaseFont /") + 11, 6);
  };
  ScanwordDocument other = RichGrid();
  other.definitions.slot(1).line(1).assign(Utf8ToCp1251("Щука"));
  EXPECT_EQ(tag(RichGrid()), tag(RichGrid()));
  EXPECT_NE(tag(RichGrid()), tag(other));
}

// Black text and frames over a coloured clue background: the cyan plate is
// unbroken under them (overprint), while the black plate shows them.
TEST_F(PressPdfTest, BlackOverprintsTheClueBackground) {
  const ScanwordDocument doc = RichGrid();
  PrintSettings settings;
  settings.cyanText = "30,";
  settings.magentaText = "0,";
  settings.yellowText = "10,";
  settings.blackText = "0";
  const PressSettings press = Dated();
  const PrintWriter writer(doc, settings, {}, DefaultFont(), press);
  const Drawing drawing = writer.drawing({});
  const PuzzlePageOutcome page = PuzzlePageOf(drawing, press);
  const int dpi = 300;
  const std::vector<TiffPlate> plates = separations(writer.pdf({}, "x").bytes, dpi);
  const auto pixel = [&](double mm) { return static_cast<int>(std::lround(mm * dpi / 25.4)); };
  int clues = 0, withText = 0;
  for (const Shape& shape : drawing.shapes) {
    const auto* rectangle = std::get_if<RectangleShape>(&shape.form);
    if (!rectangle || !rectangle->filled || shape.colour != Cmyk{30, 0, 10, 0}) continue;
    ++clues;
    const PageBox& box = rectangle->box;
    // Inside the frame lines.
    const int left = pixel(page.page->placed.origin.x + box.left) + 4, right = pixel(page.page->placed.origin.x + box.right) - 4;
    const int top = pixel(page.page->placed.origin.y + box.top) + 4, bottom = pixel(page.page->placed.origin.y + box.bottom) - 4;
    int text = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        ASSERT_EQ(plates[0].ink(x, y), plates[0].ink(left, top)) << "cyan knocked out at " << x << "," << y;
        if (plates[3].ink(x, y) > 128) ++text;
      }
    }
    EXPECT_NEAR(plates[0].ink(left, top), 0.3 * 255, 2);
    withText += text > 20;
  }
  EXPECT_GT(clues, 10);
  EXPECT_GT(withText, clues / 2) << "the clues' texts on the black plate";
}

// Each painting operator of the page with the overprint in force: fills
// (B: a clue background with its frame) knock out, black text and
// arrowheads (Tj, f) and every stroke overprint.
TEST_F(PressPdfTest, OverprintIsSetForBlackInkOnly) {
  const File file(Pdf(RichGrid(), Dated()));
  const Object page = file.pages().at(0);
  const Object states = file.get(file.get(page, "Resources"), "ExtGState");
  const std::string content = File::decoded(file.get(page, "Contents"));
  std::string state, fill;
  std::vector<std::string> operands;
  std::map<std::string, int> painted;
  for (std::size_t at = 0; at < content.size();) {
    const char c = content[at];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++at;
    } else if (c == '(') {
      for (int depth = 0; at < content.size(); ++at) {
        if (content[at] == '\\') ++at;
        else if (content[at] == '(') ++depth;
        else if (content[at] == ')' && --depth == 0) break;
      }
      ++at;
      operands.push_back("(string)");
    } else {
      const std::size_t end = content.find_first_of(" \n\r\t(", at + 1);
      const std::string token = content.substr(at, end - at);
      at = end;
      if (token[0] == '/' || token[0] == '-' || token[0] == '.' || std::isdigit(static_cast<unsigned char>(token[0]))) {
        operands.push_back(token);
        continue;
      }
      if (token == "gs") state = operands.back().substr(1);
      if (token == "k") fill = operands[operands.size() - 4] + operands[operands.size() - 3] +
                               operands[operands.size() - 2] + operands[operands.size() - 1];
      if (token == "B" || token == "f" || token == "Tj" || token == "S") {
        const Object gs = file.get(states, state);
        ASSERT_TRUE(gs.dict()) << token << " before any overprint state";
        EXPECT_TRUE(*std::get_if<bool>(&gs.get("OP")->value)) << token;
        EXPECT_EQ(*gs.get("OPM")->number(), 1);
        const bool fillsOverprint = *std::get_if<bool>(&gs.get("op")->value);
        if (token == "B") {
          EXPECT_FALSE(fillsOverprint);
        }
        if (token == "Tj" || token == "f") {
          EXPECT_TRUE(fillsOverprint) << token;
          EXPECT_EQ(fill, "0001") << token;
        }
        ++painted[token];
      }
      operands.clear();
    }
  }
  for (const char* op : {"B", "f", "Tj", "S"}) EXPECT_GT(painted[op], 0) << op;
}

// A default puzzle is black ink only; crop marks are on every plate.
TEST_F(PressPdfTest, InkCoverageOfADefaultPuzzleIsBlackOnly) {
  const std::filesystem::path in = folder.write("ink.pdf", Pdf(RichGrid(), Dated()));
  const ToolRun coverage = run("gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=inkcov -o - '" + in.string() + "'");
  ASSERT_EQ(coverage.status, 0) << coverage.output;
  std::istringstream inks(coverage.output);
  double c = -1, m = -1, y = -1, k = -1;
  inks >> c >> m >> y >> k;
  EXPECT_EQ(c, 0);
  EXPECT_EQ(m, 0);
  EXPECT_EQ(y, 0);
  EXPECT_GT(k, 0);
}

// With margin 0 the grid's outer frame lies inside the trim, touching it,
// and nothing is printed in the bleed; crop marks lie outside the bleed on
// all four plates, at each corner along the trim's edges.
TEST_F(PressPdfTest, FrameInsideTheTrimWhiteBleedAndCropMarks) {
  PressSettings press = Dated();
  press.cropMarks = true;
  const int dpi = 254;  // ten pixels to the millimetre
  const std::vector<TiffPlate> plates = separations(Pdf(RichGrid(), press), dpi);
  const TiffPlate& black = plates[3];
  const int outside = static_cast<int>(std::lround((press.bleed + kCropMarkGap + kCropMarkLength) * 10));
  const int bleed = static_cast<int>(std::lround(press.bleed * 10));
  const int trimRight = black.width() - outside, trimBottom = black.height() - outside;
  const auto inked = [&](const TiffPlate& plate, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) count += plate.ink(x, y) > 128;
    return count;
  };
  // The frame's outer edge on the trim's first and last pixels.
  EXPECT_GT(inked(black, outside, outside + 20, outside + 1, trimBottom - 20), 100);
  EXPECT_GT(inked(black, trimRight - 1, outside + 20, trimRight, trimBottom - 20), 100);
  EXPECT_GT(inked(black, outside + 20, outside, trimRight - 20, outside + 1), 50);
  // The bleed is white on every plate (but for the pixel at the trim, which
  // the trim's edge may just enter: the boxes lie on 1/32 pt).
  for (const TiffPlate& plate : plates) {
    EXPECT_EQ(inked(plate, outside - bleed, outside - bleed, trimRight + bleed, outside - 1), 0);
    EXPECT_EQ(inked(plate, outside - bleed, outside, outside - 1, trimBottom), 0);
    EXPECT_EQ(inked(plate, trimRight + 1, outside, trimRight + bleed, trimBottom), 0);
    EXPECT_EQ(inked(plate, outside - bleed, trimBottom + 1, trimRight + bleed, trimBottom + bleed), 0);
    // A mark in the middle of its length, on the line of each trim edge.
    const int mid = static_cast<int>(std::lround((press.bleed + kCropMarkGap + kCropMarkLength / 2) * 10));
    for (const int x : {outside, trimRight - 1}) {
      EXPECT_GT(inked(plate, x - 1, outside - mid, x + 2, outside - mid + 1), 0) << x;
      EXPECT_GT(inked(plate, x - 1, trimBottom + mid, x + 2, trimBottom + mid + 1), 0) << x;
    }
    for (const int y : {outside, trimBottom - 1}) {
      EXPECT_GT(inked(plate, outside - mid, y - 1, outside - mid + 1, y + 2), 0) << y;
      EXPECT_GT(inked(plate, trimRight + mid, y - 1, trimRight + mid + 1, y + 2), 0) << y;
    }
  }
}

// On a paper size the trim is the paper and the puzzle sits in its middle;
// a puzzle larger than the paper is refused.
TEST_F(PressPdfTest, PaperSizeCentresThePuzzle) {
  PressSettings press = Dated();
  press.paper = PaperSize{148, 210};
  press.bleed = 0;
  const File file(Pdf(RichGrid(), press));
  const std::vector<double> trim = Box(file.pages().at(0), "TrimBox");
  EXPECT_NEAR(trim[2] - trim[0], 148 * kPoints, 0.04);
  EXPECT_NEAR(trim[3] - trim[1], 210 * kPoints, 0.04);
  const int dpi = 254;
  const TiffPlate black = separations(Pdf(RichGrid(), press), dpi)[3];
  int left = black.width(), right = -1, top = black.height(), bottom = -1;
  for (int y = 0; y < black.height(); ++y) {
    for (int x = 0; x < black.width(); ++x) {
      if (black.ink(x, y) <= 128) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_NEAR(left, black.width() - 1 - right, 1);
  EXPECT_NEAR(top, black.height() - 1 - bottom, 1);

  press.paper = PaperSize{50, 50};
  const ScanwordDocument doc = RichGrid();
  const PrintBytes refused = PrintWriter(doc, {}, {}, DefaultFont(), press).pdf({}, "x");
  ASSERT_TRUE(refused.failure);
  char size[64];
  std::snprintf(size, sizeof size, "%.1f × %.1f", doc.gridWidth * 12.636 + 0.2, doc.gridHeight * 12.636 + 0.2);
  std::string expected = std::string("Сканворд (") + size + " мм) не помещается на страницу 50,0 × 50,0 мм";
  std::replace(expected.begin(), expected.begin() + 40, '.', ',');
  EXPECT_EQ(refused.failure->text, expected);
  EXPECT_TRUE(refused.bytes.empty());
}

// A page is as large as libhpdf can write its numbers, 32767 pt (11559.5
// mm) a side; one larger is said as the page's fault, never the font's.
TEST_F(PressPdfTest, APageTooLargeForPdfIsSaidAsSuch) {
  const ScanwordDocument doc = RichGrid();
  PressSettings press = Dated();
  press.bleed = 0;
  struct Case {
    PaperSize paper;
    bool written;
  };
  for (const Case& c : {Case{{11559, 300}, true}, Case{{300, 11559}, true}, Case{{11560, 300}, false},
                        Case{{300, 11560}, false}, Case{{20000, 20000}, false}}) {
    press.paper = c.paper;
    const PrintBytes made = PrintWriter(doc, {}, {}, DefaultFont(), press).pdf({}, "x");
    SCOPED_TRACE(std::to_string(c.paper.width) + " x " + std::to_string(c.paper.height));
    if (c.written) {
      ASSERT_FALSE(made.failure) << made.failure->text;
      const std::vector<double> media = Box(File(made.bytes).pages().at(0), "MediaBox");
      EXPECT_NEAR(media[2] - media[0], c.paper.width * kPoints, 0.04);
      continue;
    }
    ASSERT_TRUE(made.failure);
    char size[64];
    std::snprintf(size, sizeof size, "%.1f × %.1f", c.paper.width, c.paper.height);
    std::string expected = std::string("Страница ") + size +
                           " мм больше, чем можно записать в PDF: не больше 11559 мм по каждой стороне";
    std::replace(expected.begin(), expected.begin() + 40, '.', ',');
    EXPECT_EQ(made.failure->text, expected);
    EXPECT_TRUE(made.bytes.empty());
  }
  // The page is refused as it is added, and so is every page after it.
  PressPdf pdf(DefaultFont(), "x", press);
  EXPECT_FALSE(pdf.addPage(PageAroundTrim(11560, 300, press), {}));
  EXPECT_FALSE(pdf.addPage(PageAroundTrim(300, 300, press), {}));
  EXPECT_TRUE(pdf.finish().failure);
}

// The same input, the same bytes; another date changes the two dates only.
TEST_F(PressPdfTest, SameBytesAndTheDateChangesOnlyTheDates) {
  const std::string first = Pdf(RichGrid(), Dated()), second = Pdf(RichGrid(), Dated());
  EXPECT_EQ(first, second);
  PressSettings later = Dated();
  later.date = kDate + 86400 * 400 + 3661;
  std::string dated = Pdf(RichGrid(), later);
  EXPECT_NE(dated, first);
  const std::string laterText = "D:20241218231421+00'00'";
  int replaced = 0;
  for (std::size_t at; (at = dated.find(laterText)) != std::string::npos; ++replaced)
    dated.replace(at, laterText.size(), kDateText);
  EXPECT_EQ(replaced, 2);
  EXPECT_EQ(dated, first);
}

TEST(OutputCondition, RegisteredNamesAndProfileChecks) {
  EXPECT_EQ(FindRegisteredCondition("fogra39")->condition, "Coated FOGRA39");
  EXPECT_EQ(FindRegisteredCondition("GRACoL")->identifier, "CGATS TR 006");
  EXPECT_EQ(FindRegisteredCondition("FOGRA99"), nullptr);
  const std::string good = TempFolder::Read(kGhostscriptCmykProfile);
  EXPECT_FALSE(CheckOutputProfile(good, "p.icc"));
  struct Bad {
    std::size_t at;
    const char* bytes;
    const char* fault;
  };
  for (const Bad& bad : {Bad{36, "xxxx", "это не профиль ICC"}, Bad{12, "mntr", "нужен профиль печати (класс prtr)"},
                         Bad{16, "RGB ", "нужен профиль для данных CMYK"}, Bad{8, "\x04", "нужен профиль ICC версии 2"}}) {
    std::string bytes = good;
    bytes.replace(bad.at, std::strlen(bad.bytes), bad.bytes);
    const Failure failure = CheckOutputProfile(bytes, "p.icc");
    ASSERT_TRUE(failure) << bad.fault;
    EXPECT_EQ(failure->text, std::string("Профиль p.icc: ") + bad.fault);
  }
  EXPECT_EQ(CheckOutputProfile(good.substr(0, good.size() - 1), "p.icc")->text, "Профиль p.icc: файл профиля неполный");
}

}  // namespace
}  // namespace verstak
