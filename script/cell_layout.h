#pragma once
// The walk over the grid shared by every layout: rows top to bottom, cells
// left to right, each cell's lines looked up by its kind and its overlay in
// a table of steps, then the step to the next column and, after each row, the
// step to the next row.

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "script/clue_emitters.h"
#include "script/writer_state.h"

namespace verstak {

struct CellStep {
  enum class Action : std::uint8_t {
    WriteLine,
    CallSubroutine,
    CallCounted,
    CallCountedOfCode,
    AdvanceCounter,
    EmitClue,
  };
  Action action;
  int number = 0;                                       // subroutine, or objects for the counter
  std::string_view text = {};                           // WriteLine only
  ClueEmitter emitter = ClueEmitter::WriteCentredClue;  // EmitClue only
};

constexpr CellStep WriteLine(std::string_view text) { return {CellStep::Action::WriteLine, 0, text}; }
constexpr CellStep CallSubroutine(int number) { return {CellStep::Action::CallSubroutine, number}; }
// The call followed by the counter line for the objects the subroutine makes
// (none for those that only fill), so that nob stays the next object's index.
constexpr CellStep CallCounted(int number) { return {CellStep::Action::CallCounted, number}; }
// The same for the subroutine numbered like the code looked up: the arrows.
constexpr CellStep CallCountedOfCode() { return {CellStep::Action::CallCountedOfCode}; }
constexpr CellStep AdvanceCounter(int objects) { return {CellStep::Action::AdvanceCounter, objects}; }
constexpr CellStep EmitClue(ClueEmitter emitter) { return {CellStep::Action::EmitClue, 0, {}, emitter}; }

// The steps written for every code listed in `codes`.
struct CellRow {
  std::initializer_list<std::uint8_t> codes;
  std::initializer_list<CellStep> steps;
};

// What one walk writes for a cell: `frame` for every cell, then the row of
// its kind (a missing variant looked up as its plain kind), then, when its
// overlay byte is one of `overlays`, the kind row of that code again: a second
// arrow or a bar is drawn as a cell of that kind would be. Codes in no row
// write nothing.
struct CellLayout {
  std::initializer_list<CellStep> frame;
  std::initializer_list<CellRow> kinds;
  std::initializer_list<std::uint8_t> overlays;
};

void WriteGridLoop(ScriptWriterState& script, const CellLayout& layout);

}  // namespace verstak
