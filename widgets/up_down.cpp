#include "widgets/up_down.h"

#include <QPalette>
#include <QToolButton>
#include <algorithm>

namespace verstak {
namespace {

QToolButton* AddArrow(QWidget& parent, Qt::ArrowType arrow) {
  auto* button = new QToolButton(&parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  // Black arrows whatever colour the captions around them have.
  QPalette palette = button->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::black);
  button->setPalette(palette);
  return button;
}

}  // namespace

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      position_(minimum),
      up_(AddArrow(*this, Qt::UpArrow)),
      down_(AddArrow(*this, Qt::DownArrow)) {
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::Step(int by) {
  setPosition(position_ + by);
  emit clicked(position_);
}

// The upper half steps up, the lower half down.
void UpDown::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace verstak
