#pragma once
// Puzzles ready for the press, made to order: each row a clue cell and a
// word across it, the letter cells barred below so that no word runs down;
// every clue short enough to fit. Their letters spell `seed`-dependent words.

#include <string>

#include "document/cp1251.h"
#include "document/scanword_document.h"

namespace verstak::testing {

inline ScanwordDocument ReadyBookPuzzle(int width, int height, int seed) {
  static const char* const kClues[] = {"Кот", "Лес", "Дом", "Сад", "Мяч"};
  ScanwordDocument document;
  document.gridWidth = static_cast<std::uint8_t>(width);
  document.gridHeight = static_cast<std::uint8_t>(height);
  const std::string alphabet = Utf8ToCp1251("абвгдежзиклмнопрстуфхцчшэюя");
  for (int y = 1; y <= height; ++y) {
    document.cells.at(1, y).kind = CellKind::Clue;
    for (int x = 2; x <= width; ++x) {
      GridCell& cell = document.cells.at(x, y);
      const bool barred = y < height;
      if (x == 2) {
        cell.kind = CellKind::ArrowFromLeftRight;
        if (barred) cell.overlay = Code(CellKind::BarBottom);
      } else {
        cell.kind = barred ? CellKind::BarBottom : CellKind::Letter;
      }
      document.letters.set(x, y, static_cast<std::uint8_t>(alphabet[static_cast<std::size_t>(seed * 7 + x * 3 + y) % alphabet.size()]));
    }
    document.definitions.slot(y).line(1).assign(Utf8ToCp1251(kClues[(seed + y) % 5]));
  }
  return document;
}

}  // namespace verstak::testing
