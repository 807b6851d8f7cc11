#include "program_windows.h"

namespace verstak {

ProgramWindows::ProgramWindows(ScanwordDocument& document, EditorState& editor, PrintSettings& settings,
                               Prompter& prompter, StartupSplash startupSplash)
    : main(document, editor, settings, prompter),
      open(prompter),
      newGrid(prompter),
      settingsDialog(prompter) {
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
