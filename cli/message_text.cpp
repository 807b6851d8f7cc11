#include "cli/message_text.h"

namespace verstak::batch {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string JoinedMessages(const std::vector<UserMessage>& messages) {
  std::string joined;
  for (const UserMessage& message : messages) {
    if (!joined.empty()) joined += "; ";
    joined += Trimmed(message.text);
  }
  return joined;
}

}  // namespace verstak::batch
