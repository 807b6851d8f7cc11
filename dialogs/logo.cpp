#include "dialogs/logo.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/artwork.h"
#include "widgets/ui_font.h"
#include "widgets/window_look.h"

namespace verstak {

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  SetUpDialogFrame(*this, QStringLiteral("Form2"), QStringLiteral("VERSTAK"), QSize(488, 326), ScreenColour::Teal);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setGeometry(0, 0, 488, 326);
  picture->setScaledContents(true);
  picture->setPixmap(QPixmap::fromImage(DrawSplashPicture()));

  auto* version = new QLabel(QStringLiteral("Ver. 3.2"), this);
  version->setObjectName(QStringLiteral("Label2"));
  version->setFont(UiFont(QStringLiteral("MS Sans Serif"), 16, true));
  SetTextColour(*version, ScreenColour::Yellow);
  version->move(56, 148);
  version->adjustSize();

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setGeometry(366, 269, 77, 23);
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace verstak
