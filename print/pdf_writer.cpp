#include "print/pdf_writer.h"

#include <hpdf_objects.h>
#include <hpdf_pages.h>
#include <hpdf_streams.h>

#include <algorithm>
#include <bitset>
#include <charconv>
#include <cmath>

#include "document/cp1251.h"
#include "print/hpdf_document.h"
#include "print/printable_text.h"

namespace verstak {
namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
// A quarter circle drawn as one Bézier curve: the control points lie this
// far along the tangents, in radii.
constexpr double kCircleControl = 0.5522847498;

// The page's content stream, written here rather than through libhpdf's
// operator functions, which clear a 512-byte buffer for every operator: a
// 99 x 99 grid has some 40000 shapes.
class PdfContent {
 public:
  PdfContent(const Drawing& drawing, std::string fontName)
      : height_(drawing.pageHeight), fontName_(std::move(fontName)) {
    bytes_.reserve(4096 + drawing.shapes.size() * 64);
  }

  const std::string& bytes() const { return bytes_; }
  // The clue bytes shown, so that the embedded font keeps their glyphs.
  const std::bitset<256>& shown() const { return shown_; }

  void lineWidth(double millimetres) {
    number(millimetres * kPointsPerMillimetre);
    bytes_ += "w\n";
  }

  void rectangle(const Shape& shape, const RectangleShape& rectangle) {
    const PageBox& box = rectangle.box;
    strokeColour(kBlack);
    if (rectangle.filled) fillColour(shape.colour);
    const double radius = std::min({rectangle.cornerRadius, box.width() / 2, box.height() / 2});
    if (radius > 0) {
      roundedPath(box, radius);
    } else {
      point({box.left, box.bottom});
      number(box.width() * kPointsPerMillimetre);
      number(box.height() * kPointsPerMillimetre);
      bytes_ += "re\n";
    }
    bytes_ += rectangle.filled ? "B\n" : "S\n";
  }

  void arrow(const ArrowShape& arrow) {
    strokeColour(kBlack);
    const std::vector<PagePoint> points = StrokePoints(arrow);
    moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) lineTo(points[i]);
    bytes_ += "S\n";
    if (!arrow.head) return;
    fillColour(kBlack);
    moveTo((*arrow.head)[0]);
    lineTo((*arrow.head)[1]);
    lineTo((*arrow.head)[2]);
    bytes_ += "h f\n";
  }

  void text(const Shape& shape, const TextBlock& block) {
    if (block.lines.empty()) return;
    fillColour(shape.colour);
    bytes_ += "BT /" + fontName_ + " ";
    number(block.size);
    bytes_ += "Tf\n";
    // Upright text turns the text space 90 degrees anticlockwise.
    const char* const turn = block.upright ? "0 1 -1 0 " : "1 0 0 1 ";
    for (const SetLine& line : block.lines) {
      bytes_ += turn;
      point(line.origin);
      bytes_ += "Tm (";
      for (const char c : line.text) {
        if (c == '(' || c == ')' || c == '\\') bytes_ += '\\';
        bytes_ += c;
        shown_.set(static_cast<unsigned char>(c));
      }
      bytes_ += ") Tj\n";
    }
    bytes_ += "ET\n";
  }

 private:
  // Points to a thousandth, without trailing zeros.
  void number(double value) {
    char digits[32];
    if (std::abs(value) < 0.0005) value = 0;
    char* end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 3).ptr;
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
    bytes_.append(digits, end);
    bytes_ += ' ';
  }
  // Millimetres from the top-left corner to points from the bottom-left.
  void point(const PagePoint& p) {
    number(p.x * kPointsPerMillimetre);
    number((height_ - p.y) * kPointsPerMillimetre);
  }
  void moveTo(const PagePoint& p) {
    point(p);
    bytes_ += "m\n";
  }
  void lineTo(const PagePoint& p) {
    point(p);
    bytes_ += "l\n";
  }

  void colour(const Cmyk& colour, const char* op) {
    for (double ink : {colour.cyan, colour.magenta, colour.yellow, colour.black}) number(ink / 100);
    bytes_ += op;
  }
  void fillColour(const Cmyk& c) {
    if (fill_ == c) return;
    fill_ = c;
    colour(c, "k\n");
  }
  void strokeColour(const Cmyk& c) {
    if (stroke_ == c) return;
    stroke_ = c;
    colour(c, "K\n");
  }

  void roundedPath(const PageBox& box, double r) {
    const double c = r * (1 - kCircleControl);
    auto curve = [&](PagePoint a, PagePoint b, PagePoint to) {
      point(a);
      point(b);
      point(to);
      bytes_ += "c\n";
    };
    moveTo({box.left + r, box.top});
    lineTo({box.right - r, box.top});
    curve({box.right - c, box.top}, {box.right, box.top + c}, {box.right, box.top + r});
    lineTo({box.right, box.bottom - r});
    curve({box.right, box.bottom - c}, {box.right - c, box.bottom}, {box.right - r, box.bottom});
    lineTo({box.left + r, box.bottom});
    curve({box.left + c, box.bottom}, {box.left, box.bottom - c}, {box.left, box.bottom - r});
    lineTo({box.left, box.top + r});
    curve({box.left, box.top + c}, {box.left + c, box.top}, {box.left + r, box.top});
    bytes_ += "h ";
  }

  double height_;
  std::string fontName_;
  std::string bytes_;
  std::bitset<256> shown_;
  // What the page's colours are set to; no colour is negative, so the first one is always set.
  Cmyk fill_{-1, -1, -1, -1};
  Cmyk stroke_{-1, -1, -1, -1};
};

// MediaBox and TrimBox alike: the page is the grid and its margin, nothing to trim.
// Set directly, as libhpdf's own page size refuses pages below 3 pt or above 14400 pt.
void SetPageBoxes(HPDF_Page page, const Drawing& drawing) {
  const HPDF_Box box{0, 0, static_cast<HPDF_REAL>(drawing.pageWidth * kPointsPerMillimetre),
                     static_cast<HPDF_REAL>(drawing.pageHeight * kPointsPerMillimetre)};
  HPDF_Dict_Add(page, "MediaBox", HPDF_Box_Array_New(page->mmgr, box));
  HPDF_Dict_Add(page, "TrimBox", HPDF_Box_Array_New(page->mmgr, box));
}

std::string Read(HPDF_Doc pdf) {
  std::string bytes(HPDF_GetStreamSize(pdf), '\0');
  HPDF_UINT32 size = static_cast<HPDF_UINT32>(bytes.size());
  HPDF_ReadFromStream(pdf, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
  bytes.resize(size);
  return bytes;
}

}  // namespace

PrintBytes PdfBytes(const Drawing& drawing, const TypesetFont& font, std::string_view title) {
  const UserMessage failed = UserMessage::Error("Не удалось составить PDF со шрифтом " + font.file.string());
  HpdfDocument document;
  HPDF_Doc pdf = document.get();
  // The embedded font is compressed; the page content stays plain text.
  HPDF_SetCompressionMode(pdf, HPDF_COMP_METADATA);
  HPDF_Font clueFont = document.loadCp1251Font(font.file, true);
  if (clueFont == nullptr) return {{}, failed};
  HPDF_SetCurrentEncoder(pdf, "CP1251");
  HPDF_SetInfoAttr(pdf, HPDF_INFO_TITLE, PrintableText(Utf8ToCp1251(title)).c_str());
  HPDF_SetInfoAttr(pdf, HPDF_INFO_CREATOR, "VERSTAK");

  HPDF_Page page = HPDF_AddPage(pdf);
  if (page == nullptr) return {{}, failed};
  SetPageBoxes(page, drawing);
  // Puts the font among the page's resources under a name of its own.
  HPDF_Page_BeginText(page);
  HPDF_Page_SetFontAndSize(page, clueFont, 1);
  HPDF_Page_EndText(page);
  const char* fontName = HPDF_Page_GetLocalFontName(page, clueFont);
  if (fontName == nullptr) return {{}, failed};

  PdfContent content(drawing, fontName);
  content.lineWidth(drawing.lineWidth);
  for (const Shape& shape : drawing.shapes) {
    if (const auto* rectangle = std::get_if<RectangleShape>(&shape.form)) {
      content.rectangle(shape, *rectangle);
    } else if (const auto* arrow = std::get_if<ArrowShape>(&shape.form)) {
      content.arrow(*arrow);
    } else {
      content.text(shape, std::get<TextBlock>(shape.form));
    }
  }
  const auto* attributes = static_cast<HPDF_PageAttr>(page->attr);
  HPDF_Stream_Write(attributes->stream, reinterpret_cast<const HPDF_BYTE*>(content.bytes().data()),
                    static_cast<HPDF_UINT>(content.bytes().size()));
  // libhpdf embeds the glyphs it has measured.
  std::string shown;
  for (int byte = 1; byte < 256; ++byte) {
    if (content.shown().test(static_cast<std::size_t>(byte))) shown += static_cast<char>(byte);
  }
  HPDF_Font_TextWidth(clueFont, reinterpret_cast<const HPDF_BYTE*>(shown.data()), static_cast<HPDF_UINT>(shown.size()));
  if (document.failed() || HPDF_SaveToStream(pdf) != HPDF_OK) return {{}, failed};
  std::string bytes = Read(pdf);
  if (document.failed() || bytes.empty()) return {{}, failed};
  return {std::move(bytes), std::nullopt};
}

}  // namespace verstak
