#include "widgets/file_filter.h"

#include <QStringList>

namespace verstak {

QString QtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    entries << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace verstak
