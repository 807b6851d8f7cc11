#pragma once
// The program's own pictures, drawn at start: the splash picture and the icon.

#include <QImage>

namespace verstak {

// 550 x 370, 24 bits a pixel: a corner of a laid-out scanword under the title.
QImage DrawSplashPicture();
// 32 x 32: a clue cell with its arrow leading into a letter cell.
QImage DrawProgramIcon();

}  // namespace verstak
