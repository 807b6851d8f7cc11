#include "print/clue_typesetting.h"

#include <algorithm>
#include <cmath>

#include "print/printable_text.h"

namespace verstak {
namespace {

// Sizes and lengths are compared with this much room, so that a line that
// fits exactly is not refused for a rounding error.
constexpr double kTolerance = 1e-9;

// A stored line as printed: a soft hyphen never shows, but one ending the
// line is where the compiler hyphenated, so it prints as a hyphen.
std::string StoredText(std::string_view line) {
  std::string text = SetLineText(line);
  const bool hyphenAtEnd = !text.empty() && text.back() == '\xAD';
  std::erase(text, '\xAD');
  if (hyphenAtEnd) text += '-';
  return text;
}

double Millimetres(long long thousandths, double size) {
  return static_cast<double>(thousandths) / 1000 * size * kMillimetresPerPoint;
}

double LineHeight(double size, const TypesetSettings& settings) {
  return size * settings.lineSpacing * kMillimetresPerPoint;
}

// The width of a line at the largest size, in thousandths of that size.
long long NarrowestLine(double along, const TypesetSettings& settings) {
  return std::llround(std::floor(along / (settings.size * kMillimetresPerPoint) * 1000));
}

}  // namespace

std::vector<double> TriedSizes(const TypesetSettings& settings) {
  std::vector<double> sizes;
  for (int step = 0;; ++step) {
    const double size = settings.size - step * kSizeStep;
    if (size < settings.minimumSize - kTolerance) break;
    sizes.push_back(size);
  }
  if (sizes.empty() || sizes.back() > settings.minimumSize + kTolerance) sizes.push_back(settings.minimumSize);
  return sizes;
}

ClueSetting::ClueSetting(const DefinitionText& clue, const PageBox& box, bool upright, const TypesetSettings& settings,
                         const TypesetFont& font, WordHyphenation& hyphenation)
    : settings_(settings),
      font_(font),
      box_(box),
      upright_(upright),
      empty_(clue.isEmpty()),
      along_(std::max(0.0, (upright ? box.height() : box.width()) - 2 * settings.innerMargin)),
      across_(std::max(0.0, (upright ? box.width() : box.height()) - 2 * settings.innerMargin)),
      run_(clue, font, settings.kerning, NarrowestLine(along_, settings), hyphenation) {
  for (int number = 1; number <= kDefinitionLines; ++number) {
    std::string text = StoredText(clue.line(number).text());
    if (text.empty()) continue;
    const long long advance = font.lineAdvance(text, settings.kerning);
    storedWidest_ = std::max(storedWidest_, advance);
    stored_.push_back({std::move(text), number, advance});
  }
}

ClueSetting::Room ClueSetting::roomAt(double size) const {
  const double width = along_ / (size * kMillimetresPerPoint) * 1000;
  const int lines = static_cast<int>(std::floor(across_ / LineHeight(size, settings_) + kTolerance));
  return {width, lines};
}

bool ClueSetting::storedFit(const Room& room) const {
  return static_cast<int>(stored_.size()) <= room.lines &&
         static_cast<double>(storedWidest_) <= room.width + 1e-6;
}

bool ClueSetting::fitsAt(double size) const {
  const Room room = roomAt(size);
  if (storedFit(room)) return true;
  return !run_.empty() && run_.fewestLines(room.width, room.lines).has_value();
}

std::optional<double> ClueSetting::largestFit() const {
  for (const double size : TriedSizes(settings_)) {
    if (fitsAt(size)) return size;
  }
  return std::nullopt;
}

TextBlock ClueSetting::setAt(double size) const {
  TextBlock set;
  set.box = box_;
  set.upright = upright_;
  set.size = size;
  set.kerned = settings_.kerning;
  set.fit.upright = upright_;
  set.fit.size = size;
  set.fit.empty = empty_;

  struct Line {
    std::string text;
    int number;
    long long advance;
  };
  std::vector<Line> lines;
  const Room room = roomAt(size);
  if (storedFit(room)) {
    for (const StoredLine& line : stored_) lines.push_back({line.text, line.number, line.advance});
  } else {
    const std::optional<int> count = run_.fewestLines(room.width, room.lines);
    set.fit.fits = count.has_value();
    set.fit.rebroken = true;
    const std::vector<BrokenLine> broken = count ? run_.evenLines(room.width, *count) : run_.filledLines(room.width);
    int number = 1;
    for (const BrokenLine& line : broken) lines.push_back({run_.lineText(line), number++, run_.advance(line)});
  }
  set.clipped = !set.fit.fits;
  set.fit.lines = static_cast<int>(lines.size());

  // Each line's box is one line height; the font's ascent and descent are
  // centred in it, so that the block as a whole is centred on the rectangle.
  set.lineHeight = LineHeight(size, settings_);
  set.baselineOffset = set.lineHeight / 2 + (font_.ascent + font_.descent) / 2000.0 * size * kMillimetresPerPoint;
  const PagePoint centre = box_.centre();
  const double firstTop = -set.lineHeight * static_cast<double>(lines.size()) / 2;  // across the lines, from the centre
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const double width = Millimetres(lines[index].advance, size);
    const double baseline = firstTop + static_cast<double>(index) * set.lineHeight + set.baselineOffset;
    // Upright text reads upwards: along the line is up the page, the next line lies to the right.
    const PagePoint origin = upright_ ? PagePoint{centre.x + baseline, centre.y + width / 2}
                                      : PagePoint{centre.x - width / 2, centre.y + baseline};
    set.lines.push_back({std::move(lines[index].text), lines[index].number, origin, width});
  }
  if (!set.fit.fits) report(set);
  return set;
}

// By how much the block passes the room, and the first line that does:
// the first too wide, else, counted from the top, the first whose box
// reaches past the room.
void ClueSetting::report(TextBlock& set) const {
  double widest = 0;
  for (const SetLine& line : set.lines) widest = std::max(widest, line.width);
  set.fit.overflowWidth = std::max(0.0, widest - along_);
  set.fit.overflowHeight = std::max(0.0, set.lineHeight * static_cast<double>(set.lines.size()) - across_);
  const SetLine* first = nullptr;
  for (const SetLine& line : set.lines) {
    if (line.width > along_ + 1e-9) {
      first = &line;
      break;
    }
  }
  for (std::size_t index = 0; first == nullptr && index < set.lines.size(); ++index) {
    if ((static_cast<double>(index) + 1) * set.lineHeight > across_ + 1e-9) first = &set.lines[index];
  }
  if (first != nullptr) {
    set.fit.overflowLine = first->number;
    set.fit.overflowText = first->text;
  }
}

TextBlock SetClue(const DefinitionText& clue, const PageBox& box, bool upright, const TypesetSettings& settings,
                  const TypesetFont& font) {
  WordHyphenation hyphenation(RussianHyphenation());
  const ClueSetting setting(clue, box, upright, settings, font, hyphenation);
  return setting.setAt(setting.largestFit().value_or(settings.minimumSize));
}

}  // namespace verstak
