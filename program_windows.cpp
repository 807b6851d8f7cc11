#include "program_windows.h"

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
  QObject::connect(&session, &DocumentSession::nameChanged, &preview,
                   [&session, this] { preview.setTitle(session.printTitle(), session.name().scanwordFile); });
  preview.setTitle(session.printTitle(), session.name().scanwordFile);
}

}  // namespace verstak
