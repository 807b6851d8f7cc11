#pragma once
// The one-key commands, typed while a scroll bar, "Новый" or the clue text
// editor has the keyboard focus: choose a tool, step between clues (only
// while editing clue texts) or end the program.

#include "editor/editor_state.h"
#include "editor/key_table.h"

class QKeyEvent;
class QWidget;

namespace verstak {

class ClueEditing;
class ToolPalette;

enum class Chord { None, Undo, Redo, Save, Markup, ZoomIn, ZoomOut, ActualSize };

// Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z, Ctrl+S, Ctrl+R: matched by the key, so that a
// Cyrillic layout (Ctrl+Я, Ctrl+Н, Ctrl+Ы, Ctrl+К on the same keys) works alike.
// The grid view's zoom: Ctrl with + (or =, Shift or not, or the keypad's),
// with -, and with 0 for the cells' own size.
Chord ChordOf(const QKeyEvent& key);

class OneKeyCommands {
 public:
  OneKeyCommands(QWidget& window, EditorState& editor, ToolPalette& palette, ClueEditing& clues);

  // Runs the command of `code`, a character of code page 1251, and says which
  // one ran: the clue steps do nothing outside clue editing.
  KeyAction KeyCommand(unsigned char code);

  // A key pressed in one of the listening controls, before the control sees
  // it; true when the control must not handle it too. In the memo a letter
  // that chose a tool is still typed, "%" and "'" are only typed, and Page
  // Up and Page Down step.
  bool KeyPressed(const QKeyEvent& key, bool inMemo);

 private:
  QWidget& window_;
  EditorState& editor_;
  ToolPalette& palette_;
  ClueEditing& clues_;
};

}  // namespace verstak
