#include "print/clue_breaking.h"

#include <algorithm>
#include <limits>

#include "print/printable_text.h"

namespace verstak {
namespace {

constexpr char kSoftHyphen = '\xAD';
// A line that fits exactly is not refused for a rounding error.
constexpr double kTolerance = 1e-6;
constexpr int kLettersEachSide = 2;

bool IsLowerCyrillic(unsigned char byte) { return byte >= 0xE0 || byte == 0xB8; }

}  // namespace

const std::vector<int>& WordHyphenation::points(const std::string& word) {
  const auto known = known_.find(word);
  if (known != known_.end()) return known->second;
  return known_.emplace(word, patterns_.points(word)).first->second;
}

ClueRun::ClueRun(const DefinitionText& clue, const TypesetFont& font, bool kerned, long long narrowest,
                 WordHyphenation& hyphenation) {
  std::vector<int> joints;
  join(clue, joints);
  measure(font, kerned);
  findBreaks(joints, narrowest, hyphenation);
}

// The stored lines one after another; `joints` gets the places where the
// compiler hyphenated a word or a soft hyphen stood.
void ClueRun::join(const DefinitionText& clue, std::vector<int>& joints) {
  bool softEnd = false;  // the line before ended in a soft hyphen, at the last joint
  for (int number = 1; number <= kDefinitionLines; ++number) {
    const std::string line = SetLineText(clue.line(number).text());
    if (line.empty()) continue;
    if (!text_.empty() && !softEnd) {
      const bool hyphenated = text_.size() >= 2 && text_.back() == '-' &&
                              IsCyrillicLetter(static_cast<unsigned char>(text_[text_.size() - 2])) &&
                              IsLowerCyrillic(static_cast<unsigned char>(line.front()));
      if (hyphenated) {
        text_.pop_back();
        joints.push_back(static_cast<int>(text_.size()));
      } else {
        text_ += ' ';
      }
    }
    softEnd = false;
    for (const char c : line) {
      if (c != kSoftHyphen) {
        text_ += c;
        softEnd = false;
      } else if (!text_.empty() && text_.back() != ' ' && !softEnd) {
        joints.push_back(static_cast<int>(text_.size()));
        softEnd = true;
      }
    }
  }
}

void ClueRun::measure(const TypesetFont& font, bool kerned) {
  sums_.assign(text_.size() + 1, 0);
  kernBefore_.assign(text_.size(), 0);
  for (std::size_t i = 0; i < text_.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text_[i]);
    if (kerned && i > 0) kernBefore_[i] = font.kern(static_cast<unsigned char>(text_[i - 1]), byte);
    sums_[i + 1] = sums_[i] + font.advance[byte] + kernBefore_[i];
  }
  hyphenAdvance_ = font.advance['-'];
  hyphenKern_.assign(256, 0);
  if (kerned) {
    for (int byte = 0; byte < 256; ++byte) hyphenKern_[static_cast<std::size_t>(byte)] = font.kern(static_cast<unsigned char>(byte), '-');
  }
}

void ClueRun::findBreaks(const std::vector<int>& joints, long long narrowest, WordHyphenation& hyphenation) {
  const int size = static_cast<int>(text_.size());
  for (int start = 0; start < size;) {
    int end = start;
    while (end < size && text_[static_cast<std::size_t>(end)] != ' ') ++end;
    // A hyphen of the text, with a letter or two on either side.
    for (int k = start + kLettersEachSide; k < end - kLettersEachSide; ++k) {
      if (text_[static_cast<std::size_t>(k)] == '-' && text_[static_cast<std::size_t>(k - 1)] != '-' &&
          text_[static_cast<std::size_t>(k + 1)] != '-') {
        breaks_.push_back({k + 1, k + 1, false, 0});
      }
    }
    const long long word = advance(start, end, false);
    if (word > narrowest) {
      for (const int point : hyphenation.points(text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)))) {
        breaks_.push_back({start + point, start + point, true, word});
      }
      for (const int joint : joints) {
        if (joint > start && joint < end) breaks_.push_back({joint, joint, true, word});
      }
    }
    if (end < size) breaks_.push_back({end, end + 1, false, 0});
    start = end + 1;
  }
  std::stable_sort(breaks_.begin(), breaks_.end(), [](const Break& a, const Break& b) { return a.end < b.end; });
  breaks_.erase(std::unique(breaks_.begin(), breaks_.end(), [](const Break& a, const Break& b) { return a.end == b.end; }),
                breaks_.end());
}

long long ClueRun::advance(int from, int to, bool hyphen) const {
  long long units = sums_[static_cast<std::size_t>(to)] - sums_[static_cast<std::size_t>(from)];
  if (from > 0 && from < static_cast<int>(kernBefore_.size())) units -= kernBefore_[static_cast<std::size_t>(from)];
  if (hyphen && to > 0) units += hyphenAdvance_ + hyphenKern_[static_cast<unsigned char>(text_[static_cast<std::size_t>(to - 1)])];
  return units;
}

std::string ClueRun::lineText(const BrokenLine& line) const {
  std::string text = text_.substr(static_cast<std::size_t>(line.from), static_cast<std::size_t>(line.to - line.from));
  if (line.hyphen) text += '-';
  return text;
}

std::optional<std::size_t> ClueRun::farthest(int start, std::size_t& first, double width) const {
  std::optional<std::size_t> best;
  for (std::size_t i = first; i < breaks_.size(); ++i) {
    const Break& b = breaks_[i];
    if (b.end <= start) continue;
    if (static_cast<double>(advance(start, b.end, false)) > width + kTolerance) break;
    if (allowed(b, width) && static_cast<double>(advance(start, b.end, b.hyphen)) <= width + kTolerance) best = i;
  }
  if (best) first = *best + 1;
  return best;
}

std::optional<int> ClueRun::fewestLines(double width, int most) const {
  const int size = static_cast<int>(text_.size());
  int start = 0;
  std::size_t first = 0;
  for (int lines = 1; lines <= most; ++lines) {
    if (static_cast<double>(advance(start, size, false)) <= width + kTolerance) return lines;
    const std::optional<std::size_t> b = farthest(start, first, width);
    if (!b) return std::nullopt;
    start = breaks_[*b].next;
  }
  return std::nullopt;
}

std::vector<BrokenLine> ClueRun::filledLines(double width) const {
  const int size = static_cast<int>(text_.size());
  std::vector<BrokenLine> lines;
  int start = 0;
  std::size_t first = 0;
  while (start < size) {
    if (static_cast<double>(advance(start, size, false)) <= width + kTolerance) break;
    std::optional<std::size_t> b = farthest(start, first, width);
    if (!b) {  // the piece is too wide whatever: it ends at the next break allowed
      for (std::size_t i = first; i < breaks_.size() && !b; ++i) {
        if (breaks_[i].end > start && allowed(breaks_[i], width)) b = i;
      }
      if (!b) break;
      first = *b + 1;
    }
    lines.push_back({start, breaks_[*b].end, breaks_[*b].hyphen});
    start = breaks_[*b].next;
  }
  if (start < size) lines.push_back({start, size, false});
  return lines;
}

std::vector<BrokenLine> ClueRun::evenLines(double width, int count) const {
  // Places a line may start: the run's start and after each break allowed.
  struct Node {
    int start;
    std::size_t firstBreak;  // the first break past it
  };
  std::vector<Node> nodes{{0, 0}};
  std::vector<std::size_t> nodeAfter(breaks_.size(), 0);
  for (std::size_t i = 0; i < breaks_.size(); ++i) {
    if (!allowed(breaks_[i], width)) continue;
    nodeAfter[i] = nodes.size();
    nodes.push_back({breaks_[i].next, i + 1});
  }
  const int size = static_cast<int>(text_.size());
  constexpr double kNone = std::numeric_limits<double>::infinity();
  const auto n = nodes.size();
  const auto k = static_cast<std::size_t>(count);

  // cost[lines][node]: the best way to set the rest from the node in that
  // many lines, none wider than `limit`; `widest` keeps the widest line.
  std::vector<std::vector<double>> cost(k + 1, std::vector<double>(n, kNone));
  std::vector<std::vector<std::ptrdiff_t>> choice(k + 1, std::vector<std::ptrdiff_t>(n, -1));
  const auto solve = [&](double limit, bool widest) {
    for (std::size_t node = 0; node < n; ++node) {
      const double rest = static_cast<double>(advance(nodes[node].start, size, false));
      cost[1][node] = rest <= limit + kTolerance ? (widest ? rest : rest * rest) : kNone;
    }
    for (std::size_t lines = 2; lines <= k; ++lines) {
      for (std::size_t node = 0; node < n; ++node) {
        cost[lines][node] = kNone;
        for (std::size_t i = nodes[node].firstBreak; i < breaks_.size(); ++i) {
          const Break& b = breaks_[i];
          if (static_cast<double>(advance(nodes[node].start, b.end, false)) > limit + kTolerance) break;
          if (!allowed(b, width)) continue;
          const double line = static_cast<double>(advance(nodes[node].start, b.end, b.hyphen));
          const double after = cost[lines - 1][nodeAfter[i]];
          if (line > limit + kTolerance || after == kNone) continue;
          const double total = widest ? std::max(line, after) : line * line + after;
          if (total < cost[lines][node]) {
            cost[lines][node] = total;
            choice[lines][node] = static_cast<std::ptrdiff_t>(i);
          }
        }
      }
    }
    return cost[k][0];
  };
  const double narrowest = solve(width, true);
  if (narrowest == kNone || solve(narrowest, false) == kNone) return filledLines(width);
  std::vector<BrokenLine> lines;
  std::size_t node = 0;
  for (std::size_t left = k; left > 1; --left) {
    const Break& b = breaks_[static_cast<std::size_t>(choice[left][node])];
    lines.push_back({nodes[node].start, b.end, b.hyphen});
    node = nodeAfter[static_cast<std::size_t>(choice[left][node])];
  }
  lines.push_back({nodes[node].start, size, false});
  return lines;
}

}  // namespace verstak
