#include "editor/key_command.h"

#include <QKeyEvent>
#include <QWidget>

#include "document/cp1251.h"
#include "editor/clue_editing.h"
#include "editor/tool_palette.h"

namespace verstak {
namespace {

constexpr unsigned char kEscape = 27;

// The typed character in code page 1251; nullopt for keys that type none
// (or more than one) and for characters the code page lacks.
std::optional<unsigned char> TypedCharacter(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Escape) return kEscape;
  const QList<uint> typed = key.text().toUcs4();
  if (typed.size() != 1) return std::nullopt;
  return UnicodeToCp1251(typed.front());
}

}  // namespace

Chord ChordOf(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier))) return Chord::None;
  const bool shift = modifiers & Qt::ShiftModifier;
  // The Latin letter and the Cyrillic one of the same key in the usual layouts.
  constexpr int kYa = 0x042F;  // Я
  constexpr int kEn = 0x041D;  // Н
  constexpr int kYeru = 0x042B;  // Ы
  constexpr int kKa = 0x041A;    // К
  switch (key.key()) {
    case Qt::Key_Z:
    case kYa: return shift ? Chord::Redo : Chord::Undo;
    case Qt::Key_Y:
    case kEn: return shift ? Chord::None : Chord::Redo;
    case Qt::Key_S:
    case kYeru: return shift ? Chord::None : Chord::Save;
    case Qt::Key_R:
    case kKa: return shift ? Chord::None : Chord::Markup;
    case Qt::Key_Plus:
    case Qt::Key_Equal: return Chord::ZoomIn;
    case Qt::Key_Minus: return Chord::ZoomOut;
    case Qt::Key_0: return shift ? Chord::None : Chord::ActualSize;
    default: return Chord::None;
  }
}

OneKeyCommands::OneKeyCommands(QWidget& window, EditorState& editor, ToolPalette& palette, ClueEditing& clues)
    : window_(window), editor_(editor), palette_(palette), clues_(clues) {}

KeyAction OneKeyCommands::KeyCommand(unsigned char code) {
  const KeyCommandEntry command = KeyCommandFor(code);
  const bool editingClues = editor_.mode == EditorMode::ClueEditing;
  switch (command.action) {
    case KeyAction::None: break;
    case KeyAction::CloseProgram: window_.close(); break;
    case KeyAction::SelectTool: palette_.SelectTool(command.tool); break;
    // Outside clue editing no clue is selected, and a step there must not
    // store the hidden memo into any slot.
    case KeyAction::PreviousClue:
      if (!editingClues) return KeyAction::None;
      clues_.PreviousClue();
      break;
    case KeyAction::NextClue:
      if (!editingClues) return KeyAction::None;
      clues_.NextClue();
      break;
  }
  return command.action;
}

bool OneKeyCommands::KeyPressed(const QKeyEvent& key, bool inMemo) {
  // A chord with Ctrl, Alt or Meta is a shortcut (Ctrl+S, the memo's own
  // Ctrl+Z), never a one-key command.
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (inMemo && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (key.key() == Qt::Key_PageUp) {
      clues_.PreviousClue();
      return true;
    }
    if (key.key() == Qt::Key_PageDown) {
      clues_.NextClue();
      return true;
    }
  }
  const std::optional<unsigned char> code = TypedCharacter(key);
  if (!code) return false;
  // Clue texts need ' and % (д'Артаньян, 100 %): in the memo they are text,
  // and step between clues only from the scroll bars.
  const KeyAction action = KeyCommandFor(*code).action;
  if (inMemo && (action == KeyAction::PreviousClue || action == KeyAction::NextClue)) return false;
  switch (KeyCommand(*code)) {
    case KeyAction::None: return false;
    case KeyAction::SelectTool: return !inMemo;
    case KeyAction::CloseProgram:
    case KeyAction::PreviousClue:
    case KeyAction::NextClue: return true;
  }
  return false;
}

}  // namespace verstak
