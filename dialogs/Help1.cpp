#include "dialogs/Help1.h"

#include "dialogs/window_look.h"

namespace verstak {

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
  SetUpDialogFrame(*this, QStringLiteral("Form6"), QStringLiteral("О программе..."), QSize(385, 328), WindowColour::Navy);
}

}  // namespace verstak
