#pragma once
// Writing a whole file so that a failure never leaves a half-written file
// behind or damages the one it would replace.

#include <filesystem>
#include <string_view>

namespace verstak {

// Writes `bytes` to a new file in the target's folder and renames it over
// `path` only when everything is on disk. False when anything failed; the
// target is then as it was and no temporary file remains.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace verstak
