#pragma once
// What a cell looks like on screen, for every kind and mark. The routines draw
// on any GridCanvas: the grid view, and the palette's button pictures.

#include <cstdint>

namespace verstak {

class GridCanvas;

// Where a cell is drawn: its top-left pixel and its size in pixels.
struct CellBox {
  int left = 0;
  int top = 0;
  int width = 40;
  int height = 40;
};

// While `on`, clue fills are yellow; of a two-clue cell only the half
// `selectedHalf` (1 = top or left, 2 = bottom or right) is drawn.
struct CellHighlight {
  bool on = false;
  int selectedHalf = 1;
};

// A white cell in a 1-pixel black frame.
void DrawCellBase(GridCanvas& canvas, const CellBox& box);

// The bases of the `columns` x `rows` cells from `first` on, as DrawCellBase
// draws them one by one, in a few strokes: one white rectangle, and a 2-pixel
// black line where two cells meet.
void DrawCellBases(GridCanvas& canvas, const CellBox& first, int columns, int rows);

// The picture of `code`, a cell kind or a mark, over what the cell shows.
// Letter cells, code 15 and unknown codes draw nothing. A bar code draws a
// whole bar cell; DrawBarMark draws only its bar.
void DrawCell(GridCanvas& canvas, const CellBox& box, std::uint8_t code, const CellHighlight& highlight = {});

// The 5-pixel black bar of bar code 17, 18, 21 or 22 over the cell, as a bar
// mark on an arrow cell shows it. Other codes draw nothing.
void DrawBarMark(GridCanvas& canvas, const CellBox& box, std::uint8_t code);

}  // namespace verstak
