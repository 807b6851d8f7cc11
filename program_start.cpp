#include "program_start.h"

#include <QFileInfo>

#include "editor/osnova.h"

namespace verstak {

StartArguments ReadStartArguments(const QStringList& arguments) {
  StartArguments start;
  bool options = true;
  for (const QString& argument : arguments) {
    if (options && argument == QStringLiteral("--")) {
      options = false;
    } else if (options && (argument == QStringLiteral("-h") || argument == QStringLiteral("--help"))) {
      start.help = true;
    } else if (options && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
      start.error = QStringLiteral("Неизвестный параметр «%1».").arg(argument);
      return start;
    } else if (!start.file.isEmpty()) {
      start.error = QStringLiteral("Можно назвать только один файл сканворда; лишнее: «%1».").arg(argument);
      return start;
    } else {
      start.file = argument;
    }
  }
  return start;
}

void OpenWhenStarted(MainWindow& main, const QString& file) {
  // Saved later, the document goes where it came from whatever the folder.
  const QString path = QFileInfo(file).absoluteFilePath();
  QObject::connect(&main, &MainWindow::startedUp, &main, [&main, path] { main.OpenScanwordFile(path); },
                   Qt::SingleShotConnection);
}

}  // namespace verstak
