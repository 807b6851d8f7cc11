#pragma once
// The drawing subroutines the macro calls, each a labelled block that draws
// relative to the current cell and ends with RETURN. Their texts are fixed;
// only the fill lines follow the dialect and the clue colour.

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "script/writer_state.h"

namespace verstak {

enum class Fill : std::uint8_t {
  None,            // a plain line
  ClueFill,        // the clue background colour of the print settings
  ClueFillNarrow,  // the same; its CorelDRAW 7 line has two leading blanks, not three
  BlackFill,       // bars
  GreyFill,        // picture cells
};

struct SubroutineLine {
  std::string_view text;
  Fill fill = Fill::None;  // when set, the fill's lines stand here instead of `text`
};

struct Subroutine {
  int number;          // Klet_<number>
  int objectsCreated;  // what the counter line after its GOSUB must add
  std::initializer_list<SubroutineLine> lines;
};

// The subroutine numbered `number`; nullptr for numbers without one.
const Subroutine* FindSubroutine(int number);

// Writes one subroutine, its fill lines in the export's dialect.
void WriteSubroutine(ScriptWriterState& script, const Subroutine& subroutine);

// The library after the Lear block: every subroutine the body called, once,
// in ascending order of number.
void WriteSubroutineLibrary(ScriptWriterState& script);

}  // namespace verstak
