#pragma once
// Grid and definitions files read line by line from large blocks. A line
// ends at CR LF, at CR alone or at LF alone; a Ctrl-Z ends the text like the
// end of the file; a line break at the very end starts no further line.
// Memory stays at one block whatever the file's size or its longest line.
// A read error ends the lines at the last one read whole: a line cut off by
// it is never handed out, and failed() says why the lines ended.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "files/byte_source.h"
#include "files/input_file.h"
#include "files/puzzle_header.h"

namespace verstak {

// Bytes whose presence in a line the readers ask about.
using LineMarks = std::uint8_t;
inline constexpr LineMarks kMarkTab = 1;
inline constexpr LineMarks kMarkNumberSign = 2;  // "№": the line is a header line
inline constexpr LineMarks kMarkAsterisk = 4;

// Every byte a reader keeps of a line lies in its first 256: 99 cells of a
// grid row take at most 198, a clue line 2 + 32.
inline constexpr std::size_t kLineHeadBytes = 256;

struct TextLine {
  std::string_view head;   // the first kLineHeadBytes bytes (all of a shorter line); valid until the next read
  std::size_t length = 0;  // of the whole line
  LineMarks marks = 0;     // which of the reader's tracked marks the whole line holds
  std::optional<int> headerNumber;  // of a line holding "№": its number, or nullopt when malformed
  std::uint64_t offset = 0;         // of its first byte in the file

  bool holds(LineMarks wanted) const { return (marks & wanted) != 0; }
};

class PuzzleLineReader {
 public:
  // 128 KiB: a block stays in the cache between the read that fills it and
  // the search through it; 1 MiB blocks made finding the last puzzle slower.
  static constexpr std::size_t kDefaultBlockBytes = std::size_t{128} << 10;

  // `tracked`: the marks to report for each line ("№" is always tracked).
  // Reading starts `offset` bytes into the file, at the start of a line.
  PuzzleLineReader(const std::filesystem::path& path, LineMarks tracked, std::size_t blockBytes = kDefaultBlockBytes,
                   std::uint64_t offset = 0);
  // The same over bytes from elsewhere, which must outlive the reader.
  PuzzleLineReader(ByteSource& source, LineMarks tracked, std::size_t blockBytes = kDefaultBlockBytes);

  bool isOpen() const { return file_ == nullptr || file_->isOpen(); }
  // Not open because the file is not there.
  bool missing() const { return file_ != nullptr && file_->missing(); }
  // A read error: the lines handed out so far are sound, the rest is unknown.
  bool failed() const { return failed_; }
  // The file's name, for messages; empty for bytes from elsewhere.
  const std::filesystem::path& name() const { return name_; }
  // How far into the file the lines handed out so far reach, for progress reports.
  std::uint64_t bytesPassed() const { return bytesRead_ - (filled_ - pos_); }

  // The next line; false at the end of the text.
  bool next(TextLine& line);
  // The next line that holds one of `marks`; the lines before it are passed
  // over without being looked at one by one. False at the end of the text.
  bool nextHolding(TextLine& line, LineMarks marks);

 private:
  enum Byte : std::uint8_t { kCr, kLf, kTab, kSign, kAsterisk, kByteCount };
  static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

  void refill();
  std::size_t find(Byte byte, std::size_t from);
  std::size_t lineEnd(std::size_t from);
  std::size_t firstMark(std::size_t from, LineMarks marks);
  std::size_t lineStartBefore(std::size_t at) const;
  void consumeBreakAt(std::size_t at);
  void describe(TextLine& line, std::size_t begin, std::size_t end);
  bool readLongLine(TextLine& line);
  std::uint64_t offsetOf(std::size_t at) const { return bytesRead_ - (filled_ - at); }

  std::unique_ptr<InputFile> file_;  // when reading a named file
  ByteSource* source_;
  std::filesystem::path name_;
  LineMarks tracked_;
  std::size_t capacity_;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t filled_ = 0;
  bool ended_ = false;      // no more bytes will come: end of file, Ctrl-Z or a read error
  bool failed_ = false;     // a read error before the end of the text
  bool pendingCr_ = false;  // a CR ended the buffer: an LF first in the next block belongs to it
  std::uint64_t bytesRead_ = 0;                   // file offset just past the buffer's bytes, up to a Ctrl-Z
  std::array<std::size_t, kByteCount> nextAt_{};  // cached next offset of each byte, kUnknown or filled_ for none
  std::array<char, kLineHeadBytes> longHead_{};
};

}  // namespace verstak
