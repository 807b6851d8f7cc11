#pragma once
// Why a file could not be written (or used), and the message that names the
// file and the cause in our own words, for the windows and verstak-batch alike.

#include <filesystem>
#include <string>
#include <string_view>

#include "document/user_message.h"

namespace verstak {

struct WriteFailure {
  enum class Cause {
    System,          // the system refused a step: `error` holds its errno
    NotRegularFile,  // a folder, a FIFO, a device stands at the name: `fileType` (st_mode & S_IFMT)
    ReadOnlyFile,    // the file is there, but marked read-only
    ForeignLink,     // a link, or what it leads to, belongs to another user
    NoName,          // an empty name, or one that names no file
  };
  Cause cause = Cause::System;
  int error = 0;
  unsigned fileType = 0;

  static WriteFailure FromErrno(int error) { return {Cause::System, error, 0}; }
  friend bool operator==(const WriteFailure&, const WriteFailure&) = default;
};

// "нет места на диске", "нет доступа", ...; a number we have no words for is
// named by its code.
std::string SystemErrorWords(int error);

// "это папка", "это канал (FIFO)", "это устройство", ...
std::string_view FileTypeWords(unsigned fileType);

// The cause alone, in the words above.
std::string WriteFailureWords(const WriteFailure& failure);

// `start` (the message the program has always said, which habits rely on),
// then on a second line the file and the cause: "PATH: нет места на диске".
UserMessage WriteFailedMessage(std::string_view start, const std::filesystem::path& path, const WriteFailure& failure);

}  // namespace verstak
