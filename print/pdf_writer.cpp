#include "print/pdf_writer.h"

#include <algorithm>
#include <bitset>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>

#include "document/cp1251.h"
#include "print/glyph_coverage.h"
#include "print/press_pdf.h"
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
  PdfContent(const Drawing& drawing, const TypesetFont& font, std::string fontName)
      : height_(drawing.pageHeight), font_(font), fontName_(std::move(fontName)) {
    bytes_.reserve(4096 + drawing.shapes.size() * 64);
  }

  const std::string& bytes() const { return bytes_; }
  // The clue bytes shown, so that the embedded font keeps their glyphs.
  const std::bitset<256>& shown() const { return shown_; }

  // The overprint of what follows; set only when it changes.
  void overprint(Overprint state) {
    if (overprint_ == state) return;
    overprint_ = state;
    bytes_ += '/';
    bytes_ += OverprintStateName(state);
    bytes_ += " gs\n";
  }

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
    // A clue that fits at no size shows only inside its rectangle.
    if (block.clipped) {
      bytes_ += "q ";
      point({block.box.left, block.box.bottom});
      number(block.box.width() * kPointsPerMillimetre);
      number(block.box.height() * kPointsPerMillimetre);
      bytes_ += "re W n\n";
    }
    bytes_ += "BT /" + fontName_ + " ";
    number(block.size);
    bytes_ += "Tf\n";
    // Upright text turns the text space 90 degrees anticlockwise.
    const char* const turn = block.upright ? "0 1 -1 0 " : "1 0 0 1 ";
    for (const SetLine& line : block.lines) {
      bytes_ += turn;
      point(line.origin);
      bytes_ += "Tm ";
      showLine(line.text, block.kerned);
    }
    bytes_ += "ET\n";
    if (block.clipped) bytes_ += "Q\n";
  }

 private:
  // "(text) Tj", or with kerning "[(te) 30 (xt)] TJ": a number in TJ moves
  // the next glyph back by thousandths of the size.
  void showLine(std::string_view text, bool kerned) {
    bool adjusted = false;
    for (std::size_t i = 1; kerned && i < text.size(); ++i) {
      adjusted = adjusted || font_.kern(static_cast<unsigned char>(text[i - 1]), static_cast<unsigned char>(text[i])) != 0;
    }
    bytes_ += adjusted ? "[(" : "(";
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      const int kern = adjusted && i > 0 ? font_.kern(static_cast<unsigned char>(text[i - 1]), static_cast<unsigned char>(c)) : 0;
      if (kern != 0) bytes_ += ") " + std::to_string(-kern) + " (";
      if (c == '(' || c == ')' || c == '\\') bytes_ += '\\';
      bytes_ += c;
      shown_.set(static_cast<unsigned char>(c));
    }
    bytes_ += adjusted ? ")] TJ\n" : ") Tj\n";
  }

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
  const TypesetFont& font_;
  std::string fontName_;
  std::string bytes_;
  std::bitset<256> shown_;
  // What the page's colours are set to; no colour is negative, so the first one is always set.
  Cmyk fill_{-1, -1, -1, -1};
  Cmyk stroke_{-1, -1, -1, -1};
  std::optional<Overprint> overprint_;
};

}  // namespace

PdfDrawingContent DrawingContent(const Drawing& drawing, const TypesetFont& font, const std::string& fontName) {
  PdfContent content(drawing, font, fontName);
  content.lineWidth(drawing.lineWidth);
  for (const Shape& shape : drawing.shapes) {
    if (const auto* rectangle = std::get_if<RectangleShape>(&shape.form)) {
      content.overprint(Overprint::Lines);
      content.rectangle(shape, *rectangle);
    } else if (const auto* arrow = std::get_if<ArrowShape>(&shape.form)) {
      content.overprint(Overprint::LinesAndFills);
      content.arrow(*arrow);
    } else {
      content.overprint(shape.colour == kBlack ? Overprint::LinesAndFills : Overprint::Lines);
      content.text(shape, std::get<TextBlock>(shape.form));
    }
  }
  return {content.bytes(), content.shown()};
}

PrintBytes PdfBytes(const Drawing& drawing, const TypesetFont& font, std::string_view title,
                    const PressSettings& press) {
  const Drawing* const pages[] = {&drawing};
  return PdfPagesBytes(pages, font, title, press);
}

PrintBytes PdfPagesBytes(std::span<const Drawing* const> drawings, const TypesetFont& font, std::string_view title,
                         const PressSettings& press) {
  PressPdf pdf(font, title, press);
  for (const Drawing* drawing : drawings) {
    if (Failure missing = MissingGlyph(*drawing, font)) return {{}, std::move(missing)};
    const PuzzlePageOutcome page = PuzzlePageOf(*drawing, press);
    if (page.failure) return {{}, page.failure};
    pdf.addPage(page.page->page, std::span(&page.page->placed, 1));
  }
  return pdf.finish();
}

}  // namespace verstak
