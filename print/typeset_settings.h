#pragma once
// How the print output sets what the macro leaves to CorelDRAW's defaults:
// the clue font and its sizes, line spacing, the margin inside each clue
// rectangle, the width of frames and arrows, arrowheads, and the margin of
// the page around the grid.

#include <string>

namespace verstak {

struct TypesetSettings {
  // A family name resolved with fontconfig ("PT Sans Narrow:bold" also picks
  // a style), or the path of a .ttf file.
  std::string font = "PT Sans Narrow";
  double size = 7.0;         // pt: the size each clue is set at when it fits
  double minimumSize = 5.0;  // pt: the smallest size tried, in steps of 0.25 pt
  // Line distance as a multiple of the size. In PT Sans Narrow the deepest
  // descender (у, 205/1000 of the size) and the highest accent (Й, 870/1000)
  // meet at 1.075; 1.15 leaves 0.075 of the size between them.
  double lineSpacing = 1.15;
  double innerMargin = 0.4;  // mm, on every side of a clue's rectangle
  double lineWidth = 0.2;    // mm, frames and arrows
  bool arrowheads = true;    // a small filled triangle at each arrow's end
  bool kerning = true;       // pairs kerned as the font says, in the measure and the output
  double pageMargin = 0.0;   // mm around the grid on every side of the page

  friend bool operator==(const TypesetSettings&, const TypesetSettings&) = default;
};

// The ranges the preview's boxes offer and verstak-batch accepts, ends
// included.
struct TypesetLimits {
  static constexpr double kSmallestSize = 1.0;  // pt
  static constexpr double kLargestSize = 100.0;
  static constexpr double kSmallestSpacing = 0.5;
  static constexpr double kLargestSpacing = 5.0;
  static constexpr double kThinnestLine = 0.05;  // mm
  static constexpr double kThickestLine = 5.0;
  static constexpr double kWidestMargin = 1000.0;  // mm
};

// The step between the sizes tried for a clue.
inline constexpr double kSizeStep = 0.25;

// A puzzle is set at one size where it can be: the largest size tried at
// which all its clues with text that fit at some size fit, but this many in
// a hundred of them, rounded down (so a puzzle of fewer than 20 such clues
// needs them all). Those few share a second size, the largest at which all
// of them fit.
inline constexpr int kMisfitsPerHundred = 5;

}  // namespace verstak
