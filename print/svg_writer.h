#pragma once
// The drawing as SVG in millimetres, UTF-8: RGB colours for screens with the
// exact CMYK kept beside them, every shape tagged with its cell, the clue
// texts as text, and in the layout by layers one editor's layer per pass.

#include <string>
#include <string_view>

#include "print/print_drawing.h"
#include "print/typeset_font.h"

namespace verstak {

// `title` is UTF-8.
std::string SvgBytes(const Drawing& drawing, const TypesetFont& font, std::string_view title);

}  // namespace verstak
