#include "program_windows.h"

#include "dialogs/print_settings_store.h"

namespace verstak {

ProgramWindows::ProgramWindows(DocumentSession& session, EditorState& editor, PrintSettings& settings,
                               Prompter& prompter, StartupSplash startupSplash, QSettings* kept)
    : main(session, editor, settings, prompter),
      open(prompter),
      newGrid(prompter),
      settingsDialog(prompter),
      preview(session.document(), settings, prompter, kept, &main) {
  main.setDialogs({
      .splash = startupSplash == StartupSplash::Show ? &splash : nullptr,
      .open = &open,
      .exportDialog = &exportDialog,
      .newGrid = &newGrid,
      .settings = &settingsDialog,
      .about = &about,
      .preview = &preview,
  });
  // Every step, undone or redone too, and every new or opened document
  // shows in the preview, under the document's print title.
  QObject::connect(&session, &DocumentSession::changed, &preview, &PreviewWindow::ScheduleRender);
  const auto showName = [&session, this] {
    preview.setTitle(session.printTitle(), session.name().scanwordFile, session.answerCaption());
    preview.setSuggestedName(session.suggestedFileName());
  };
  QObject::connect(&session, &DocumentSession::nameChanged, &preview, showName);
  showName();
  // The print settings kept between runs are also what a new document starts with.
  if (kept) {
    settings = LoadPrintSettings(*kept);
    session.setStartSettings(settings);
    QObject::connect(&main, &MainWindow::printSettingsChosen, &main, [&session, &settings, kept] {
      KeepPrintSettings(*kept, settings);
      session.setStartSettings(settings);
    });
  }
}

}  // namespace verstak
