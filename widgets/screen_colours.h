#pragma once
// The program's colours, written once for the grid view and the windows alike.

#include <QColor>

namespace verstak::ScreenColour {

inline const QColor Black{0, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Grey{128, 128, 128};
inline const QColor Silver{192, 192, 192};
inline const QColor Red{255, 0, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor Teal{0, 128, 128};

}  // namespace verstak::ScreenColour
