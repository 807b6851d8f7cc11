#pragma once
// Colours and frames the windows share.

#include <QColor>
#include <QSize>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

namespace verstak {

namespace WindowColour {
inline const QColor Navy{0, 0, 128};
inline const QColor Teal{0, 128, 128};
inline const QColor Silver{192, 192, 192};
inline const QColor Red{255, 0, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor White{255, 255, 255};
}  // namespace WindowColour

// A widget that paints its whole area in `colour`.
void SetBackground(QWidget& widget, const QColor& colour);
void SetTextColour(QLabel& label, const QColor& colour);

// A modal dialog of fixed client size with the window font, centred on the
// screen when shown; `name` is its component name.
void SetUpDialogFrame(QDialog& dialog, const QString& name, const QString& caption, QSize client,
                      const QColor& background);

}  // namespace verstak
