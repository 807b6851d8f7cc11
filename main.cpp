// VERSTAK: lays out scanwords and writes the macro that draws them.

#include <QApplication>
#include <cstdio>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "settings/print_settings.h"
#include "widgets/prompter.h"
#include "document/scanword_document.h"
#include "editor/editor_state.h"
#include "program_recovery.h"
#include "program_start.h"
#include "program_windows.h"
#include "session/document_session.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VERSTAK"));

  // The standard dialogs (files, fonts, questions) speak Russian like the rest.
  QTranslator qtRussian;
  if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtRussian);
  }

  const verstak::StartArguments start = verstak::ReadStartArguments(QApplication::arguments().mid(1));
  if (start.help || !start.error.isEmpty()) {
    if (!start.error.isEmpty()) std::fprintf(stderr, "verstak: %s\n", start.error.toLocal8Bit().constData());
    std::fputs(verstak::kStartUsage, start.help ? stdout : stderr);
    return start.help ? 0 : 2;
  }

  // The one document, editing state and print settings of the run.
  verstak::ScanwordDocument document;
  verstak::EditorState editor;
  verstak::PrintSettings settings;
  verstak::QtPrompter prompter;
  // Its history, unsaved mark and name, under every window.
  verstak::DocumentSession session(document, settings);

  // The preview's typesetting, kept between runs.
  QSettings kept(QStringLiteral("VERSTAK"), QStringLiteral("VERSTAK"));
  verstak::ProgramWindows windows(session, editor, settings, prompter, verstak::StartupSplash::Show, &kept);
  verstak::ProgramRecovery recovery(session, windows.main, prompter);
  if (!start.file.isEmpty()) verstak::OpenWhenStarted(windows.main, start.file);
  windows.main.showMaximized();
  return QApplication::exec();
}
