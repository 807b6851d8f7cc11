#pragma once
// The drawing as a one-page vector PDF for the press: DeviceCMYK fills and
// strokes, the clue font embedded, the clue lines as real text. The same
// drawing gives the same bytes: no date and no random ID are written.

#include <string>
#include <string_view>

#include "document/user_message.h"
#include "print/print_drawing.h"
#include "print/typeset_font.h"

namespace verstak {

struct PrintBytes {
  std::string bytes;
  Failure failure;
};

// `title` (UTF-8) becomes the document's title; characters cp1251 cannot
// hold become "?".
PrintBytes PdfBytes(const Drawing& drawing, const TypesetFont& font, std::string_view title);

}  // namespace verstak
