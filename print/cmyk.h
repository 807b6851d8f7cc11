#pragma once
// Print colours as CMYK percentages, the way the press gets them.

#include <string>

#include "settings/print_settings.h"

namespace verstak {

struct Cmyk {
  double cyan = 0;
  double magenta = 0;
  double yellow = 0;
  double black = 0;

  friend bool operator==(const Cmyk&, const Cmyk&) = default;
};

// Frames, arrows, bars and text: pure black, no rich black.
inline constexpr Cmyk kBlack{0, 0, 0, 100};
// Picture cells: the macro's 50 % grey.
inline constexpr Cmyk kPictureGrey{0, 0, 0, 50};

// The clue background of the settings: each colour text read as the integer
// the settings dialog accepted (blanks before it, a comma after it), kept to
// 0..100 so that no value outside the press's range reaches the output.
Cmyk ClueColour(const PrintSettings& settings);

// "#rrggbb" for screens: r = 255 (1 - c) (1 - k), and so on.
std::string RgbHex(const Cmyk& colour);

}  // namespace verstak
