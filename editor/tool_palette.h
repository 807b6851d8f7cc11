#pragma once
// The tool palette in the main window's left panel: 25 two-state buttons in
// one exclusive group, each showing the cell its tool makes, and the white
// labels naming the keys that choose the tools.

#include <QObject>
#include <vector>

#include "editor/editor_state.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QWidget;

namespace verstak {

class ToolPalette : public QObject {
  Q_OBJECT

 public:
  // Creates `SpeedButton1` .. `SpeedButton25` and `Label1` .. `Label19` in
  // `panel`, `SpeedButton23` down.
  ToolPalette(QWidget& panel, EditorState& editor);

  // Buttons and labels to their places in the panel.
  void PlaceControls();

  // currentTool := tool, and the button of that tool goes down.
  void SelectTool(int tool);

  // Hidden while the clue texts are edited.
  void SetShown(bool shown);

  // The button of `tool`, or null for a tool without a button.
  QAbstractButton* ButtonOfTool(int tool) const;

 private:
  EditorState& editor_;
  QButtonGroup* group_;
  std::vector<QLabel*> labels_;
};

}  // namespace verstak
