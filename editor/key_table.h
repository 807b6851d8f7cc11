#pragma once
// The one-key commands: which typed character (a code of code page 1251)
// chooses which tool, steps between clues or ends the program. A letter key
// works in both keyboard layouts and both cases.

namespace verstak {

enum class KeyAction { None, CloseProgram, SelectTool, PreviousClue, NextClue };

struct KeyCommandEntry {
  KeyAction action = KeyAction::None;
  int tool = 0;  // for SelectTool
};

KeyCommandEntry KeyCommandFor(unsigned char code);

}  // namespace verstak
