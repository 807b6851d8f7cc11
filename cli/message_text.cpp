#include "cli/message_text.h"

#include "document/blanks.h"

namespace verstak::batch {

std::string JoinedMessages(const std::vector<UserMessage>& messages) {
  std::string joined;
  for (const UserMessage& message : messages) {
    if (!joined.empty()) joined += "; ";
    joined += TrimBlanks(message.text);
  }
  return joined;
}

}  // namespace verstak::batch
