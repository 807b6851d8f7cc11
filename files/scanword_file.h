#pragma once
// The scanword file (.skw), the program's own save format: all bytes, no
// multi-byte numbers.
//
//   47 bytes  ScanwordMagic
//    1        width W (0..99), 1 height H (0..99)
//   W*H       cell kinds, row by row; then W*H overlays in the same order
//   blocks    one per clue slot, slot 1 first: two bytes 0, then for each
//             non-empty line of the slot a length byte and its text
//    3        three bytes 0
// The grid's letters, when it has any, stand as further slots before the
// trailer (scanword_letters.h).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "document/scanword_document.h"
#include "document/user_message.h"
#include "files/byte_source.h"
#include "files/clue_texts.h"

namespace verstak {

inline constexpr std::string_view ScanwordMagic = "VERSTAK 3.0 scanword layout file, format 2000..";
static_assert(ScanwordMagic.size() == 47);

// The file's bytes for the document. Clue lines are written whole (up to 32
// bytes). Blocks are written for max(n, k) slots, n the grid's clue-slot
// count and k the last slot holding text in any line, so clue texts not yet
// matched by clue cells survive a save.
std::string ScanwordFileBytes(const ScanwordDocument& document);

inline constexpr std::string_view kWriteFailedMessage = " Не удалось записать файл! ";

// Writes the file through a temporary file renamed over the target, so a
// failed save leaves an existing file intact. Fails with kWriteFailedMessage.
Failure WriteScanwordFile(const std::filesystem::path& path, const ScanwordDocument& document);

struct ScanwordFileResult {
  Failure failure;  // nullopt when the file was read
  std::uint8_t width = 0;
  std::uint8_t height = 0;
  std::vector<GridCell> cells;  // width * height, row by row
  ClueTexts definitions;        // slot k as clue k, up to the last slot that holds a line
  std::string letters;          // width * height, row by row; empty when the file has none

  // A read file is reported like a found puzzle.
  bool found() const { return !failure; }
  // A read file replaces the whole grid and the whole definition table; a
  // refused one leaves the document as it was.
  void applyTo(ScanwordDocument& document) const;
};

// Refuses a file that does not begin with ScanwordMagic (" Это не файл
// сканворда! ") and one beyond the format (" Файл сканворда повреждён! "):
// a side above 99, an end inside the cell arrays or inside a line's text,
// more than 16 lines in a slot, a line for slot 10001 or later, a letters
// part that is not whole or is followed by anything. A file may
// end after the cell arrays, between blocks, after a complete line or inside
// the zero bytes; it then reads as that shorter file.
// A file that is there but cannot be read to its end is refused with the
// read error (ReadFailedMessage), whatever it held before the error.
ScanwordFileResult ReadScanwordFile(const std::filesystem::path& path);
// The same over bytes from memory or any other source.
ScanwordFileResult ReadScanwordFile(ByteSource& source);

}  // namespace verstak
