#pragma once
// Building blocks of the dialogs: controls placed at fixed pixel positions,
// named for their component names, in the windows' colours.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace verstak {

// The dialogs' fonts: "MS Sans Serif" of the window font's size, plain or bold.
QFont DialogFont(bool bold = false);

// A group frame with its caption in `colour`; its controls keep their own fonts.
QGroupBox* AddGroupBox(QWidget& parent, const char* name, const QString& caption, const QRect& place,
                       const QColor& colour, bool bold);
// A label sized to its text.
QLabel* AddLabel(QWidget& parent, const char* name, const QString& text, QPoint at, const QColor& colour,
                 bool bold = false);
QLineEdit* AddLineEdit(QWidget& parent, const char* name, const QString& text, const QRect& place);
// Enter does not press it unless it is made the dialog's default button.
QPushButton* AddPushButton(QWidget& parent, const char* name, const QString& caption, const QRect& place);
// The caption of a radio button or check box in `colour`, also when disabled
// (then faded towards silver, so the state shows and the text stays readable).
void SetCaptionColour(QAbstractButton& button, const QColor& colour);

}  // namespace verstak
