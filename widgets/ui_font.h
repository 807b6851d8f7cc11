#pragma once
// The windows were designed with the Windows fonts "MS Sans Serif" and
// "Arial Cyr". Where such a family is missing, a Cyrillic-capable sans-serif
// of the same pixel size stands in, so that Russian captions never show as
// boxes.

#include <QFont>
#include <QString>

namespace verstak {

QFont UiFont(const QString& family, int pixelSize, bool bold = false);

// The font of every window: "MS Sans Serif", 10 pixels high.
QFont WindowFont();

}  // namespace verstak
