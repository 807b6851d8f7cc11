#include "program_windows.h"

namespace verstak {

ProgramWindows::ProgramWindows(ScanwordDocument& document, EditorState& editor, PrintSettings& settings,
                               Prompter& prompter, StartupSplash startupSplash, QSettings* kept)
    : main(document, editor, settings, prompter),
      open(prompter),
      newGrid(prompter),
      settingsDialog(prompter),
      preview(document, settings, prompter, kept, &main) {
  main.setDialogs({
      .splash = startupSplash == StartupSplash::Show ? &splash : nullptr,
      .open = &open,
      .exportDialog = &exportDialog,
      .newGrid = &newGrid,
      .settings = &settingsDialog,
      .about = &about,
      .preview = &preview,
  });
}

}  // namespace verstak
