// VERSTAK: lays out scanwords and writes the macro that draws them.

#include <QApplication>

#include "dialogs/print_settings.h"
#include "dialogs/prompter.h"
#include "document/scanword_document.h"
#include "editor/editor_state.h"
#include "program_windows.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VERSTAK"));

  // The one document, editing state and print settings of the run.
  verstak::ScanwordDocument document;
  verstak::EditorState editor;
  verstak::PrintSettings settings;
  verstak::QtPrompter prompter;

  verstak::ProgramWindows windows(document, editor, settings, prompter);
  windows.main.showMaximized();
  return QApplication::exec();
}
