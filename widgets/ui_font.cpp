#include "widgets/ui_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace verstak {
namespace {

// Sans-serif families with Cyrillic that Linux desktops commonly have;
// DejaVu Sans comes with the set-up's font package.
const char* const kCyrillicSansFamilies[] = {"DejaVu Sans", "Liberation Sans", "Noto Sans", "FreeSans", "Arial"};

QString CyrillicFamily(const QString& wanted) {
  const QStringList cyrillic = QFontDatabase::families(QFontDatabase::Cyrillic);
  if (cyrillic.contains(wanted, Qt::CaseInsensitive)) return wanted;
  for (const char* family : kCyrillicSansFamilies) {
    if (cyrillic.contains(QLatin1String(family), Qt::CaseInsensitive)) return QLatin1String(family);
  }
  QFont sans;
  sans.setStyleHint(QFont::SansSerif);
  return QFontInfo(sans).family();
}

}  // namespace

QFont UiFont(const QString& family, int pixelSize, bool bold) {
  QFont font(CyrillicFamily(family));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QFont WindowFont() { return UiFont(QStringLiteral("MS Sans Serif"), 10); }

}  // namespace verstak
