#pragma once
// Helpers for the print output's tests: the default clue font, loaded once,
// and documents with random kinds, marks, settings and clue texts.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "document/overlay_rule.h"
#include "document/slot_numbering.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "settings/print_settings.h"

namespace verstak::testing {

// The set-up installs it (fonts-paratype); without it nothing can be typeset.
inline const TypesetFont& DefaultFont() {
  static const TypesetFont font = [] {
    FontOutcome loaded = LoadTypesetFont(TypesetSettings{}.font);
    if (!loaded.font) {
      ADD_FAILURE() << "the default clue font is missing: " << loaded.failure->text;
      std::abort();
    }
    return *loaded.font;
  }();
  return font;
}

inline int Between(std::mt19937& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

// Every kind and missing variant, now and then a code no operation writes,
// and second marks only where the palette lets them stand.
inline GridCell RandomCell(std::mt19937& random) {
  static const std::vector<int> kKinds = [] {
    std::vector<int> kinds;
    for (int kind = 0; kind <= 25; ++kind) kinds.push_back(kind);
    for (int kind : {102, 104, 105, 106, 109, 30, 200}) kinds.push_back(kind);
    return kinds;
  }();
  const auto kind = KindFromCode(static_cast<std::uint8_t>(
      kKinds[static_cast<std::size_t>(Between(random, 0, static_cast<int>(kKinds.size()) - 1))]));
  std::vector<std::uint8_t> marks;
  for (const OverlayRuleRow& row : kOverlayRule) {
    if (OverlayAllowed(row.overlay, kind)) marks.push_back(row.overlay);
  }
  std::uint8_t overlay = 0;
  if (!marks.empty() && Between(random, 0, 1) == 1)
    overlay = marks[static_cast<std::size_t>(Between(random, 0, static_cast<int>(marks.size()) - 1))];
  return {kind, overlay};
}

// Short Cyrillic words, a blank line now and then, a quote or two.
inline std::string RandomClueLine(std::mt19937& random) {
  static const char* const kWords[] = {"\xEA\xEE\xF2",
                                       "\xF0\xE5\xEA\xE0",
                                       "\xEF\xF2\xE8\xF6\xE0",
                                       "\"\xD1\xEB\xEE\xE2\xEE\"",
                                       "\xC1\xEE\xEB\xFC\xF8\xEE\xE9",
                                       "\xE8",
                                       "\xE4\xEE\xEC"};
  std::string line;
  for (int words = Between(random, 0, 3); words > 0; --words) {
    if (!line.empty()) line += ' ';
    line += kWords[Between(random, 0, 6)];
  }
  return line;
}

inline ScanwordDocument RandomDocument(std::mt19937& random) {
  ScanwordDocument doc;
  doc.gridWidth = static_cast<std::uint8_t>(Between(random, 1, 9));
  doc.gridHeight = static_cast<std::uint8_t>(Between(random, 1, 9));
  for (int y = 1; y <= doc.gridHeight; ++y) {
    for (int x = 1; x <= doc.gridWidth; ++x) doc.cells.at(x, y) = RandomCell(random);
  }
  for (int slot = 1, last = SlotTotal(doc) + 1; slot <= last; ++slot) {
    for (int line = 1, lines = Between(random, 0, 4); line <= lines; ++line) {
      doc.definitions.slot(slot).line(line).assign(RandomClueLine(random));
    }
  }
  return doc;
}

inline std::string Percent(std::mt19937& random) { return std::to_string(Between(random, 0, 100)); }

inline PrintSettings RandomSettings(std::mt19937& random) {
  PrintSettings settings;
  settings.cellWidth = Between(random, 20000, 300000);
  settings.cellHeight = Between(random, 20000, 300000);
  settings.cornerRadius = Between(random, 0, 1) * 20000;
  settings.cyanText = Percent(random) + ",";
  settings.magentaText = Percent(random) + ",";
  settings.yellowText = Percent(random) + ",";
  settings.blackText = Percent(random);
  return settings;
}

inline PassChoices RandomPasses(std::mt19937& random) {
  return {Between(random, 0, 1) == 1, Between(random, 0, 1) == 1, Between(random, 0, 1) == 1,
          Between(random, 0, 1) == 1, Between(random, 0, 1) == 1, Between(random, 0, 1) == 1};
}

}  // namespace verstak::testing
