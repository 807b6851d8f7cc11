#include "files/line_reader.h"

#include <algorithm>
#include <cstring>

namespace verstak {
namespace {

constexpr char kCtrlZ = '\x1A';
constexpr std::array<char, 5> kBytes = {'\r', '\n', '\t', kNumberSign, '*'};

struct MarkByte {
  LineMarks mark;
  std::uint8_t byte;  // index into kBytes
};
constexpr std::array<MarkByte, 3> kMarkBytes = {{{kMarkTab, 2}, {kMarkNumberSign, 3}, {kMarkAsterisk, 4}}};

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// A block larger than all the bytes would only cost its allocation.
std::size_t BlockFor(const ByteSource& source, std::size_t blockBytes) {
  const std::size_t limit = source.sizeLimit();
  if (limit < blockBytes) blockBytes = limit + 1;
  return std::max<std::size_t>(blockBytes, 1);
}

// The facts of a line too long for the buffer, gathered block by block.
class LongLine {
 public:
  LongLine(LineMarks tracked, std::array<char, kLineHeadBytes>& head) : tracked_(tracked), head_(head) {}

  void add(std::string_view piece) {
    const std::size_t keep = std::min(piece.size(), kLineHeadBytes - headLength_);
    std::memcpy(head_.data() + headLength_, piece.data(), keep);
    headLength_ += keep;
    length_ += piece.size();
    for (const MarkByte& m : kMarkBytes) {
      if ((tracked_ & m.mark) && !(marks_ & m.mark) && piece.find(kBytes[m.byte]) != std::string_view::npos) {
        marks_ |= m.mark;
      }
    }
    if (!signSeen_) {
      const std::size_t sign = piece.find(kNumberSign);
      if (sign == std::string_view::npos) return;
      signSeen_ = true;
      piece.remove_prefix(sign + 1);
    }
    header_.feed(piece);
  }

  void describe(TextLine& line) const {
    line.head = {head_.data(), headLength_};
    line.length = length_;
    line.marks = marks_;
    line.headerNumber = signSeen_ ? header_.result() : std::nullopt;
  }

 private:
  LineMarks tracked_;
  std::array<char, kLineHeadBytes>& head_;
  std::size_t headLength_ = 0;
  std::size_t length_ = 0;
  LineMarks marks_ = 0;
  bool signSeen_ = false;
  HeaderNumberParser header_;
};

}  // namespace

PuzzleLineReader::PuzzleLineReader(const std::filesystem::path& path, LineMarks tracked, std::size_t blockBytes,
                                   std::uint64_t offset)
    : file_(std::make_unique<InputFile>(path, offset)),
      source_(file_.get()),
      name_(path),
      tracked_(tracked | kMarkNumberSign),
      capacity_(std::max<std::size_t>(blockBytes, 1)),
      buffer_(std::make_unique_for_overwrite<char[]>(capacity_)),
      bytesRead_(offset) {
  nextAt_.fill(kUnknown);
}

PuzzleLineReader::PuzzleLineReader(ByteSource& source, LineMarks tracked, std::size_t blockBytes)
    : source_(&source),
      tracked_(tracked | kMarkNumberSign),
      capacity_(BlockFor(source, blockBytes)),
      buffer_(std::make_unique_for_overwrite<char[]>(capacity_)) {
  nextAt_.fill(kUnknown);
}

// Keeps the unread bytes, moved to the front, and reads as much as fits after them.
void PuzzleLineReader::refill() {
  if (pos_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + pos_, filled_ - pos_);
    filled_ -= pos_;
    pos_ = 0;
  }
  nextAt_.fill(kUnknown);
  if (ended_ || filled_ == capacity_) return;
  const std::size_t wanted = capacity_ - filled_;
  char* const fresh = buffer_.get() + filled_;
  std::size_t got = isOpen() ? source_->read(fresh, wanted) : 0;
  if (got < wanted) {
    ended_ = true;
    failed_ = isOpen() && source_->failed();
  }
  if (const void* stop = std::memchr(fresh, kCtrlZ, got)) {  // the text ended before any error
    got = static_cast<std::size_t>(static_cast<const char*>(stop) - fresh);
    ended_ = true;
    failed_ = false;
  }
  filled_ += got;
  bytesRead_ += got;
  if (pendingCr_ && (got > 0 || ended_)) {
    if (got > 0 && *fresh == '\n') ++pos_;
    pendingCr_ = false;
  }
}

std::size_t PuzzleLineReader::find(Byte byte, std::size_t from) {
  std::size_t& cached = nextAt_[byte];
  if (cached != kUnknown && cached >= from) return cached;
  const void* hit = std::memchr(buffer_.get() + from, kBytes[byte], filled_ - from);
  cached = hit != nullptr ? static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.get()) : filled_;
  return cached;
}

std::size_t PuzzleLineReader::lineEnd(std::size_t from) { return std::min(find(kCr, from), find(kLf, from)); }

std::size_t PuzzleLineReader::firstMark(std::size_t from, LineMarks marks) {
  std::size_t first = filled_;
  for (const MarkByte& m : kMarkBytes) {
    if (marks & m.mark) first = std::min(first, find(static_cast<Byte>(m.byte), from));
  }
  return first;
}

std::size_t PuzzleLineReader::lineStartBefore(std::size_t at) const {
  while (at > pos_ && !IsBreak(buffer_[at - 1])) --at;
  return at;
}

void PuzzleLineReader::consumeBreakAt(std::size_t at) {
  pos_ = at + 1;
  if (buffer_[at] != '\r') return;
  if (pos_ < filled_) {
    if (buffer_[pos_] == '\n') ++pos_;
  } else {
    pendingCr_ = !ended_;
  }
}

void PuzzleLineReader::describe(TextLine& line, std::size_t begin, std::size_t end) {
  line.offset = offsetOf(begin);
  line.head = {buffer_.get() + begin, std::min(end - begin, kLineHeadBytes)};
  line.length = end - begin;
  line.marks = 0;
  for (const MarkByte& m : kMarkBytes) {
    if ((tracked_ & m.mark) && find(static_cast<Byte>(m.byte), begin) < end) line.marks |= m.mark;
  }
  line.headerNumber.reset();
  if (line.holds(kMarkNumberSign)) {
    const std::size_t sign = find(kSign, begin);
    HeaderNumberParser header;
    header.feed({buffer_.get() + sign + 1, end - sign - 1});
    line.headerNumber = header.result();
  }
}

// The buffer is full and holds no line break: the line is gathered block by
// block, keeping only its facts. False when a read error cut it off.
bool PuzzleLineReader::readLongLine(TextLine& line) {
  const std::uint64_t offset = offsetOf(pos_);
  LongLine facts(tracked_, longHead_);
  facts.add({buffer_.get() + pos_, filled_ - pos_});
  pos_ = filled_;
  bool broken = false;
  while (!ended_ && !broken) {
    refill();
    const std::size_t end = lineEnd(pos_);
    facts.add({buffer_.get() + pos_, end - pos_});
    broken = end < filled_;
    if (broken) {
      consumeBreakAt(end);
    } else {
      pos_ = filled_;
    }
  }
  if (!broken && failed_) return false;
  facts.describe(line);
  line.offset = offset;
  return true;
}

bool PuzzleLineReader::next(TextLine& line) {
  for (;;) {
    if (pos_ == filled_) {
      if (ended_) return false;
      refill();
      continue;
    }
    const std::size_t end = lineEnd(pos_);
    if (end < filled_) {
      describe(line, pos_, end);
      consumeBreakAt(end);
      return true;
    }
    if (ended_) {  // the last line, without a line break, unless a read error cut it off
      const bool whole = !failed_;
      if (whole) describe(line, pos_, filled_);
      pos_ = filled_;
      return whole;
    }
    if (pos_ > 0 || filled_ < capacity_) {
      refill();
      continue;
    }
    return readLongLine(line);
  }
}

bool PuzzleLineReader::nextHolding(TextLine& line, LineMarks marks) {
  for (;;) {
    if (pos_ == filled_) {
      if (ended_) return false;
      refill();
      continue;
    }
    const std::size_t mark = firstMark(pos_, marks);
    if (mark < filled_) {
      pos_ = lineStartBefore(mark);
      return next(line);
    }
    // No marked byte in the rest of the buffer: its complete lines are passed over.
    const std::size_t lastLineStart = lineStartBefore(filled_);
    if (lastLineStart > pos_) consumeBreakAt(lastLineStart - 1);
    if (ended_) {  // the unfinished last line holds no mark either
      pos_ = filled_;
      return false;
    }
    if (pos_ == 0 && filled_ == capacity_) {
      if (!readLongLine(line)) return false;
      if (line.holds(marks)) return true;
      continue;
    }
    refill();
  }
}

}  // namespace verstak
