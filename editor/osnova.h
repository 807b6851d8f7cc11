#pragma once
// The main window: palette and commands on the left, the grid view on the right.

#include <QWidget>

#include "dialogs/print_settings.h"
#include "document/scanword_document.h"
#include "editor/editor_state.h"

class QPushButton;

namespace verstak {

class Prompter;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(ScanwordDocument& document, EditorState& editor, PrintSettings& settings, Prompter& prompter,
             QWidget* parent = nullptr);

 private:
  ScanwordDocument& document_;
  EditorState& editor_;
  PrintSettings& settings_;
  Prompter& prompter_;
};

}  // namespace verstak
