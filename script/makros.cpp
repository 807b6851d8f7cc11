#include "script/makros.h"

#include "dialogs/window_look.h"

namespace verstak {

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
  SetUpDialogFrame(*this, QStringLiteral("Form5"), QStringLiteral("Записать..."), QSize(369, 304), WindowColour::Teal);
}

}  // namespace verstak
