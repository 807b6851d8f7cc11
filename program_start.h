#pragma once
// The scanword file named when the program starts (`verstak FILE.skw`, as
// the desktop opens one): read once the main window has started up, after
// the recovery question, with the questions and messages of Открыть.

#include <QString>
#include <QStringList>

namespace verstak {

class MainWindow;

struct StartArguments {
  QString file;   // empty: none named
  bool help = false;
  QString error;  // what is wrong with the command line, for standard error
};

inline constexpr const char* kStartUsage =
    "Использование: verstak [ФАЙЛ.skw]\n"
    "Открывает окно вёрстки; с ФАЙЛОМ сканворда — сразу с ним.\n"
    "  -h, --help  эта справка\n"
    "  --          дальше имя файла, даже если оно начинается с «-»\n";

// The arguments after the program's name, once Qt has taken its own.
StartArguments ReadStartArguments(const QStringList& arguments);

// Opens `file` in `main` when it has started up. Connected after the
// program's crash recovery, whose question therefore comes first.
void OpenWhenStarted(MainWindow& main, const QString& file);

}  // namespace verstak
