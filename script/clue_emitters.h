#pragma once
// Clue texts in the macro: each clue becomes one artistic text object, made
// at a point of the current cell and aligned with the rectangle created for it
// just before.

#include <string_view>

#include "script/writer_state.h"

namespace verstak {

enum class ClueEmitter {
  WriteCentredClue,      // kinds 19 and 25: one clue, centred on its rectangle
  WriteRotatedClue,      // kind 24: one clue, turned upright
  WriteCluePair,         // kind 16: top clue, then bottom clue
  WriteRotatedCluePair,  // kind 20: left clue, then right clue, turned upright
};

struct EmitterShape {
  int clueSlots;          // clues written, one slot each (not "slots": a word Qt takes)
  std::string_view tail;  // closes the text and places it
  bool upright;           // turned by 90 degrees after creation, to read upwards
  int partnerBack;        // each text is aligned with object nob-<partnerBack>
};

const EmitterShape& ShapeOf(ClueEmitter emitter);

// Writes the emitter's lines for the clue or the pair of clues at the
// export's DefinitionCursor and moves the cursor past the slots used. A slot
// number past the table reads as an empty clue.
void WriteClue(ScriptWriterState& script, ClueEmitter emitter);

}  // namespace verstak
