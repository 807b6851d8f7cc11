#include "script/one_layer_layout.h"

namespace verstak {
namespace {

using enum ClueEmitter;

// Each cell: its frame, the lines of its kind, then its overlay drawn as a
// cell of that kind (a second arrow, or a bar standing on an arrow cell).
// Every call is counted, so that each clue text is aligned with its own
// rectangle.
const CellLayout kOneLayer = {
    {WriteLine("   .CreateRectangle yn, xn, yk, xk , okr", Rectangle(yn, xn, yk, xk)), AdvanceCounter(1)},
    {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {CallCountedOfCode()}},
        {{16}, {CallCounted(16), EmitClue(WriteCluePair)}},
        {{17}, {CallCounted(17)}},
        {{18}, {CallCounted(18)}},
        {{19}, {CallCounted(19), EmitClue(WriteCentredClue)}},
        {{20}, {CallCounted(20), EmitClue(WriteRotatedCluePair)}},
        {{21}, {CallCounted(21)}},
        {{22}, {CallCounted(22)}},
        {{23}, {CallCounted(23)}},
        {{24}, {CallCounted(24), EmitClue(WriteRotatedClue)}},
        {{25}, {CallCounted(25), EmitClue(WriteCentredClue)}},
    },
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 18, 21, 22},
};

}  // namespace

const CellLayout& OneLayerLayout() { return kOneLayer; }

}  // namespace verstak
