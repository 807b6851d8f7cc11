#pragma once
// Breaking a clue's text into lines again. The stored lines are joined into
// one run of words (a line ending in "letter-" before a lower-case letter is
// a word the compiler hyphenated, joined without the hyphen); a line may end
// at a space or after a hyphen of the text, and, in a word wider than the
// line, at a Russian hyphenation point, where a hyphen is added. A soft
// hyphen (0xAD) is such a point too and never printed.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/definition_text.h"
#include "print/hyphenation.h"
#include "print/typeset_font.h"

namespace verstak {

// The hyphenation points of the words of one typesetting run, each word
// hyphenated once however often it comes.
class WordHyphenation {
 public:
  explicit WordHyphenation(const Hyphenation& patterns) : patterns_(patterns) {}
  const std::vector<int>& points(const std::string& word);

 private:
  const Hyphenation& patterns_;
  std::unordered_map<std::string, std::vector<int>> known_;
};

// One line of a breaking: the run's bytes [from, to), a hyphen added or not.
struct BrokenLine {
  int from = 0;
  int to = 0;
  bool hyphen = false;
};

class ClueRun {
 public:
  // Words up to `narrowest` wide (thousandths of the size: the line at the
  // largest size) are never hyphenated, so only wider ones are looked up.
  ClueRun(const DefinitionText& clue, const TypesetFont& font, bool kerned, long long narrowest,
          WordHyphenation& hyphenation);

  bool empty() const { return text_.empty(); }
  const std::string& text() const { return text_; }
  // The advance of the run's bytes [from, to), with a hyphen after them.
  long long advance(int from, int to, bool hyphen) const;
  long long advance(const BrokenLine& line) const { return advance(line.from, line.to, line.hyphen); }
  std::string lineText(const BrokenLine& line) const;

  // The fewest lines none wider than `width` (thousandths of the size), or
  // nullopt when that takes more than `most` lines or a piece is too wide.
  std::optional<int> fewestLines(double width, int most) const;
  // That many lines no wider than `width`: the widest as narrow as it can
  // be, then the widths as even as they can be (least sum of squares).
  std::vector<BrokenLine> evenLines(double width, int count) const;
  // For a clue that fits at no size: lines filled up to `width`, a piece
  // wider than that on a line of its own.
  std::vector<BrokenLine> filledLines(double width) const;

 private:
  struct Break {
    int end;      // the line ends before this byte
    int next;     // the next line starts here
    bool hyphen;  // a hyphen is added at the end
    long long wordAdvance;  // a point inside a word: that word's advance; 0 for spaces and hyphens
  };

  void join(const DefinitionText& clue, std::vector<int>& joints);
  void findBreaks(const std::vector<int>& joints, long long narrowest, WordHyphenation& hyphenation);
  void measure(const TypesetFont& font, bool kerned);
  bool allowed(const Break& b, double width) const { return b.wordAdvance == 0 || b.wordAdvance > width; }
  // From `start` (a line's first byte), the farthest break that keeps the line within `width`.
  std::optional<std::size_t> farthest(int start, std::size_t& first, double width) const;

  std::string text_;
  std::vector<Break> breaks_;        // by their end
  std::vector<long long> sums_;      // advance of bytes [0, i), kerned within
  std::vector<int> kernBefore_;      // kerning between byte i - 1 and i
  long long hyphenAdvance_ = 0;
  std::vector<int> hyphenKern_;      // kerning between byte i and an added hyphen
};

}  // namespace verstak
