#include "files/puzzle_header.h"

#include <limits>

namespace verstak {
namespace {

constexpr std::int64_t kLargestMagnitude = std::int64_t{std::numeric_limits<int>::max()} + 1;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void HeaderNumberParser::feed(std::string_view text) {
  for (char c : text) {
    if (state_ == State::Malformed) return;
    take(c);
  }
}

void HeaderNumberParser::take(char c) {
  const bool digit = IsDigit(c);
  switch (state_) {
    case State::BeforeNumber:
      if (c == ' ') return;
      if (c == '+' || c == '-') {
        negative_ = c == '-';
        state_ = State::AfterSign;
        return;
      }
      state_ = digit ? State::InDigits : State::Malformed;
      break;
    case State::AfterSign:
      state_ = digit ? State::InDigits : State::Malformed;
      break;
    case State::InDigits:
      if (c == ' ') state_ = State::AfterNumber;
      else if (!digit) state_ = State::Malformed;
      break;
    case State::AfterNumber:
      if (c != ' ') state_ = State::Malformed;
      return;
    case State::Malformed:
      return;
  }
  if (state_ == State::InDigits) {
    magnitude_ = magnitude_ * 10 + (c - '0');
    if (magnitude_ > kLargestMagnitude) state_ = State::Malformed;
  }
}

std::optional<int> HeaderNumberParser::result() const {
  if (state_ != State::InDigits && state_ != State::AfterNumber) return std::nullopt;
  if (!negative_ && magnitude_ == kLargestMagnitude) return std::nullopt;
  return static_cast<int>(negative_ ? -magnitude_ : magnitude_);
}

std::optional<int> ParsePuzzleHeader(std::string_view line) {
  const std::size_t sign = line.find(kNumberSign);
  if (sign == std::string_view::npos) return std::nullopt;
  HeaderNumberParser parser;
  parser.feed(line.substr(sign + 1));
  return parser.result();
}

}  // namespace verstak
