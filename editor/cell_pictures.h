#pragma once
// The four small pictures the cells are drawn with: black pixels on a
// transparent ground. Built once from their pixel tables.

#include <QImage>

namespace verstak {

struct CellPictures {
  QImage Image1;  // right arrowhead, 11 x 11
  QImage Image2;  // down arrowhead, 10 x 10
  QImage Image3;  // the word ТЕКСТ, 30 x 10
  QImage Image4;  // the same word running upwards, 10 x 30
};

const CellPictures& Pictures();

}  // namespace verstak
