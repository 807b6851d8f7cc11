#pragma once
// `ColorGrid1` of the settings dialog: the 16 preset colours as 4 x 4
// swatches, numbered row by row; one of them is selected.

#include <QWidget>

namespace verstak {

class ColourGrid : public QWidget {
  Q_OBJECT

 public:
  explicit ColourGrid(QWidget* parent = nullptr);

  int selected() const { return selected_; }
  // The swatch under `at` (widget pixels), or -1 outside the swatches.
  int swatchAt(QPoint at) const;
  QRect swatchRect(int index) const;

 signals:
  // A swatch was clicked and is now the selected one.
  void swatchClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int selected_;
};

}  // namespace verstak
