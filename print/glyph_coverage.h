#pragma once
// Every character a drawing sets must be in its font: a missing glyph would
// print as an empty box while every check of the text still passed.

#include "document/user_message.h"
#include "print/print_drawing.h"
#include "print/typeset_font.h"

namespace verstak {

// The first character set in the drawing that the font lacks, named with
// its clue's cell and the font; none when the font has them all.
Failure MissingGlyph(const Drawing& drawing, const TypesetFont& font);

}  // namespace verstak
