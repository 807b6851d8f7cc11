#pragma once
// The swatch grid of the settings dialog: the 16 standard colours, numbered
// row by row (row x 4 + column), each setting the four colour fields to the
// CMYK percentages of its print colour.

#include <cstdint>
#include <string_view>

namespace verstak {

struct ColourPreset {
  std::uint8_t red, green, blue;  // the swatch on screen
  std::string_view cyan, magenta, yellow, black;
};

inline constexpr ColourPreset kColourPresets[16] = {
    {0, 0, 0, "0", "0", "0", "100"},          // black
    {128, 0, 0, "0", "60", "60", "40"},       // dark red
    {0, 128, 0, "100", "0", "100", "0"},      // dark green
    {128, 128, 0, "20", "0", "60", "20"},     // olive
    {0, 0, 128, "100", "100", "0", "0"},      // navy
    {128, 0, 128, "40", "100", "0", "0"},     // purple
    {0, 128, 128, "60", "0", "40", "20"},     // teal
    {192, 192, 192, "0", "0", "0", "20"},     // silver
    {128, 128, 128, "0", "0", "0", "70"},     // grey
    {255, 0, 0, "0", "100", "100", "0"},      // red
    {0, 255, 0, "40", "0", "100", "0"},       // lime
    {255, 255, 0, "0", "0", "100", "0"},      // yellow
    {0, 0, 255, "100", "0", "0", "0"},        // blue
    {255, 0, 255, "0", "100", "0", "0"},      // fuchsia
    {0, 255, 255, "50", "0", "0", "0"},       // aqua
    {255, 255, 255, "0", "0", "0", "0"},      // white
};

// Selected when the dialog first shows: silver, the default clue colour.
inline constexpr int kInitialColourPreset = 7;

}  // namespace verstak
