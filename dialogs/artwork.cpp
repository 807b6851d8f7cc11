#include "dialogs/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace verstak {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kClueGrey(128, 128, 128);
const QColor kYellow(255, 255, 0);

// A right-pointing arrow from `from` to `to` with a filled head.
void DrawArrow(QPainter& p, QPointF from, QPointF to, qreal head) {
  p.setPen(QPen(Qt::black, head / 3.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(from, QPointF(to.x() - head, to.y()));
  QPainterPath tip;
  tip.moveTo(to);
  tip.lineTo(to.x() - head, to.y() - head / 1.6);
  tip.lineTo(to.x() - head, to.y() + head / 1.6);
  tip.closeSubpath();
  p.fillPath(tip, Qt::black);
}

// A scanword fragment: letters, grey clue cells, arrows and one bar.
void DrawGridFragment(QPainter& p, QRectF area, int columns, int rows) {
  const qreal w = area.width() / columns;
  const qreal h = area.height() / rows;
  static const char* kLetters = "СКАНВОРДЛИСТРЕКАОБЛАКОМАЯК";
  const QString letters = QString::fromUtf8(kLetters);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(h * 0.55));
  font.setBold(true);
  p.setFont(font);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const QRectF cell(area.left() + c * w, area.top() + r * h, w, h);
      const bool clue = (r + 2 * c) % 5 == 0;
      p.fillRect(cell, clue ? kClueGrey : Qt::white);
      p.setPen(QPen(Qt::black, 1.5));
      p.drawRect(cell);
      if (clue) {
        p.setPen(Qt::white);
        p.drawText(cell, Qt::AlignCenter, QStringLiteral("?"));
      } else {
        p.setPen(QColor(40, 40, 40));
        p.drawText(cell, Qt::AlignCenter, letters.mid((r * columns + c) % letters.size(), 1));
      }
      if (!clue && (r + 2 * (c - 1)) % 5 == 0 && c > 0)
        DrawArrow(p, QPointF(cell.left(), cell.center().y()), QPointF(cell.left() + w * 0.4, cell.center().y()), w * 0.18);
    }
  }
  p.fillRect(QRectF(area.left() + 2 * w, area.top() + 3 * h - h * 0.12, w, h * 0.12), Qt::black);
}

}  // namespace

QImage DrawSplashPicture() {
  QImage image(550, 370, QImage::Format_RGB888);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 370);
  sky.setColorAt(0, QColor(0, 0, 96));
  sky.setColorAt(1, QColor(0, 96, 128));
  p.fillRect(image.rect(), sky);

  p.save();
  p.translate(345, 48);
  p.rotate(8);
  DrawGridFragment(p, QRectF(0, 0, 185, 185), 5, 5);
  p.restore();

  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(52);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(QPoint(34, 112), QStringLiteral("VERSTAK"));
  p.setPen(kYellow);
  p.drawText(QPoint(30, 108), QStringLiteral("VERSTAK"));

  QFont subtitle(QStringLiteral("DejaVu Sans"));
  subtitle.setPixelSize(20);
  p.setFont(subtitle);
  p.setPen(Qt::white);
  p.drawText(QPoint(44, 240), QStringLiteral("вёрстка сканвордов"));
  p.drawText(QPoint(44, 268), QStringLiteral("для CorelDRAW 7, 9, 10"));
  p.fillRect(QRect(44, 282, 200, 3), kYellow);
  return image;
}

QImage DrawProgramIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, 16, 32), kClueGrey);
  p.fillRect(QRect(16, 0, 16, 32), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(QRect(0, 0, 15, 31));
  p.drawRect(QRect(16, 0, 15, 31));
  p.fillRect(QRect(2, 4, 12, 2), Qt::white);
  p.fillRect(QRect(2, 8, 9, 2), Qt::white);
  p.fillRect(QRect(2, 12, 11, 2), Qt::white);
  p.fillRect(QRect(16, 15, 9, 2), kNavy);
  for (int i = 0; i < 5; ++i) p.fillRect(QRect(25 + i, 11 + i, 1, 10 - 2 * i), kNavy);
  p.fillRect(QRect(16, 27, 16, 5), Qt::black);
  return image;
}

}  // namespace verstak
