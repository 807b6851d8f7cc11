#pragma once
// The walk over the grid shared by every layout: rows top to bottom, cells
// left to right, each cell's lines looked up by its kind and its overlay in
// a table of steps, then the step to the next column and, after each row, the
// step to the next row.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "document/scanword_document.h"
#include "script/cell_shapes.h"
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
    DeleteObject,
  };
  Action action;
  // The subroutine, the objects for the counter, or how far back from nob to delete.
  int number = 0;
  std::string_view text = {};                           // WriteLine only
  ClueEmitter emitter = ClueEmitter::WriteCentredClue;  // EmitClue only
  CellShape shape = {};                                 // WriteLine only: what the line draws
};

constexpr CellStep WriteLine(std::string_view text, CellShape shape = {}) {
  return {CellStep::Action::WriteLine, 0, text, ClueEmitter::WriteCentredClue, shape};
}
constexpr CellStep CallSubroutine(int number) { return {CellStep::Action::CallSubroutine, number}; }
// The call followed by the counter line for the objects the subroutine makes
// (none for those that only fill), so that nob stays the next object's index.
constexpr CellStep CallCounted(int number) { return {CellStep::Action::CallCounted, number}; }
// The same for the subroutine numbered like the code looked up: the arrows.
constexpr CellStep CallCountedOfCode() { return {CellStep::Action::CallCountedOfCode}; }
constexpr CellStep AdvanceCounter(int objects) { return {CellStep::Action::AdvanceCounter, objects}; }
constexpr CellStep EmitClue(ClueEmitter emitter) { return {CellStep::Action::EmitClue, 0, {}, emitter}; }
// Selects object nob-<back> and deletes it.
constexpr CellStep DeleteObject(int back) { return {CellStep::Action::DeleteObject, back}; }

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

// A layout indexed by code, for walks that look up every cell.
class CellLayoutLookup {
 public:
  explicit CellLayoutLookup(const CellLayout& layout);

  // visit(steps, code) for the frame, the row of the cell's kind and the row
  // of its overlay, in this order; `code` is what CallCountedOfCode calls.
  template <class Visit>
  void forCell(const GridCell& cell, Visit&& visit) const {
    const std::uint8_t kind = Code(PlainKind(cell.kind));
    visit(frame_, kind);
    if (kinds_[kind] != nullptr) visit(kinds_[kind]->steps, kind);
    if (overlays_[cell.overlay] != nullptr) visit(overlays_[cell.overlay]->steps, cell.overlay);
  }

 private:
  std::initializer_list<CellStep> frame_;
  std::array<const CellRow*, 256> kinds_{};
  std::array<const CellRow*, 256> overlays_{};
};

void WriteGridLoop(ScriptWriterState& script, const CellLayout& layout);

}  // namespace verstak
