#pragma once
// The core's messages inside lines of our own: without the blanks some of
// them carry at both ends for their message boxes.

#include <string>
#include <string_view>
#include <vector>

#include "document/user_message.h"

namespace verstak::batch {

std::string_view Trimmed(std::string_view text);

// "first; second".
std::string JoinedMessages(const std::vector<UserMessage>& messages);

}  // namespace verstak::batch
