#include "cli/document_json.h"

#include <cstdio>
#include <string_view>

#include "document/cp1251.h"
#include "document/slot_numbering.h"

namespace verstak::batch {
namespace {

void AppendString(std::string& json, std::string_view utf8) {
  json += '"';
  for (const char c : utf8) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json += escaped;
    } else {
      json += c;
    }
  }
  json += '"';
}

// One array per row of the grid, each cell's byte as a number.
template <class CellByte>
void AppendRows(std::string& json, const ScanwordDocument& document, CellByte cellByte) {
  json += '[';
  for (int y = 1; y <= document.gridHeight; ++y) {
    json += y > 1 ? ",[" : "[";
    for (int x = 1; x <= document.gridWidth; ++x) {
      if (x > 1) json += ',';
      json += std::to_string(cellByte(document.cells.at(x, y)));
    }
    json += ']';
  }
  json += ']';
}

void AppendDefinition(std::string& json, const DefinitionText& definition) {
  int lastLine = 0;
  for (int n = 1; n <= kDefinitionLines; ++n) {
    if (!definition.line(n).empty()) lastLine = n;
  }
  json += '[';
  for (int n = 1; n <= lastLine; ++n) {
    if (n > 1) json += ',';
    AppendString(json, Cp1251ToUtf8(definition.line(n).text()));
  }
  json += ']';
}

}  // namespace

std::string DocumentJson(const ScanwordDocument& document) {
  std::string json = "{\"width\":" + std::to_string(document.gridWidth) +
                     ",\"height\":" + std::to_string(document.gridHeight) + ",\"kinds\":";
  AppendRows(json, document, [](const GridCell& cell) { return static_cast<unsigned>(Code(cell.kind)); });
  json += ",\"overlays\":";
  AppendRows(json, document, [](const GridCell& cell) { return static_cast<unsigned>(cell.overlay); });
  json += ",\"slots\":" + std::to_string(SlotTotal(document)) + ",\"definitions\":[";
  const int lastSlot = document.definitions.lastSlotWithText();
  for (int slot = 1; slot <= lastSlot; ++slot) {
    if (slot > 1) json += ',';
    AppendDefinition(json, document.definitions.slot(slot));
  }
  json += "]}";
  return json;
}

}  // namespace verstak::batch
