#pragma once
// The body of "Всё на один слой": every cell drawn completely in turn.

#include "script/cell_layout.h"

namespace verstak {

const CellLayout& OneLayerLayout();

}  // namespace verstak
