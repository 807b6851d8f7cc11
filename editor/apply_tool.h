#pragma once
// Mouse editing over the grid view: a press of any button starts painting,
// and the press and every movement while painting apply the current tool to
// the cell under the mouse, drawing the changed cell at once. A press with
// its drag is one step of the undo history.

#include <QObject>
#include <QPoint>

#include "document/scanword_document.h"
#include "session/edit_steps.h"
#include "editor/editor_state.h"

namespace verstak {

class DocumentHistory;
class GridView;

class MouseEditing : public QObject {
  Q_OBJECT

 public:
  MouseEditing(ScanwordDocument& document, EditorState& editor, GridView& view, DocumentHistory& history);

  void Pressed(QPoint at);
  void Moved(QPoint at);
  void Released();

  // The current tool on the cursor cell, which must lie in the grid; the
  // changed cell is drawn at once.
  void ApplyTool();

 signals:
 private:
  void PaintAt(QPoint at);

  ScanwordDocument& document_;
  EditorState& editor_;
  GridView& view_;
  DocumentHistory& history_;
  CellChanges changes_;  // of the press being painted
};

}  // namespace verstak
