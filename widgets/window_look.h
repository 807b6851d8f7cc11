#pragma once
// Colours and frames the windows share.

#include <QColor>
#include <QSize>
#include <QString>

#include "widgets/screen_colours.h"

class QDialog;
class QLabel;
class QWidget;

namespace verstak {

// A widget that paints its whole area in `colour`.
void SetBackground(QWidget& widget, const QColor& colour);
void SetTextColour(QLabel& label, const QColor& colour);

// A modal dialog of fixed client size with the window font, centred on the
// screen when shown; `name` is its component name.
void SetUpDialogFrame(QDialog& dialog, const QString& name, const QString& caption, QSize client,
                      const QColor& background);

}  // namespace verstak
