#include "dialogs/logo.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "dialogs/artwork.h"

namespace verstak {

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("VERSTAK"));
  setFixedSize(488, 326);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setGeometry(0, 0, 488, 326);
  picture->setScaledContents(true);
  picture->setPixmap(QPixmap::fromImage(DrawSplashPicture()));

  auto* version = new QLabel(QStringLiteral("Ver. 3.2"), this);
  version->setObjectName(QStringLiteral("Label2"));
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(16);
  font.setBold(true);
  version->setFont(font);
  version->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0); background: transparent;"));
  version->move(56, 148);
  version->adjustSize();

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setGeometry(366, 269, 77, 23);
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void SplashWindow::showEvent(QShowEvent* event) {
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

}  // namespace verstak
