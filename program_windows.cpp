#include "program_windows.h"

namespace verstak {

ProgramWindows::ProgramWindows(ScanwordDocument& document, EditorState& editor, PrintSettings& settings,
                               Prompter& prompter, StartupSplash startupSplash)
    : main(document, editor, settings, prompter),
      open(document, editor, main.gridView(), prompter),
      exportDialog(document, settings, prompter),
      newGrid(document, main, prompter),
      settingsDialog(settings, editor, prompter) {
  main.setDialogs({
      .splash = startupSplash == StartupSplash::Show ? &splash : nullptr,
      .open = &open,
      .exportDialog = &exportDialog,
      .newGrid = &newGrid,
      .settings = &settingsDialog,
      .about = &about,
  });
}

}  // namespace verstak
