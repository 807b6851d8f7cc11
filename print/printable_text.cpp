#include "print/printable_text.h"

namespace verstak {

std::string PrintableText(std::string_view cp1251) {
  std::string text;
  text.reserve(cp1251.size());
  for (const char c : cp1251) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\t') {
      text += ' ';
    } else if (byte >= 0x20 && byte != 0x7F && byte != 0x98) {
      text += c;
    }
  }
  return text;
}

std::string SetLineText(std::string_view cp1251) {
  std::string text;
  for (const char c : PrintableText(cp1251)) {
    if (c == ' ' && (text.empty() || text.back() == ' ')) continue;
    text += c;
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace verstak
