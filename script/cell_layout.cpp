#include "script/cell_layout.h"

#include <array>

#include "script/subroutine_library.h"

namespace verstak {
namespace {

using RowLookup = std::array<const CellRow*, 256>;

RowLookup IndexRows(std::initializer_list<CellRow> rows) {
  RowLookup lookup{};
  for (const CellRow& row : rows) {
    for (std::uint8_t code : row.codes) lookup[code] = &row;
  }
  return lookup;
}

void CallCounted(ScriptWriterState& script, int number) {
  script.callSubroutine(number);
  const Subroutine* subroutine = FindSubroutine(number);
  if (subroutine != nullptr && subroutine->objectsCreated > 0) script.advanceCounter(subroutine->objectsCreated);
}

void WriteSteps(ScriptWriterState& script, std::initializer_list<CellStep> steps, std::uint8_t code) {
  for (const CellStep& step : steps) {
    switch (step.action) {
      case CellStep::Action::WriteLine: script.out.line(step.text); break;
      case CellStep::Action::CallSubroutine: script.callSubroutine(step.number); break;
      case CellStep::Action::CallCounted: CallCounted(script, step.number); break;
      case CellStep::Action::CallCountedOfCode: CallCounted(script, code); break;
      case CellStep::Action::AdvanceCounter: script.advanceCounter(step.number); break;
      case CellStep::Action::EmitClue: WriteClue(script, step.emitter); break;
    }
  }
}

void WriteRow(ScriptWriterState& script, const CellRow* row, std::uint8_t code) {
  if (row != nullptr) WriteSteps(script, row->steps, code);
}

}  // namespace

void WriteGridLoop(ScriptWriterState& script, const CellLayout& layout) {
  const RowLookup kinds = IndexRows(layout.kinds);
  RowLookup overlays{};
  for (std::uint8_t code : layout.overlays) overlays[code] = kinds[code];
  const ScanwordDocument& document = script.document;
  MacroText& out = script.out;
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      const GridCell& cell = document.cells.at(x, y);
      const std::uint8_t kind = Code(PlainKind(cell.kind));
      WriteSteps(script, layout.frame, kind);
      WriteRow(script, kinds[kind], kind);
      WriteRow(script, overlays[cell.overlay], cell.overlay);
      out.line("   xn = xk");
      out.line("   xk = xn + xstep");
    }
    out.line("   yn = yk");
    out.line("   yk = yn - ystep");
    out.line("   xn = ", ScriptOriginX);
    out.line("   xk = xn + xstep");
  }
}

}  // namespace verstak
