#include "dialogs/colour_grid.h"

#include <QMouseEvent>
#include <QPainter>

#include "settings/colour_presets.h"

namespace verstak {
namespace {

constexpr int kColumns = 4;
constexpr int kRows = 4;
constexpr int kSide = 100;

QColor SwatchColour(int index) {
  const ColourPreset& preset = kColourPresets[index];
  return {preset.red, preset.green, preset.blue};
}

}  // namespace

ColourGrid::ColourGrid(QWidget* parent) : QWidget(parent), selected_(kInitialColourPreset) {
  setFixedSize(kSide, kSide);
  setCursor(Qt::PointingHandCursor);
}

QRect ColourGrid::swatchRect(int index) const {
  const int column = index % kColumns;
  const int row = index / kColumns;
  const int left = column * width() / kColumns;
  const int top = row * height() / kRows;
  return QRect(QPoint(left, top), QPoint((column + 1) * width() / kColumns - 1, (row + 1) * height() / kRows - 1));
}

int ColourGrid::swatchAt(QPoint at) const {
  if (!rect().contains(at)) return -1;
  return (at.y() * kRows / height()) * kColumns + at.x() * kColumns / width();
}

// Each swatch sunk into the grey like a small well; the selected one framed
// in black and white so it shows on every colour.
void ColourGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(192, 192, 192));
  for (int index = 0; index < kColumns * kRows; ++index) {
    const QRect well = swatchRect(index);
    painter.fillRect(well, QColor(128, 128, 128));
    painter.fillRect(well.adjusted(1, 1, 0, 0), Qt::white);
    painter.fillRect(well.adjusted(1, 1, -1, -1), SwatchColour(index));
  }
  const QRect chosen = swatchRect(selected_);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(chosen.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(Qt::white, 0));
  painter.drawRect(chosen.adjusted(1, 1, -2, -2));
  painter.setPen(QPen(Qt::black, 0));
  painter.drawRect(chosen.adjusted(2, 2, -3, -3));
}

void ColourGrid::mousePressEvent(QMouseEvent* event) {
  const int index = swatchAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || index < 0) return;
  selected_ = index;
  update();
  emit swatchClicked(index);
}

}  // namespace verstak
