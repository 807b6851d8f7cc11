// The JSON of `info --json` for random documents against the same JSON
// written the plain way, one small string at a time: every byte value in the
// clue lines, kind and overlay codes of one to three digits, gaps in the
// lines and slots, grids up to 99 x 99 and text up to slot 10000.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "cli/document_json.h"
#include "document/cp1251.h"
#include "document/slot_numbering.h"

namespace verstak::batch {
namespace {

std::string PlainString(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    char escaped[8];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// Appends the items with a comma between them.
class List {
 public:
  void add(const std::string& item) {
    if (!text_.empty()) text_ += ',';
    text_ += item;
  }
  std::string inBrackets() const { return '[' + text_ + ']'; }

 private:
  std::string text_;
};

std::string PlainJson(const ScanwordDocument& document) {
  List kindRows, overlayRows;
  for (int y = 1; y <= document.gridHeight; ++y) {
    List kinds, overlays;
    for (int x = 1; x <= document.gridWidth; ++x) {
      kinds.add(std::to_string(Code(document.cells.at(x, y).kind)));
      overlays.add(std::to_string(document.cells.at(x, y).overlay));
    }
    kindRows.add(kinds.inBrackets());
    overlayRows.add(overlays.inBrackets());
  }
  List definitions;
  for (int slot = 1; slot <= document.definitions.lastSlotWithText(); ++slot) {
    const DefinitionText& text = document.definitions.slot(slot);
    int last = 0;
    for (int n = 1; n <= kDefinitionLines; ++n) last = text.line(n).empty() ? last : n;
    List lines;
    for (int n = 1; n <= last; ++n) lines.add(PlainString(Cp1251ToUtf8(text.line(n).text())));
    definitions.add(lines.inBrackets());
  }
  std::string json = "{\"width\":";
  json += std::to_string(document.gridWidth);
  json += ",\"height\":";
  json += std::to_string(document.gridHeight);
  json += ",\"kinds\":";
  json += kindRows.inBrackets();
  json += ",\"overlays\":";
  json += overlayRows.inBrackets();
  json += ",\"slots\":";
  json += std::to_string(SlotTotal(document));
  json += ",\"definitions\":";
  json += definitions.inBrackets();
  return json + '}';
}

TEST(DocumentJson, MatchesThePlainWayForRandomDocuments) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> side(0, kMaxGridSide), code(0, 255), chance(0, 3), length(0, 32);
  std::uniform_int_distribution<int> slots(0, 60), line(1, kDefinitionLines);
  for (int round = 0; round < 40; ++round) {
    ScanwordDocument document;
    document.gridWidth = static_cast<std::uint8_t>(side(random));
    document.gridHeight = static_cast<std::uint8_t>(document.gridWidth == 0 ? 0 : std::max(1, side(random)));
    for (int y = 1; y <= document.gridHeight; ++y) {
      for (int x = 1; x <= document.gridWidth; ++x) {
        document.cells.at(x, y) = {KindFromCode(static_cast<std::uint8_t>(code(random))),
                                   static_cast<std::uint8_t>(code(random))};
      }
    }
    const int top = round % 8 == 0 ? kDefinitionSlots : slots(random);
    for (int slot = top; slot >= 1; slot -= 1 + chance(random) * (round % 8 == 0 ? 400 : 1)) {
      for (int lines = chance(random) * 3; lines > 0; --lines) {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : text) c = static_cast<char>(code(random));
        document.definitions.slot(slot).line(line(random)).assign(text);
      }
    }
    ASSERT_EQ(DocumentJson(document), PlainJson(document)) << "round " << round;
  }
}

}  // namespace
}  // namespace verstak::batch
