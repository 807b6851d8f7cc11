#include "widgets/window_look.h"

#include <QDialog>
#include <QLabel>
#include <QPalette>

#include "widgets/ui_font.h"

namespace verstak {

void SetBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void SetTextColour(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

void SetUpDialogFrame(QDialog& dialog, const QString& name, const QString& caption, QSize client,
                      const QColor& background) {
  dialog.setObjectName(name);
  dialog.setWindowTitle(caption);
  dialog.setFont(WindowFont());
  dialog.setFixedSize(client);
  dialog.setModal(true);
  SetBackground(dialog, background);
}

}  // namespace verstak
