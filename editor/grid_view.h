#pragma once
// The grid view (`PaintBox1`): shows the part of the grid from the view
// origin on, one 40 x 40 cell per grid cell. It draws into an image that it
// keeps, so the picture survives being covered; the window system only ever
// copies that image to the screen.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "document/scanword_document.h"
#include "editor/cell_drawing.h"
#include "editor/editor_state.h"
#include "editor/view_cells.h"

namespace verstak {

class GridCanvas;

class GridView : public QWidget {
  Q_OBJECT

 public:
  // The clue of clue editing that shows in yellow: a cell and, for a
  // two-clue cell, its half.
  struct HighlightedClue {
    CellPosition cell;
    int half = 1;
  };

  GridView(const ScanwordDocument& document, const EditorState& editor, QWidget* parent = nullptr);

  // The whole view grey.
  void ClearPaintArea();
  // Every visible cell drawn anew, the highlighted clue last.
  void RepaintGrid();

  // Grid cell `cell` drawn anew as a repaint draws it, if the view shows it.
  void RepaintCell(CellPosition cell);

  // One cell in the box given, for the tools and the clue selection.
  void DrawCellBase(const CellBox& box);
  void DrawCell(const CellBox& box, std::uint8_t code, const CellHighlight& highlight = {});
  void DrawBarMark(const CellBox& box, std::uint8_t code);

  // The clue every repaint draws in yellow again; none outside clue editing.
  void setHighlightedClue(std::optional<HighlightedClue> clue) { highlightedClue_ = clue; }
  // Draws the cell of `clue` now, highlighted or plain, when the view shows it.
  void DrawClue(const HighlightedClue& clue, bool highlighted);

  const QImage& canvas() const { return canvas_; }

 signals:
  // Mouse buttons over the view, any button, in view pixels. While a button
  // is held, movements are reported beyond the view's edges too.
  void mousePressed(QPoint at);
  void mouseMoved(QPoint at);
  void mouseReleased();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Runs `draw` on a canvas over the kept image and shows the result.
  void Draw(const std::function<void(GridCanvas&)>& draw);
  void FitCanvas();
  void FillBackground(GridCanvas& canvas);
  void DrawGridCell(GridCanvas& canvas, const CellBox& box, const GridCell& cell);

  const ScanwordDocument& document_;
  const EditorState& editor_;
  QImage canvas_;
  std::optional<HighlightedClue> highlightedClue_;
};

}  // namespace verstak
