#pragma once
// Setting one clue in its rectangle: its non-empty lines as one block,
// centred on the rectangle, each line centred, at the largest size from the
// settings' size down to the minimum in steps of 0.25 pt at which every line
// and the block's height fit inside the rectangle less the inner margin.

#include <string>
#include <vector>

#include "document/definition_text.h"
#include "print/print_geometry.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"

namespace verstak {

enum class ClueHalf { Whole, Top, Bottom, Left, Right };

// How a clue came out: its place, the size it was set at and, when it does
// not fit even at the minimum size, by how much.
struct ClueFit {
  int slot = 0;
  int row = 0;
  int column = 0;
  ClueHalf half = ClueHalf::Whole;
  bool upright = false;  // turned to read upwards
  double size = 0;       // pt
  bool empty = false;    // the slot holds no clue (its first line is empty)
  bool fits = true;
  int overflowLine = 0;       // number (1..16) of the first line that does not fit; 0 when all do
  std::string overflowText;   // that line, cp1251
  double overflowWidth = 0;   // mm along the lines
  double overflowHeight = 0;  // mm across them
};

struct SetLine {
  std::string text;  // cp1251, printable
  int number = 0;    // its line number in the clue, 1..16
  PagePoint origin;  // left end of its baseline as read; for upright text the lower end
  double width = 0;  // mm
};

struct TextBlock {
  PageBox box;                // the rectangle the clue is centred on
  bool upright = false;       // reads upwards, turned 90 degrees anticlockwise
  double size = 0;            // pt
  double lineHeight = 0;      // mm from one baseline to the next
  double baselineOffset = 0;  // mm from the top of a line's box to its baseline
  std::vector<SetLine> lines;
  ClueFit fit;
};

// Sets `clue` on `box`; the fit's slot, row, column and half are the caller's.
TextBlock SetClue(const DefinitionText& clue, const PageBox& box, bool upright, const TypesetSettings& settings,
                  const TypesetFont& font);

}  // namespace verstak
