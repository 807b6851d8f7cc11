#pragma once
// The four small pictures the cells are drawn with: black pixels on a
// transparent ground. Built once from their pixel tables.

#include <QImage>

namespace verstak {

struct CellPictures {
  // The form's Image1 .. Image4.
  QImage rightArrowhead;   // 11 x 11
  QImage downArrowhead;    // 10 x 10
  QImage textWord;         // the word ТЕКСТ, 30 x 10
  QImage textWordUpwards;  // the same word running upwards, 10 x 30
};

const CellPictures& Pictures();

}  // namespace verstak
