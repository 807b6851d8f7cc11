#pragma once
// The clues' fit for info --json: one entry per clue slot of the grid,
//   {"slot":1,"row":1,"column":2,"half":"whole","upright":false,"size":7,
//    "fits":true,"empty":false,"overflowWidth":0,"overflowHeight":0,
//    "lines":2,"rebroken":false}
// sizes in points, overflows in millimetres; "rebroken" when the text was
// broken into lines again rather than set as stored.

#include <string>
#include <vector>

#include "print/clue_typesetting.h"

namespace verstak::batch {

// The array alone: "[{...},...]".
std::string FitJson(const std::vector<ClueFit>& clues);

// `documentJson` (an object) with "fit" added as its last member.
std::string WithFit(std::string documentJson, const std::vector<ClueFit>& clues);

}  // namespace verstak::batch
