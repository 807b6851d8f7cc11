#include "print/clue_typesetting.h"

#include <algorithm>

#include "print/printable_text.h"

namespace verstak {
namespace {

// Sizes and lengths are compared with this much room, so that a line that
// fits exactly is not refused for a rounding error.
constexpr double kTolerance = 1e-9;

struct MeasuredLine {
  std::string text;
  int number;
  long long advance;  // thousandths of the size
};

std::vector<MeasuredLine> PrintedLines(const DefinitionText& clue, const TypesetFont& font) {
  std::vector<MeasuredLine> lines;
  for (int number = 1; number <= kDefinitionLines; ++number) {
    std::string text = PrintableText(clue.line(number).text());
    if (text.empty()) continue;
    const long long advance = font.lineAdvance(text);
    lines.push_back({std::move(text), number, advance});
  }
  return lines;
}

// Room inside the rectangle less the margins: along the lines and across them.
struct Room {
  double along;
  double across;
};

double Millimetres(long long thousandths, double size) {
  return static_cast<double>(thousandths) / 1000 * size * kMillimetresPerPoint;
}

class Block {
 public:
  Block(const std::vector<MeasuredLine>& lines, const TypesetSettings& settings) : settings_(settings) {
    for (const MeasuredLine& line : lines) widest_ = std::max(widest_, line.advance);
    count_ = static_cast<int>(lines.size());
  }

  double widest(double size) const { return Millimetres(widest_, size); }
  double lineHeight(double size) const { return size * settings_.lineSpacing * kMillimetresPerPoint; }
  double height(double size) const { return count_ * lineHeight(size); }
  bool fits(double size, const Room& room) const {
    return widest(size) <= room.along + kTolerance && height(size) <= room.across + kTolerance;
  }

  // The largest size tried that fits, or the minimum when none does.
  double chooseSize(const Room& room) const {
    const double minimum = settings_.minimumSize;
    for (int step = 0;; ++step) {
      const double size = settings_.size - step * kSizeStep;
      if (size < minimum - kTolerance) break;
      if (fits(size, room)) return size;
    }
    return minimum;
  }

 private:
  const TypesetSettings& settings_;
  long long widest_ = 0;
  int count_ = 0;
};

void ReportOverflow(ClueFit& fit, const std::vector<MeasuredLine>& lines, const Block& block, const Room& room) {
  const double size = fit.size;
  fit.overflowWidth = std::max(0.0, block.widest(size) - room.along);
  fit.overflowHeight = std::max(0.0, block.height(size) - room.across);
  const MeasuredLine* first = nullptr;
  for (const MeasuredLine& line : lines) {
    if (Millimetres(line.advance, size) > room.along + kTolerance) {
      first = &line;
      break;
    }
  }
  if (first == nullptr) {
    // Counted from the top: the first line whose box reaches past the room.
    for (std::size_t index = 0; index < lines.size(); ++index) {
      if ((static_cast<double>(index) + 1) * block.lineHeight(size) > room.across + kTolerance) {
        first = &lines[index];
        break;
      }
    }
  }
  if (first != nullptr) {
    fit.overflowLine = first->number;
    fit.overflowText = first->text;
  }
}

}  // namespace

TextBlock SetClue(const DefinitionText& clue, const PageBox& box, bool upright, const TypesetSettings& settings,
                  const TypesetFont& font) {
  const std::vector<MeasuredLine> lines = PrintedLines(clue, font);
  const double margins = 2 * settings.innerMargin;
  const double along = upright ? box.height() : box.width();
  const double across = upright ? box.width() : box.height();
  const Room room{std::max(0.0, along - margins), std::max(0.0, across - margins)};
  const Block block(lines, settings);

  TextBlock set;
  set.box = box;
  set.upright = upright;
  set.size = block.chooseSize(room);
  set.fit.upright = upright;
  set.fit.size = set.size;
  set.fit.empty = clue.isEmpty();
  set.fit.fits = block.fits(set.size, room);
  if (!set.fit.fits) ReportOverflow(set.fit, lines, block, room);

  // Each line's box is one line height; the font's ascent and descent are
  // centred in it, so that the block as a whole is centred on the rectangle.
  set.lineHeight = block.lineHeight(set.size);
  set.baselineOffset = set.lineHeight / 2 + (font.ascent + font.descent) / 2000.0 * set.size * kMillimetresPerPoint;
  const PagePoint centre = box.centre();
  const double firstTop = -block.height(set.size) / 2;  // across the lines, from the centre
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const MeasuredLine& line = lines[index];
    const double width = Millimetres(line.advance, set.size);
    const double baseline = firstTop + static_cast<double>(index) * set.lineHeight + set.baselineOffset;
    // Upright text reads upwards: along the line is up the page, the next line lies to the right.
    const PagePoint origin = upright ? PagePoint{centre.x + baseline, centre.y + width / 2}
                                     : PagePoint{centre.x - width / 2, centre.y + baseline};
    set.lines.push_back({line.text, line.number, origin, width});
  }
  return set;
}

}  // namespace verstak
