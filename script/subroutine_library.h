#pragma once
// The drawing subroutines the macro calls, each a labelled block that draws
// relative to the current cell and ends with RETURN. Their texts are fixed;
// only the fill lines follow the dialect and the clue colour.

#include <initializer_list>
#include <string_view>

#include "script/cell_shapes.h"
#include "script/writer_state.h"

namespace verstak {

// A line of a subroutine and what it draws: the shape its command creates,
// or the fill it applies to the object selected at that moment.
struct SubroutineLine {
  std::string_view text;
  CellShape shape = {};
  Fill fill = Fill::None;  // when set, the fill's lines stand here instead of `text`
};

struct Subroutine {
  int number;  // Klet_<number>
  std::initializer_list<SubroutineLine> lines;

  // What the counter line after its GOSUB must add: the objects its lines create.
  int objectsCreated() const;
};

// The subroutine numbered `number`; nullptr for numbers without one.
const Subroutine* FindSubroutine(int number);

// Writes one subroutine, its fill lines in the export's dialect.
void WriteSubroutine(ScriptWriterState& script, const Subroutine& subroutine);

// The library after the Lear block: every subroutine the body called, once,
// in ascending order of number.
void WriteSubroutineLibrary(ScriptWriterState& script);

}  // namespace verstak
