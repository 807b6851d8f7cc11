#pragma once
// The grid's letters in a scanword file, kept where a reader of the older
// files finds nothing but clue slots past the grid's own: after the
// document's last block come
//   - an empty slot, so that the slot after the grid's last one stays empty
//     and the count of the texts sees nothing extra;
//   - a slot of two lines: kLettersTag, then the version, W and H (3 bytes);
//   - the rows, one line of W bytes each (0 for a cell without a letter),
//     16 lines a slot;
// and then the trailer, which ends the file. The part is written only when
// the grid has a letter and the whole file stays within 10000 slots.

#include <string>
#include <string_view>

#include "document/scanword_document.h"
#include "files/byte_stream.h"

namespace verstak {

// A control byte first: no clue typed or read from a definitions file
// begins so.
inline constexpr std::string_view kLettersTag = "\x01VERSTAK letters";
static_assert(kLettersTag.size() == 16);

// Appends the part for the document, whose `blocks` clue slots are written
// already; nothing when it has no letter or they would not fit.
void AppendLettersPart(std::string& out, const ScanwordDocument& document, int blocks);

// Reads the rest of the part once its tag line has been read: `letters`
// gets width * height bytes, row by row. False when the part is not whole
// and exactly as written, trailer included, or anything follows it.
bool ReadLettersPart(ByteStream& in, std::uint8_t width, std::uint8_t height, std::string& letters);

}  // namespace verstak
