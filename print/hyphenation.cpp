#include "print/hyphenation.h"

#include <hyphen.h>
#include <iconv.h>

#include <cstdlib>
#include <string>

namespace verstak {
namespace {

constexpr int kLettersEachSide = 2;

unsigned char Lower(unsigned char byte) {
  if (byte == 0xA8) return 0xB8;
  return byte >= 0xC0 && byte < 0xE0 ? static_cast<unsigned char>(byte + 0x20) : byte;
}

// Each lower-case cp1251 letter in the pattern file's character set.
std::array<char, 256> RecodeTable(const char* charset) {
  std::array<char, 256> table{};
  iconv_t convert = iconv_open(charset, "CP1251");
  if (convert == reinterpret_cast<iconv_t>(-1)) return table;
  for (int byte = 0; byte < 256; ++byte) {
    if (!IsCyrillicLetter(static_cast<unsigned char>(byte)) || Lower(static_cast<unsigned char>(byte)) != byte) continue;
    char in = static_cast<char>(byte), out = 0;
    char* from = &in;
    char* to = &out;
    std::size_t left = 1, room = 1;
    const std::size_t converted = iconv(convert, &from, &left, &to, &room);
    if (converted != static_cast<std::size_t>(-1) && left == 0 && room == 0) table[static_cast<std::size_t>(byte)] = out;
  }
  iconv_close(convert);
  return table;
}

}  // namespace

Hyphenation::Hyphenation(const std::filesystem::path& patterns) {
  dict_ = hnj_hyphen_load(patterns.c_str());
  if (dict_ == nullptr) return;
  if (dict_->utf8) {  // only single-byte pattern files are recoded
    hnj_hyphen_free(dict_);
    dict_ = nullptr;
    return;
  }
  recode_ = RecodeTable(dict_->cset);
}

Hyphenation::~Hyphenation() {
  if (dict_ != nullptr) hnj_hyphen_free(dict_);
}

std::vector<int> Hyphenation::points(std::string_view word) const {
  std::vector<int> points;
  if (dict_ == nullptr) return points;
  std::size_t start = 0;
  while (start < word.size()) {
    if (!IsCyrillicLetter(static_cast<unsigned char>(word[start]))) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < word.size() && IsCyrillicLetter(static_cast<unsigned char>(word[end]))) ++end;
    pointsOfRun(word.substr(start, end - start), static_cast<int>(start), points);
    start = end;
  }
  return points;
}

void Hyphenation::pointsOfRun(std::string_view run, int start, std::vector<int>& points) const {
  const int length = static_cast<int>(run.size());
  if (length < 2 * kLettersEachSide) return;
  std::string recoded;
  for (const char c : run) {
    const char byte = recode_[Lower(static_cast<unsigned char>(c))];
    if (byte == 0) return;
    recoded += byte;
  }
  std::string hyphens(run.size() + 5, '\0');
  char** replacements = nullptr;
  int* positions = nullptr;
  int* cuts = nullptr;
  const int failed = hnj_hyphen_hyphenate3(dict_, recoded.data(), length, hyphens.data(), nullptr, &replacements,
                                           &positions, &cuts, kLettersEachSide, kLettersEachSide, kLettersEachSide,
                                           kLettersEachSide);
  if (replacements != nullptr) {  // non-standard hyphenation, which the Russian patterns do not use
    for (int i = 0; i < length; ++i) std::free(replacements[i]);
    std::free(replacements);
    std::free(positions);
    std::free(cuts);
    return;
  }
  if (failed != 0) return;
  // An odd digit after a letter allows a break after it.
  for (int i = kLettersEachSide - 1; i < length - kLettersEachSide; ++i) {
    if (hyphens[static_cast<std::size_t>(i)] & 1) points.push_back(start + i + 1);
  }
}

const Hyphenation& RussianHyphenation() {
  static const Hyphenation patterns(kRussianPatterns);
  return patterns;
}

}  // namespace verstak
