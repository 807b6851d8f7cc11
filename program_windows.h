#pragma once
// The program's seven windows, created once in this order and kept until the
// program ends; the dialogs are hidden, not destroyed, between showings, so
// their fields keep what was typed. Then the preview, a window of the main
// window's that stays open beside it.

#include "dialogs/Help1.h"
#include "dialogs/Ustan.h"
#include "dialogs/logo.h"
#include "editor/osnova.h"
#include "files/novi.h"
#include "files/otkritie.h"
#include "preview/preview_window.h"
#include "script/makros.h"
#include "session/document_session.h"

namespace verstak {

// Tests start the program without the modal splash window.
enum class StartupSplash { Show, Skip };

struct ProgramWindows {
  // The preview's typesetting and the print settings are kept in `kept`
  // between runs; without it, for the run only.
  ProgramWindows(DocumentSession& session, EditorState& editor, PrintSettings& settings, Prompter& prompter,
                 StartupSplash startupSplash = StartupSplash::Show, QSettings* kept = nullptr);

  MainWindow main;
  SplashWindow splash;
  OpenDialog open;
  ExportDialog exportDialog;
  NewGridDialog newGrid;
  SettingsDialog settingsDialog;
  AboutWindow about;
  PreviewWindow preview;
};

}  // namespace verstak
