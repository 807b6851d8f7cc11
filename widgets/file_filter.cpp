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

QString FilterSuffix(const QString& entry) {
  const qsizetype open = entry.lastIndexOf(QStringLiteral("(*."));
  if (open < 0 || !entry.endsWith(QLatin1Char(')'))) return {};
  const QString suffix = entry.mid(open + 3, entry.size() - open - 4);
  return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char(' ')) ? QString() : suffix;
}

}  // namespace verstak
