#pragma once
// The grid view (`PaintBox1`): shows the part of the grid from the view
// origin on, one 40 x 40 cell per grid cell. It draws into an image that it
// keeps, so the picture survives being covered; the window system only ever
// copies that image to the screen.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "document/scanword_document.h"
#include "editor/cell_drawing.h"
#include "editor/editor_state.h"

namespace verstak {

class GridCanvas;

class GridView : public QWidget {
  Q_OBJECT

 public:
  GridView(const ScanwordDocument& document, EditorState& editor, QWidget* parent = nullptr);

  // The whole view grey.
  void ClearPaintArea();
  // Every visible cell drawn anew; cellLeft and cellTop are left as found.
  void RepaintGrid();

  // One cell at (cellLeft, cellTop) of the editor state, for the palette and
  // the clue selection. DrawCell honours `highlight` and `selectedHalf`.
  void DrawCellBase();
  void DrawCell(std::uint8_t code);
  void DrawBarMark(std::uint8_t code);

  // Run at the end of a repaint in clue editing, with cellLeft and cellTop at
  // the selected clue cell, to select and highlight it again.
  void setSelectClue(std::function<void()> selectClue) { selectClue_ = std::move(selectClue); }

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
  void DrawGridCell(GridCanvas& canvas, const GridCell& cell);
  CellBox CurrentCell() const;

  const ScanwordDocument& document_;
  EditorState& editor_;
  QImage canvas_;
  std::function<void()> selectClue_;
};

}  // namespace verstak
