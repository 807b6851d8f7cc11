#include "files/scanword_file.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "document/slot_numbering.h"
#include "files/atomic_file.h"
#include "files/byte_stream.h"
#include "files/input_file.h"
#include "files/open_messages.h"
#include "files/scanword_letters.h"

namespace verstak {
namespace {

UserMessage NotScanword() { return UserMessage::Error(" Это не файл сканворда! "); }
UserMessage Damaged() { return UserMessage::Error(" Файл сканворда повреждён! "); }
UserMessage Missing() { return UserMessage::Error(std::string(kNoScanwordFileMessage)); }

template <class Visit>
void ForEachCellOfFile(const ScanwordDocument& document, Visit&& visit) {
  ForEachCellInReadingOrder(document, [&](int, int, const GridCell& cell) { visit(cell); });
}

void AppendBlock(std::string& out, const DefinitionText& text) {
  out.append(2, '\0');
  for (int n = 1; n <= kDefinitionLines; ++n) {
    const DefinitionLine& line = text.line(n);
    if (line.empty()) continue;
    out.push_back(static_cast<char>(line.length()));
    out.append(line.text());
  }
}

ScanwordFileResult Refused(UserMessage message) {
  ScanwordFileResult result;
  result.failure = std::move(message);
  return result;
}

bool ReadCells(ByteStream& in, ScanwordFileResult& result) {
  const std::size_t count = std::size_t{result.width} * result.height;
  std::vector<char> bytes(2 * count);
  if (in.read(bytes.data(), bytes.size()) != bytes.size()) return false;
  result.cells.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    result.cells[i] = {KindFromCode(static_cast<std::uint8_t>(bytes[i])), static_cast<std::uint8_t>(bytes[count + i])};
  }
  return true;
}

// The letters' tag is their part's only when it opens a slot after an empty one.
bool OpensLetters(std::string_view text, int line, bool afterEmptySlot) {
  return line == 0 && afterEmptySlot && text == kLettersTag;
}

// Each slot's lines run until a length byte 0; the byte after that is the
// second zero of the next block's head. Empty slots past 10000 are passed over.
Failure ReadDefinitionBlocks(ByteStream& in, ScanwordFileResult& result) {
  ClueTexts& definitions = result.definitions;
  in.skip(2);
  int slot = 1;
  bool afterEmptySlot = false;
  std::uint8_t length = 0;
  while (in.get(length)) {
    int line = 0;
    while (length != 0) {
      std::array<char, 255> text{};
      if (in.read(text.data(), length) != length) return Damaged();
      if (OpensLetters({text.data(), length}, line, afterEmptySlot)) {
        return ReadLettersPart(in, result.width, result.height, result.letters) ? std::nullopt : Failure(Damaged());
      }
      if (++line > kDefinitionLines || slot > kDefinitionSlots) return Damaged();
      while (definitions.size() < slot) definitions.startClue();
      definitions.addLine({text.data(), length});
      if (!in.get(length)) return std::nullopt;  // a file may end right after a complete line
    }
    afterEmptySlot = line == 0;
    in.skip(1);
    slot = std::min(slot + 1, kDefinitionSlots + 1);
  }
  return std::nullopt;
}

}  // namespace

std::string ScanwordFileBytes(const ScanwordDocument& document) {
  std::string out(ScanwordMagic);
  out.push_back(static_cast<char>(document.gridWidth));
  out.push_back(static_cast<char>(document.gridHeight));
  ForEachCellOfFile(document, [&](const GridCell& cell) { out.push_back(static_cast<char>(Code(cell.kind))); });
  ForEachCellOfFile(document, [&](const GridCell& cell) { out.push_back(static_cast<char>(cell.overlay)); });
  const int blocks = std::max(SlotTotal(document), document.definitions.lastSlotWithText());
  for (int slot = 1; slot <= blocks; ++slot) AppendBlock(out, document.definitions.slotOrEmpty(slot));
  AppendLettersPart(out, document, blocks);
  out.append(3, '\0');
  return out;
}

Failure WriteScanwordFile(const std::filesystem::path& path, const ScanwordDocument& document) {
  const WriteOutcome written = WriteFileAtomically(path, ScanwordFileBytes(document));
  if (written) return std::nullopt;
  return WriteFailedMessage(kWriteFailedMessage, path, *written.failure);
}

namespace {

// Every short read is checked for a read error first: bytes a failing
// source did not give say nothing about the file.
ScanwordFileResult ReadScanwordBytes(ByteSource& source, const std::filesystem::path& name) {
  ByteStream in(source);
  const auto refused = [&](UserMessage message) {
    return Refused(source.failed() ? ReadFailedMessage(name) : std::move(message));
  };
  ScanwordFileResult result;
  std::array<char, ScanwordMagic.size()> magic{};
  const bool magicRead = in.read(magic.data(), magic.size()) == magic.size();
  if (!magicRead || std::string_view(magic.data(), magic.size()) != ScanwordMagic) return refused(NotScanword());
  if (!in.get(result.width) || !in.get(result.height)) return refused(Damaged());
  if (result.width > kMaxGridSide || result.height > kMaxGridSide) return refused(Damaged());
  if (!ReadCells(in, result)) return refused(Damaged());
  if (Failure damage = ReadDefinitionBlocks(in, result)) return refused(*damage);
  if (source.failed()) return Refused(ReadFailedMessage(name));
  return result;
}

}  // namespace

ScanwordFileResult ReadScanwordFile(const std::filesystem::path& path) {
  InputFile file(path);
  if (!file.isOpen()) return Refused(file.missing() ? Missing() : ReadFailedMessage(path));
  return ReadScanwordBytes(file, path);
}

ScanwordFileResult ReadScanwordFile(ByteSource& source) { return ReadScanwordBytes(source, {}); }

void ScanwordFileResult::applyTo(ScanwordDocument& document) const {
  if (!found()) return;
  ClearCells(document);
  ClearDefinitions(document);
  document.gridWidth = width;
  document.gridHeight = height;
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x) {
      const auto at = static_cast<std::size_t>((y - 1) * width + (x - 1));
      document.cells.at(x, y) = cells[at];
      if (!letters.empty()) document.letters.set(x, y, static_cast<std::uint8_t>(letters[at]));
    }
  }
  definitions.copyInto(document.definitions);
}

}  // namespace verstak
