#pragma once
// Writing a whole file so that a failure never leaves a half-written file
// behind or damages the one it would replace.

#include <filesystem>
#include <optional>
#include <string_view>

#include "files/write_failure.h"

namespace verstak {

// True when the file was written; otherwise why not.
struct WriteOutcome {
  std::optional<WriteFailure> failure;
  explicit operator bool() const { return !failure.has_value(); }
};

// Writes `bytes` to a new file in the target's folder and renames it over
// `path` only when everything is on disk (the file synced before, the folder
// after the rename). When anything failed, the failure names the cause (the
// errno of the step that failed); the target is then as it was and no
// temporary file remains.
//
// A symbolic link is followed: its target is replaced and the link stays,
// provided each link and the target belong to the user or to root (the
// kernel's guard against links planted in shared folders); otherwise the
// write is refused. A
// file that is replaced keeps its mode and, where permitted, its owner. A
// target that is no regular file (a folder, a FIFO, a device) or is
// read-only is refused. Temporary files are hidden and short-named, so a
// name up to the system's limit can be written; those a killed save left
// behind are removed by a later save in the same folder once a minute old.
WriteOutcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

enum class SyncMode {
  EachWrite,  // the file and its folder are synced by the write itself
  Deferred,   // no sync here: a run of many writes syncs once, with SyncWritten
};

// The same, for a run that writes thousands of files: a sync costs
// milliseconds, so the run syncs once at its end instead of after each file.
WriteOutcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, SyncMode sync);

// The temporary files that killed saves left in `folder`, once a minute old,
// removed as a save there removes them: for a folder the program writes to
// at every start, before anything is saved there. A folder that cannot be
// read is left as it is.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// Everything written so far to the folder's file system on disk, and the
// folder itself.
WriteOutcome SyncWritten(const std::filesystem::path& folder);

}  // namespace verstak
