#pragma once
// The core's messages inside lines of our own: without the blanks some of
// them carry at both ends for their message boxes.

#include <string>
#include <string_view>
#include <vector>

#include "document/user_message.h"

namespace verstak::batch {

// "first; second", each message by its first line: a read error names its
// file on a second line, which a run of many puzzles says once at its end.
std::string JoinedMessages(const std::vector<UserMessage>& messages);

}  // namespace verstak::batch
