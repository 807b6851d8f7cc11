#pragma once
// Texts typed into fields count without the blanks at their ends.

#include <string_view>

namespace verstak {

// A blank or a control character: nothing a number or a name is made of.
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

inline std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

inline std::string_view TrimBlanks(std::string_view text) {
  text = TrimTrailingBlanks(text);
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

}  // namespace verstak
