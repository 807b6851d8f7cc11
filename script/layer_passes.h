#pragma once
// The body of the two layered layouts: one pass over the whole grid for each
// kind of object (clue texts, arrows, empty squares, full squares, pictures,
// all squares), so that objects of one kind are made together; "По слоям"
// also puts each pass on a CorelDRAW layer of its own.

#include "script/export_choice.h"
#include "script/writer_state.h"

namespace verstak {

// Writes the ticked passes in their fixed order; with LayerMode::ByLayers
// the layers are created first and each pass selects its own.
void WriteLayeredBody(ScriptWriterState& script, LayerMode mode, const PassChoices& passes);

}  // namespace verstak
