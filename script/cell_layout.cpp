#include "script/cell_layout.h"

#include "script/subroutine_library.h"

namespace verstak {
namespace {

void CallCounted(ScriptWriterState& script, int number) {
  script.callSubroutine(number);
  const Subroutine* subroutine = FindSubroutine(number);
  if (subroutine != nullptr && subroutine->objectsCreated() > 0) script.advanceCounter(subroutine->objectsCreated());
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
      case CellStep::Action::DeleteObject:
        script.out.line("   .RecorderSelectObjectByIndex TRUE,nob-", step.number);
        script.out.line("  .DeleteObject");
        break;
    }
  }
}

}  // namespace

CellLayoutLookup::CellLayoutLookup(const CellLayout& layout) : frame_(layout.frame) {
  for (const CellRow& row : layout.kinds) {
    for (std::uint8_t code : row.codes) kinds_[code] = &row;
  }
  for (std::uint8_t code : layout.overlays) overlays_[code] = kinds_[code];
}

void WriteGridLoop(ScriptWriterState& script, const CellLayout& layout) {
  const CellLayoutLookup lookup(layout);
  const ScanwordDocument& document = script.document;
  MacroText& out = script.out;
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      lookup.forCell(document.cells.at(x, y), [&](std::initializer_list<CellStep> steps, std::uint8_t code) {
        WriteSteps(script, steps, code);
      });
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
