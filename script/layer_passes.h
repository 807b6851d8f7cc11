#pragma once
// The body of the two layered layouts: one pass over the whole grid for each
// kind of object (clue texts, arrows, empty squares, full squares, pictures,
// all squares), so that objects of one kind are made together; "По слоям"
// also puts each pass on a CorelDRAW layer of its own.

#include <cstdint>
#include <span>
#include <string_view>

#include "script/cell_layout.h"
#include "script/export_choice.h"
#include "script/writer_state.h"

namespace verstak {

// The six passes, in the order they are written.
enum class LayerPass : std::uint8_t { Text, Arrows, EmptySquares, FullSquares, Pictures, AllSquares };

struct PassTable {
  LayerPass pass;
  bool PassChoices::*ticked;
  std::string_view layer;
  int layerRank;          // place of its .NewLayer line; later layers lie above earlier ones
  bool returnsToTopLeft;  // the text pass starts where the parameters left the current cell
  CellLayout cells;
};

// Every pass, in the order they are written.
std::span<const PassTable> LayerPassTables();

bool Ticked(const PassTable& pass, const PassChoices& passes);

// Writes the ticked passes in their fixed order; with LayerMode::ByLayers
// the layers are created first and each pass selects its own.
void WriteLayeredBody(ScriptWriterState& script, LayerMode mode, const PassChoices& passes);

}  // namespace verstak
