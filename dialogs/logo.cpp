#include "dialogs/logo.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/ui_font.h"
#include "dialogs/window_look.h"

namespace verstak {

TForm2::TForm2(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint) {
  SetUpDialogFrame(*this, QStringLiteral("Form2"), QStringLiteral("VERSTAK"), QSize(488, 326), WindowColour::Teal);

  auto* version = new QLabel(QStringLiteral("Ver. 3.2"), this);
  version->setObjectName(QStringLiteral("Label2"));
  version->setFont(UiFont(QStringLiteral("MS Sans Serif"), 16, true));
  SetTextColour(*version, WindowColour::Yellow);
  version->move(56, 148);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setGeometry(366, 269, 77, 23);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace verstak
