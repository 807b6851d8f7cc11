#include "editor/apply_tool.h"

#include "session/document_history.h"
#include "editor/grid_view.h"
#include "editor/tool_rule.h"
#include "editor/view_cells.h"

namespace verstak {

MouseEditing::MouseEditing(ScanwordDocument& document, EditorState& editor, GridView& view,
                           DocumentHistory& history)
    : QObject(&view), document_(document), editor_(editor), view_(view), history_(history) {
  connect(&view, &GridView::mousePressed, this, &MouseEditing::Pressed);
  connect(&view, &GridView::mouseMoved, this, &MouseEditing::Moved);
  connect(&view, &GridView::mouseReleased, this, &MouseEditing::Released);
}

// A press outside the grid still starts painting, so that a drag begun
// there paints as soon as it enters the grid.
void MouseEditing::Pressed(QPoint at) {
  if (editor_.mode != EditorMode::Idle) return;
  editor_.mode = EditorMode::Painting;
  PaintAt(at);
}

void MouseEditing::Moved(QPoint at) {
  if (editor_.mode == EditorMode::Painting) PaintAt(at);
}

// The press and its drag become one step; a press that changed nothing none.
void MouseEditing::Released() {
  if (editor_.mode != EditorMode::Painting) return;
  editor_.mode = EditorMode::Idle;
  history_.pushCells(changes_.take());
}

// Only cells the user sees are painted: a point off the view's whole cells
// addresses no cell at all.
void MouseEditing::PaintAt(QPoint at) {
  const std::optional<CellPosition> cell = PointToCell(editor_, at.x(), at.y());
  if (!cell) return;
  editor_.cursorX = cell->x;
  editor_.cursorY = cell->y;
  if (document_.insideGrid(cell->x, cell->y)) ApplyTool();
}

void MouseEditing::ApplyTool() {
  GridCell& cell = document_.cells.at(editor_.cursorX, editor_.cursorY);
  const GridCell before = cell;
  const ToolEffect effect = ApplyToolRule(editor_.currentTool, cell);
  if (cell != before) changes_.record(editor_.cursorX, editor_.cursorY, before, cell);
  const CellBox box = CellBoxOf(editor_, {editor_.cursorX, editor_.cursorY});
  switch (effect.drawing) {
    case ToolDrawing::Nothing: break;
    case ToolDrawing::EmptyCell: view_.DrawCellBase(box); break;
    case ToolDrawing::WholeCell:
    case ToolDrawing::Mark: view_.DrawCell(box, effect.code); break;
    case ToolDrawing::BarMark: view_.DrawBarMark(box, effect.code); break;
  }
}

}  // namespace verstak
