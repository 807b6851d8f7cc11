#include "cli/document_json.h"

#include <charconv>
#include <string_view>

#include "cli/json_string.h"
#include "document/slot_numbering.h"

namespace verstak::batch {
namespace {

// The whole document goes into one string reserved once for all of it:
// numbers through std::to_chars, text converted straight onto its end.
class JsonText {
 public:
  explicit JsonText(std::size_t expected) { json_.reserve(expected); }

  JsonText& operator<<(std::string_view text) {
    json_ += text;
    return *this;
  }
  JsonText& operator<<(char c) {
    json_ += c;
    return *this;
  }
  JsonText& operator<<(unsigned value) {
    char digits[10];
    json_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    return *this;
  }

  // A cp1251 line as a JSON string in UTF-8.
  void string(std::string_view cp1251) { AppendJsonString(json_, cp1251); }

  std::string take() { return std::move(json_); }

 private:
  std::string json_;
};

// The last line of a slot that holds text; 0 for an empty slot.
int LastLine(const DefinitionText& definition) {
  for (int n = kDefinitionLines; n >= 1; --n) {
    if (!definition.line(n).empty()) return n;
  }
  return 0;
}

// Room for the usual document: three-digit codes, and two bytes of UTF-8 for
// each byte of text (Cyrillic letters take two).
std::size_t ExpectedSize(const ScanwordDocument& document, int lastSlot) {
  std::size_t size = 96 + 2 * std::size_t{document.gridHeight} * (4 * std::size_t{document.gridWidth} + 3);
  for (int slot = 1; slot <= lastSlot; ++slot) {
    const DefinitionText& definition = document.definitions.slot(slot);
    size += 3;
    for (int n = 1; n <= LastLine(definition); ++n) size += 3 + 2 * definition.line(n).length();
  }
  return size;
}

// One array per row of the grid, each cell's byte as a number.
template <class CellByte>
void AppendRows(JsonText& json, const ScanwordDocument& document, CellByte cellByte) {
  json << '[';
  for (int y = 1; y <= document.gridHeight; ++y) {
    json << (y > 1 ? ",[" : "[");
    for (int x = 1; x <= document.gridWidth; ++x) {
      if (x > 1) json << ',';
      json << static_cast<unsigned>(cellByte(document.cells.at(x, y)));
    }
    json << ']';
  }
  json << ']';
}

void AppendDefinition(JsonText& json, const DefinitionText& definition) {
  json << '[';
  for (int n = 1, last = LastLine(definition); n <= last; ++n) {
    if (n > 1) json << ',';
    json.string(definition.line(n).text());
  }
  json << ']';
}

}  // namespace

std::string DocumentJson(const ScanwordDocument& document) {
  const int lastSlot = document.definitions.lastSlotWithText();
  JsonText json(ExpectedSize(document, lastSlot));
  json << "{\"width\":" << unsigned{document.gridWidth} << ",\"height\":" << unsigned{document.gridHeight}
       << ",\"kinds\":";
  AppendRows(json, document, [](const GridCell& cell) { return Code(cell.kind); });
  json << ",\"overlays\":";
  AppendRows(json, document, [](const GridCell& cell) { return cell.overlay; });
  json << ",\"slots\":" << static_cast<unsigned>(SlotTotal(document)) << ",\"definitions\":[";
  for (int slot = 1; slot <= lastSlot; ++slot) {
    if (slot > 1) json << ',';
    AppendDefinition(json, document.definitions.slot(slot));
  }
  json << "]}";
  return json.take();
}

}  // namespace verstak::batch
