#pragma once
// The grid view (`PaintBox1`): shows the part of the grid from the view
// origin on, one 40 x 40 cell per grid cell. It draws into an image that it
// keeps, so the picture survives being covered; the window system only ever
// copies that image to the screen, and only the part that changed, scaled
// by the editor's zoom. Everything but the window's own pixels (the cell
// boxes, the mouse's points) is in the kept picture's pixels.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "document/scanword_document.h"
#include "editor/cell_drawing.h"
#include "editor/editor_state.h"
#include "editor/view_cells.h"

class QPainter;

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
  // The picture brought to the editor's view origin as RepaintGrid would
  // draw it, but cheaply: the kept picture moves by whole cells, and only the
  // cells that come into view, or no longer show what the document holds,
  // are drawn.
  void ScrollToOrigin();

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

  // Cells framed in red over the picture (the markup check's faults), the
  // chosen one in a wider frame; the kept picture stays as it is.
  void setFaultMarks(std::vector<CellPosition> cells, std::optional<CellPosition> chosen);
  const std::vector<CellPosition>& faultMarks() const { return faultMarks_; }
  std::optional<CellPosition> chosenFault() const { return chosenFault_; }

 signals:
  // Mouse buttons over the view, any button, in the kept picture's pixels.
  // While a button is held, movements are reported beyond the view's edges
  // too.
  void mousePressed(QPoint at);
  void mouseMoved(QPoint at);
  void mouseReleased();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A clue cell's tooltip: its clue texts and their answers.
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Runs `draw`, which changes at most the pixels of `box`, on a canvas over
  // the kept image and shows the result.
  void DrawInBox(const CellBox& box, const std::function<void(GridCanvas&)>& draw);
  void FitCanvas();
  // Between the kept picture and the window's pixels at the editor's zoom.
  QRect ToView(const QRect& picture) const;
  QRegion ToView(const QRegion& picture) const;
  QPoint ToPicture(QPoint view) const;
  // The view's `area` of the kept picture scaled: whole cells at a time, so
  // that a cell looks the same wherever it is and however much is painted.
  void PaintScaled(QPainter& painter, const QRect& area);
  // The view's grey ground in its black frame, only inside `area`.
  void FillBackground(QPainter& painter, const QRect& area);
  // `withBase` false: the cell's base is drawn already.
  void DrawGridCell(GridCanvas& canvas, const CellBox& box, const GridCell& cell, bool withBase = true);

  // What each screen cell of the kept picture shows, as far as the picture
  // is known to be what RepaintGrid draws: the grid cell the repaint drew
  // there, the ground past the grid's end, or unknown once anything else was
  // drawn over it.
  static constexpr int kUnknown = -1;
  static constexpr int kGround = -2;
  struct ShownCells {
    bool valid = false;  // false: the ground or the counts are not known either
    int originX = 1;
    int originY = 1;
    int columns = 0;
    int rows = 0;
    std::vector<int> cells;  // row by row

    int& at(int column, int row) { return cells[static_cast<std::size_t>(row * columns + column)]; }
  };
  // What RepaintGrid draws at screen cell (column, row), from 0.
  int Wanted(int column, int row) const;
  // The record moved along with the kept picture to the present origin:
  // cells that come into view, and the ground (whose frame depends on the
  // place), become unknown.
  void MoveShownCells();
  // Screen cells that `area` touches become unknown.
  void Forget(const QRect& area);

  const ScanwordDocument& document_;
  const EditorState& editor_;
  QImage canvas_;
  std::optional<HighlightedClue> highlightedClue_;
  ShownCells shown_;
  std::vector<CellPosition> faultMarks_;
  std::optional<CellPosition> chosenFault_;
};

}  // namespace verstak
