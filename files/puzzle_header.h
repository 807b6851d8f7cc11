#pragma once
// Header lines of grid and definitions files: any line holding the sign "№"
// (cp1251 0xB9); what follows the first sign is the puzzle number, with blanks
// allowed around it and nothing else.

#include <cstdint>
#include <optional>
#include <string_view>

namespace verstak {

inline constexpr char kNumberSign = '\xB9';  // "№" in cp1251

// Reads the text after the first "№" piece by piece, so that a header line of
// any length is judged without keeping it: blanks, an optional sign, decimal
// digits, blanks. A number that does not fit an int is malformed.
class HeaderNumberParser {
 public:
  void feed(std::string_view text);
  std::optional<int> result() const;

 private:
  enum class State : std::uint8_t { BeforeNumber, AfterSign, InDigits, AfterNumber, Malformed };
  void take(char c);

  State state_ = State::BeforeNumber;
  bool negative_ = false;
  std::int64_t magnitude_ = 0;  // stays below 2^31 + 1: more is malformed anyway
};

// The puzzle number of a header line (cp1251 bytes); nullopt when the line
// holds no "№" or the text after it is not a whole number.
std::optional<int> ParsePuzzleHeader(std::string_view line);

}  // namespace verstak
