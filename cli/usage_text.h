#pragma once
// What verstak-batch says about its own use.

#include <string>
#include <string_view>

namespace verstak::batch {

// The command lines: shown with every usage error.
extern const std::string_view kUsageSynopsis;
// The synopsis and what the commands and options mean: --help.
std::string HelpText();

}  // namespace verstak::batch
