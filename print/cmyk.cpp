#include "print/cmyk.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace verstak {
namespace {

double Percentage(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return std::clamp(value, 0, 100);
}

char HexDigit(int value) { return "0123456789abcdef"[value & 15]; }

}  // namespace

Cmyk ClueColour(const PrintSettings& settings) {
  return {Percentage(settings.cyanText), Percentage(settings.magentaText), Percentage(settings.yellowText),
          Percentage(settings.blackText)};
}

std::string RgbHex(const Cmyk& colour) {
  const double white = 1 - colour.black / 100;
  std::string hex = "#";
  for (double ink : {colour.cyan, colour.magenta, colour.yellow}) {
    const int value = static_cast<int>(std::lround(255 * (1 - ink / 100) * white));
    hex += HexDigit(value >> 4);
    hex += HexDigit(value);
  }
  return hex;
}

}  // namespace verstak
