#include "print/svg_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "document/cp1251.h"
#include "print/press_page.h"
#include "print/printable_text.h"

namespace verstak {
namespace {

class SvgText {
 public:
  SvgText& operator<<(std::string_view text) {
    bytes_ += text;
    return *this;
  }
  SvgText& operator<<(int number) {
    bytes_ += std::to_string(number);
    return *this;
  }
  // Millimetres to a ten-thousandth, without trailing zeros.
  SvgText& operator<<(double number) {
    char digits[32];
    if (std::abs(number) < 0.00005) number = 0;
    const auto end = std::to_chars(digits, digits + sizeof digits, number, std::chars_format::fixed, 4).ptr;
    std::string_view text(digits, static_cast<std::size_t>(end - digits));
    while (text.ends_with('0')) text.remove_suffix(1);
    if (text.ends_with('.')) text.remove_suffix(1);
    bytes_ += text;
    return *this;
  }
  // XML text: markup characters as entities; the rest is valid UTF-8 already.
  void escaped(std::string_view utf8) {
    for (const char c : utf8) {
      switch (c) {
        case '&': bytes_ += "&amp;"; break;
        case '<': bytes_ += "&lt;"; break;
        case '>': bytes_ += "&gt;"; break;
        case '"': bytes_ += "&quot;"; break;
        case '\'': bytes_ += "&apos;"; break;
        default: bytes_ += c;
      }
    }
  }
  // cp1251 clue bytes, printable already (see PrintableText): each byte's
  // UTF-8 form, markup characters as entities.
  void escapedCp1251(std::string_view cp1251) {
    static const std::array<std::string, 256> kForms = [] {
      std::array<std::string, 256> forms;
      for (int byte = 0; byte < 256; ++byte) {
        const std::string utf8 = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
        SvgText text;
        text.escaped(utf8);
        forms[static_cast<std::size_t>(byte)] = text.take();
      }
      return forms;
    }();
    for (const char c : cp1251) bytes_ += kForms[static_cast<unsigned char>(c)];
  }

  std::string take() { return std::move(bytes_); }
  void reserve(std::size_t bytes) { bytes_.reserve(bytes); }

 private:
  std::string bytes_;
};

class SvgPage {
 public:
  SvgPage(const Drawing& drawing, const TypesetFont& font) : drawing_(drawing), font_(font) {}

  std::string write(std::string_view title) {
    out_.reserve(4096 + drawing_.shapes.size() * 256);
    // The page takes in the outer half of the grid's frame too.
    const PageBox extent = DrawingExtent(drawing_);
    out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         << "<svg xmlns=\"http://www.w3.org/2000/svg\" "
            "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\""
         << extent.width() << "mm\" height=\"" << extent.height() << "mm\" viewBox=\"" << extent.left << " "
         << extent.top << " " << extent.width() << " " << extent.height() << "\">\n<title>";
    out_.escapedCp1251(PrintableText(Utf8ToCp1251(title)));
    out_ << "</title>\n";
    const bool layers = drawing_.layout == LayerMode::ByLayers;
    std::optional<LayerPass> open;
    for (const Shape& shape : drawing_.shapes) {
      if (layers && open != shape.pass) {
        if (open) out_ << "</g>\n";
        open = shape.pass;
        out_ << "<g inkscape:groupmode=\"layer\" inkscape:label=\"" << LayerName(shape.pass) << "\" id=\"layer-"
             << LayerName(shape.pass) << "\">\n";
      }
      if (const auto* rectangle = std::get_if<RectangleShape>(&shape.form)) {
        writeRectangle(shape, *rectangle);
      } else if (const auto* arrow = std::get_if<ArrowShape>(&shape.form)) {
        writeArrow(shape, *arrow);
      } else {
        writeText(shape, std::get<TextBlock>(shape.form));
      }
    }
    if (open) out_ << "</g>\n";
    out_ << "</svg>\n";
    return out_.take();
  }

 private:
  void cell(const Shape& shape) { out_ << " data-row=\"" << shape.row << "\" data-col=\"" << shape.column << "\""; }
  // ' fill="#rrggbb" data-cmyk="c,m,y,k"'; a drawing has few colours, each made once.
  void colour(const Cmyk& colour) {
    auto known = std::ranges::find(colours_, colour, &std::pair<Cmyk, std::string>::first);
    if (known == colours_.end()) {
      SvgText text;
      text << " fill=\"" << RgbHex(colour) << "\" data-cmyk=\"" << colour.cyan << "," << colour.magenta << ","
           << colour.yellow << "," << colour.black << "\"";
      colours_.emplace_back(colour, text.take());
      known = colours_.end() - 1;
    }
    out_ << known->second;
  }
  void stroke() { out_ << " stroke=\"" << RgbHex(kBlack) << "\" stroke-width=\"" << drawing_.lineWidth << "\""; }

  void writeRectangle(const Shape& shape, const RectangleShape& rectangle) {
    const PageBox& box = rectangle.box;
    out_ << "<rect x=\"" << box.left << "\" y=\"" << box.top << "\" width=\"" << box.width() << "\" height=\""
         << box.height() << "\"";
    if (rectangle.cornerRadius > 0) out_ << " rx=\"" << rectangle.cornerRadius << "\"";
    if (rectangle.filled) {
      colour(shape.colour);
    } else {
      out_ << " fill=\"none\"";
      out_ << " data-cmyk=\"0,0,0,100\"";
    }
    stroke();
    cell(shape);
    out_ << "/>\n";
  }

  void points(const std::vector<PagePoint>& list) {
    out_ << " points=\"";
    for (std::size_t i = 0; i < list.size(); ++i) out_ << (i ? " " : "") << list[i].x << "," << list[i].y;
    out_ << "\"";
  }

  void writeArrow(const Shape& shape, const ArrowShape& arrow) {
    out_ << "<polyline";
    points(StrokePoints(arrow));
    out_ << " fill=\"none\"";
    stroke();
    out_ << " data-cmyk=\"0,0,0,100\"";
    cell(shape);
    out_ << "/>\n";
    if (!arrow.head) return;
    out_ << "<polygon";
    points({arrow.head->begin(), arrow.head->end()});
    colour(shape.colour);
    cell(shape);
    out_ << "/>\n";
  }

  // The typesetter's lines where it put them, kerned by its own pairs: the
  // renderer's kerning is turned off, each pair's adjustment is a dx.
  void writeText(const Shape& shape, const TextBlock& block) {
    const PagePoint centre = block.box.centre();
    if (block.clipped) {
      ++clips_;
      out_ << "<clipPath id=\"clip-" << clips_ << "\"><rect x=\"" << block.box.left << "\" y=\"" << block.box.top
           << "\" width=\"" << block.box.width() << "\" height=\"" << block.box.height() << "\"/></clipPath>\n"
           << "<g clip-path=\"url(#clip-" << clips_ << ")\">";
    }
    out_ << "<text font-family=\"";
    out_.escaped(font_.family);
    out_ << ", sans-serif\" font-size=\"" << block.size * kMillimetresPerPoint
         << "\" style=\"font-kerning:none\" xml:space=\"preserve\"";
    colour(shape.colour);
    cell(shape);
    out_ << " data-slot=\"" << block.fit.slot << "\"";
    // Upright text is set as if straight about the centre and turned.
    if (block.upright) out_ << " transform=\"rotate(-90 " << centre.x << " " << centre.y << ")\"";
    out_ << ">";
    for (const SetLine& line : block.lines) {
      // An upright line's origin turned back about the centre.
      const PagePoint at = block.upright ? PagePoint{centre.x - (line.origin.y - centre.y), centre.y + (line.origin.x - centre.x)}
                                         : line.origin;
      out_ << "<tspan x=\"" << at.x << "\" y=\"" << at.y << "\"";
      if (block.kerned) kerning(line.text, block.size * kMillimetresPerPoint);
      out_ << ">";
      out_.escapedCp1251(line.text);
      out_ << "</tspan>";
    }
    out_ << "</text>";
    if (block.clipped) out_ << "</g>";
    out_ << "\n";
  }

  // ' dx="0 -0.05 0 ..."' in millimetres, one per character, when any pair is kerned.
  void kerning(std::string_view text, double size) {
    bool any = false;
    for (std::size_t i = 1; i < text.size(); ++i) {
      any = any || font_.kern(static_cast<unsigned char>(text[i - 1]), static_cast<unsigned char>(text[i])) != 0;
    }
    if (!any) return;
    out_ << " dx=\"0";
    for (std::size_t i = 1; i < text.size(); ++i) {
      const int kern = font_.kern(static_cast<unsigned char>(text[i - 1]), static_cast<unsigned char>(text[i]));
      out_ << " " << kern / 1000.0 * size;
    }
    out_ << "\"";
  }

  const Drawing& drawing_;
  const TypesetFont& font_;
  SvgText out_;
  std::vector<std::pair<Cmyk, std::string>> colours_;
  int clips_ = 0;
};

}  // namespace

std::string SvgBytes(const Drawing& drawing, const TypesetFont& font, std::string_view title) {
  return SvgPage(drawing, font).write(title);
}

}  // namespace verstak
