#include "cli/message_text.h"

#include "document/blanks.h"

namespace verstak::batch {

std::string JoinedMessages(const std::vector<UserMessage>& messages) {
  std::string joined;
  for (const UserMessage& message : messages) {
    if (!joined.empty()) joined += "; ";
    const std::string_view text = message.text;
    joined += TrimBlanks(text.substr(0, text.find('\n')));
  }
  return joined;
}

}  // namespace verstak::batch
