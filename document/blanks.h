#pragma once
// Texts typed into fields count without the blanks at their ends.

#include <string_view>

namespace verstak {

inline std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

inline std::string_view TrimBlanks(std::string_view text) {
  text = TrimTrailingBlanks(text);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

}  // namespace verstak
