#include "editor/tool_rule.h"

#include "document/overlay_rule.h"

namespace verstak {
namespace {

ToolEffect AddArrow(std::uint8_t arrow, GridCell& cell) {
  if (cell.kind == CellKind::Letter) {
    cell.kind = KindFromCode(arrow);
    return {ToolDrawing::Mark, arrow};
  }
  if (cell.overlay == 0 && OverlayAllowed(arrow, cell.kind)) {
    cell.overlay = arrow;
    return {ToolDrawing::Mark, arrow};
  }
  return {};
}

// A bar replaces anything that is not an arrow cell; on an arrow cell it can
// only be a second mark.
ToolEffect AddBar(std::uint8_t bar, GridCell& cell) {
  if (!IsArrowKind(cell.kind)) {
    cell = {KindFromCode(bar), 0};
    return {ToolDrawing::WholeCell, bar};
  }
  if (cell.overlay == 0 && OverlayAllowed(bar, cell.kind)) {
    cell.overlay = bar;
    return {ToolDrawing::BarMark, bar};
  }
  return {};
}

}  // namespace

ToolEffect ApplyToolRule(int tool, GridCell& cell) {
  if (tool < 0 || tool > 25) return {};
  const auto code = static_cast<std::uint8_t>(tool);
  if (code == Code(CellKind::Letter) || code == Code(CellKind::Reserved15)) {
    cell = {};
    return {ToolDrawing::EmptyCell, 0};
  }
  if (IsArrowCode(code)) return AddArrow(code, cell);
  if (IsBarCode(code)) return AddBar(code, cell);
  // The clue tools and the picture tool cover the whole cell.
  cell = {KindFromCode(code), 0};
  return {ToolDrawing::WholeCell, code};
}

}  // namespace verstak
