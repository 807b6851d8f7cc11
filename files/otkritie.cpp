#include "files/otkritie.h"

#include "dialogs/window_look.h"

namespace verstak {

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  SetUpDialogFrame(*this, QStringLiteral("Form3"), QStringLiteral("Открыть..."), QSize(490, 248), WindowColour::Teal);
}

}  // namespace verstak
