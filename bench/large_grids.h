#pragma once
// The largest grids for the benchmarks: 99 x 99 cells using every kind and
// every second mark, and 99 x 99 split clue cells; every clue slot holds 16
// full lines.

#include <string>
#include <vector>

#include "document/scanword_document.h"
#include "tests/every_kind_grid.h"

namespace verstak::bench {

// 32 bytes a line, a double quote among them.
inline const std::string kFullLine = "\xCA\xEB\xFE\xF7 \"\xF1\xEB\xEE\xE2\xE0\" 0123456789 abcdefgh";

inline void FillEverySlot(ScanwordDocument& doc) {
  for (int slot = 1; slot <= kDefinitionSlots; ++slot) {
    for (int number = 1; number <= kDefinitionLines; ++number)
      doc.definitions.slot(slot).line(number).assign(kFullLine);
  }
}

inline const ScanwordDocument& EveryKindGrid() {
  static const ScanwordDocument document = [] {
    ScanwordDocument doc;
    testing::FillEveryKind(doc);
    FillEverySlot(doc);
    return doc;
  }();
  return document;
}

// The most text a grid can carry: every cell a split clue, 19602 slots.
inline const ScanwordDocument& AllSplitCluesGrid() {
  static const ScanwordDocument document = [] {
    ScanwordDocument doc;
    doc.gridWidth = kMaxGridSide;
    doc.gridHeight = kMaxGridSide;
    for (int y = 1; y <= kMaxGridSide; ++y) {
      for (int x = 1; x <= kMaxGridSide; ++x) doc.cells.at(x, y).kind = CellKind::ClueSplitVertical;
    }
    FillEverySlot(doc);
    return doc;
  }();
  return document;
}

}  // namespace verstak::bench
