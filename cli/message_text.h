#pragma once
// The core's messages inside lines of our own: without the blanks some of
// them carry at both ends for their message boxes.

#include <string>
#include <string_view>
#include <vector>

#include "document/user_message.h"

namespace verstak::batch {

// "first; second".
std::string JoinedMessages(const std::vector<UserMessage>& messages);

}  // namespace verstak::batch
