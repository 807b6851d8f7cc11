#pragma once
// File dialog filters are written as the windows give them: a description and
// a pattern joined by a vertical bar, more such pairs joined the same way.
// Qt wants each pair as "description (pattern)", pairs joined by ";;".

#include <QString>

namespace verstak {

QString QtFileFilter(const QString& filter);

// The extension of a filter entry in Qt's notation: "pdf" for
// "PDF: *.pdf (*.pdf)"; empty when its pattern names none.
QString FilterSuffix(const QString& entry);

}  // namespace verstak
