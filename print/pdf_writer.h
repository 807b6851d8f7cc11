#pragma once
// The drawing as vector PDF for the press: DeviceCMYK fills and strokes,
// the clue font embedded, the clue lines as real text, on a PDF/X-1a page
// (see PressPdf). The same drawing and settings give the same bytes.

#include <bitset>
#include <span>
#include <string>
#include <string_view>

#include "document/user_message.h"
#include "print/press_settings.h"
#include "print/print_drawing.h"
#include "print/typeset_font.h"

namespace verstak {

struct PrintBytes {
  std::string bytes;
  Failure failure;
};

// What a page's graphics state overprints. 100 % black text, lines and
// arrowheads overprint, so that a misregistered plate leaves no white edge
// around them; fills (clue backgrounds, pictures, black cells) knock out.
enum class Overprint {
  Lines,          // strokes overprint, fills knock out
  LinesAndFills,  // both overprint: black text and arrows
};

// The page resource (an ExtGState) each state is set with.
constexpr const char* OverprintStateName(Overprint state) {
  return state == Overprint::Lines ? "GSk" : "GSo";
}

// The drawing's page operators, in points from its own bottom-left corner,
// and the clue bytes they show. `fontName` is the clue font's resource name;
// `font` gives the kerning of the lines set with it.
struct PdfDrawingContent {
  std::string bytes;
  std::bitset<256> shown;
};
PdfDrawingContent DrawingContent(const Drawing& drawing, const TypesetFont& font, const std::string& fontName);

// A one-page PDF/X-1a of the drawing. `title` (UTF-8) becomes the
// document's title; characters cp1251 cannot hold become "?". Fails when
// the drawing is larger than the settings' paper or a clue character is
// missing from the font.
PrintBytes PdfBytes(const Drawing& drawing, const TypesetFont& font, std::string_view title,
                    const PressSettings& press = {});

// A PDF/X-1a of one page for each drawing, in their order.
PrintBytes PdfPagesBytes(std::span<const Drawing* const> drawings, const TypesetFont& font, std::string_view title,
                         const PressSettings& press = {});

}  // namespace verstak
