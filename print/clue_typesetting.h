#pragma once
// Setting one clue in its rectangle: its lines as one block, centred on the
// rectangle, each line centred. A size fits when every line and the block's
// height fit inside the rectangle less the inner margin; the sizes tried go
// from the settings' size down to the minimum in steps of 0.25 pt. At a size
// the clue keeps its stored lines when they fit, else its text is broken
// again (see ClueRun); a clue that fits at no size is set at the minimum and
// clipped to its rectangle.

#include <optional>
#include <string>
#include <vector>

#include "document/definition_text.h"
#include "print/clue_breaking.h"
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
  int lines = 0;          // lines set
  bool rebroken = false;  // its text broken into lines again, not as stored
  int overflowLine = 0;       // number of the first set line that does not fit; 0 when all do
  std::string overflowText;   // that line, cp1251
  double overflowWidth = 0;   // mm along the lines
  double overflowHeight = 0;  // mm across them
};

struct SetLine {
  std::string text;  // cp1251, printable
  int number = 0;    // its line number: in the clue (1..16) as stored, else from 1 as set
  PagePoint origin;  // left end of its baseline as read; for upright text the lower end
  double width = 0;  // mm
};

struct TextBlock {
  PageBox box;                // the rectangle the clue is centred on
  bool upright = false;       // reads upwards, turned 90 degrees anticlockwise
  double size = 0;            // pt
  double lineHeight = 0;      // mm from one baseline to the next
  double baselineOffset = 0;  // mm from the top of a line's box to its baseline
  bool kerned = false;        // the lines' neighbours kerned by the font's pairs
  bool clipped = false;       // fits at no size: drawn only inside `box`
  std::vector<SetLine> lines;
  ClueFit fit;
};

// The sizes tried, largest first: the settings' size in steps of 0.25 pt,
// then the minimum when the steps pass it.
std::vector<double> TriedSizes(const TypesetSettings& settings);

// One clue in its rectangle, measured once and set at any size.
class ClueSetting {
 public:
  ClueSetting(const DefinitionText& clue, const PageBox& box, bool upright, const TypesetSettings& settings,
              const TypesetFont& font, WordHyphenation& hyphenation);

  bool fitsAt(double size) const;
  // The largest size tried at which the clue fits; nullopt when it fits at none.
  std::optional<double> largestFit() const;
  // At `size`: its stored lines if they fit, else broken again; a clue that
  // does not fit is clipped. The fit's slot, row, column and half are the caller's.
  TextBlock setAt(double size) const;

 private:
  struct StoredLine {
    std::string text;
    int number;
    long long advance;  // thousandths of the size
  };
  struct Room {
    double width;  // thousandths of the size, along the lines
    int lines;     // how many lines fit across
  };
  Room roomAt(double size) const;
  bool storedFit(const Room& room) const;
  void report(TextBlock& set) const;

  const TypesetSettings& settings_;
  const TypesetFont& font_;
  PageBox box_;
  bool upright_;
  bool empty_;
  double along_;   // mm inside the margins
  double across_;
  std::vector<StoredLine> stored_;
  long long storedWidest_ = 0;
  ClueRun run_;
};

// Sets `clue` on `box` alone, at the largest size at which it fits.
TextBlock SetClue(const DefinitionText& clue, const PageBox& box, bool upright, const TypesetSettings& settings,
                  const TypesetFont& font);

}  // namespace verstak
