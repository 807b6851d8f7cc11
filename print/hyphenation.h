#pragma once
// Russian hyphenation points, from libhyphen with Debian's hyphen-ru
// patterns. The pattern file names its own single-byte character set
// (KOI8-R); cp1251 words are recoded into it letter by letter.

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

struct _HyphenDict;

namespace verstak {

inline const std::filesystem::path kRussianPatterns = "/usr/share/hyphen/hyph_ru_RU.dic";

class Hyphenation {
 public:
  // Without a readable pattern file no word has a point.
  explicit Hyphenation(const std::filesystem::path& patterns);
  ~Hyphenation();
  Hyphenation(const Hyphenation&) = delete;
  Hyphenation& operator=(const Hyphenation&) = delete;

  bool loaded() const { return dict_ != nullptr; }

  // Where a cp1251 word may be broken with a hyphen: each point is the
  // number of bytes before the break. Only runs of Cyrillic letters are
  // hyphenated, with at least two letters on each side of a point.
  std::vector<int> points(std::string_view word) const;

 private:
  void pointsOfRun(std::string_view run, int start, std::vector<int>& points) const;

  _HyphenDict* dict_ = nullptr;
  std::array<char, 256> recode_{};  // cp1251 lower-case letter -> the patterns' byte; 0: none
};

// The Russian patterns, read once and only read from then on, so that every
// typesetting (also in the preview's worker) shares them.
const Hyphenation& RussianHyphenation();

// A Cyrillic letter of cp1251, Ё and ё among them.
inline bool IsCyrillicLetter(unsigned char byte) { return byte >= 0xC0 || byte == 0xA8 || byte == 0xB8; }

}  // namespace verstak
