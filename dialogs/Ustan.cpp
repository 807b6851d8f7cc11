#include "dialogs/Ustan.h"

#include "dialogs/window_look.h"

namespace verstak {

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
  SetUpDialogFrame(*this, QStringLiteral("Form4"), QStringLiteral("Установки..."), QSize(271, 323), WindowColour::Teal);
}

}  // namespace verstak
