#include "script/layer_passes.h"

#include "script/cell_layout.h"

namespace verstak {
namespace {

using enum ClueEmitter;

// For one clue the text is nob-1 after its counter line and its placement
// rectangle nob-2; for a pair the two placement rectangles are nob-4 and nob-3.
constexpr CellStep kDeleteSingle = DeleteObject(2);
constexpr CellStep kDeleteFirstOfPair = DeleteObject(4);
constexpr CellStep kDeleteSecondOfPair = DeleteObject(3);

// In the order the passes are written.
constexpr PassTable kPasses[] = {
    {LayerPass::Text, &PassChoices::text, "Text", 4, false,
     {{},
      {
          {{16}, {CallCounted(36), EmitClue(WriteCluePair), kDeleteFirstOfPair, kDeleteSecondOfPair}},
          {{19}, {CallCounted(15), EmitClue(WriteCentredClue), kDeleteSingle}},
          {{20}, {CallCounted(40), EmitClue(WriteRotatedCluePair), kDeleteFirstOfPair, kDeleteSecondOfPair}},
          {{24}, {CallCounted(34), EmitClue(WriteRotatedClue), kDeleteSingle}},
          {{25}, {CallCounted(35), EmitClue(WriteCentredClue), kDeleteSingle}},
      },
      {}}},
    {LayerPass::Arrows, &PassChoices::arrows, "Arrows", 5, true,
     {{},
      {
          {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {CallCountedOfCode()}},
      },
      // Second arrows on every cell, bar cells included.
      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}}},
    {LayerPass::EmptySquares, &PassChoices::emptySquares, "Free_kub", 0, true,
     {{},
      {
          {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 18, 21, 22}, {CallSubroutine(15)}},
          {{24}, {CallSubroutine(44)}},
          {{25}, {CallSubroutine(45)}},
      },
      {}}},
    {LayerPass::FullSquares, &PassChoices::fullSquares, "Fool_kub", 1, true,
     {{},
      {
          {{16}, {CallSubroutine(16)}},
          {{19}, {CallSubroutine(15), CallSubroutine(19)}},
          {{20}, {CallSubroutine(20)}},
          {{24}, {CallSubroutine(37)}},
          {{25}, {CallSubroutine(38)}},
      },
      {}}},
    {LayerPass::Pictures, &PassChoices::pictures, "Images", 2, true,
     {{},
      {
          {{23}, {CallSubroutine(15), CallSubroutine(23)}},
      },
      {}}},
    // No later line selects by index, so these counter lines need not match
    // the objects made.
    {LayerPass::AllSquares, &PassChoices::allSquares, "Oll_kub", 3, true,
     {{},
      {
          {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 19}, {CallSubroutine(15)}},
          {{16}, {CallSubroutine(36)}},
          {{17}, {CallSubroutine(17)}},
          {{18}, {CallSubroutine(18)}},
          {{20}, {CallSubroutine(40), AdvanceCounter(2)}},
          {{21}, {CallSubroutine(21), AdvanceCounter(2)}},
          {{22}, {CallSubroutine(22), AdvanceCounter(2)}},
          {{24}, {CallSubroutine(40), AdvanceCounter(2)}},
          {{25}, {CallSubroutine(36), AdvanceCounter(2)}},
      },
      // A bar in the overlay byte of an arrow cell is drawn as a bar cell.
      {17, 18, 21, 22}}},
};

void WriteNewLayers(ScriptWriterState& script, const PassChoices& passes) {
  for (int rank = 0; rank < static_cast<int>(std::size(kPasses)); ++rank) {
    for (const PassTable& pass : kPasses) {
      if (pass.layerRank == rank && Ticked(pass, passes)) script.out.line("    .NewLayer \"", pass.layer, "\"");
    }
  }
}

void WritePass(ScriptWriterState& script, const PassTable& pass, LayerMode mode) {
  if (pass.returnsToTopLeft) script.out.line("    GOSUB Lear");
  if (mode == LayerMode::ByLayers) script.out.line("    .SelectLayer \"", pass.layer, "\"");
  WriteGridLoop(script, pass.cells);
}

}  // namespace

std::span<const PassTable> LayerPassTables() { return kPasses; }

bool Ticked(const PassTable& pass, const PassChoices& passes) { return passes.*pass.ticked; }

void WriteLayeredBody(ScriptWriterState& script, LayerMode mode, const PassChoices& passes) {
  if (mode == LayerMode::ByLayers) WriteNewLayers(script, passes);
  for (const PassTable& pass : kPasses) {
    if (Ticked(pass, passes)) WritePass(script, pass, mode);
  }
}

}  // namespace verstak
