#pragma once
// A cp1251 text as a JSON string in UTF-8, for the JSON of info --json.

#include <string>
#include <string_view>

namespace verstak::batch {

// Appends the quoted string: quotes, backslashes and control bytes escaped,
// the runs between them converted as they are.
void AppendJsonString(std::string& json, std::string_view cp1251);

}  // namespace verstak::batch
