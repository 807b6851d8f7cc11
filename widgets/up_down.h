#pragma once
// A spinner without a text of its own (`UpDown1`): two arrow buttons that
// step a position within a range, for the number field beside it.

#include <QWidget>

class QToolButton;

namespace verstak {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(int minimum, int maximum, QWidget* parent = nullptr);

  int position() const { return position_; }
  // Kept within the range: a value outside goes to the nearer bound. Does
  // not signal.
  void setPosition(int position);

  QToolButton& upButton() { return *up_; }
  QToolButton& downButton() { return *down_; }

 signals:
  // The user stepped the position; it stops at the bounds (no wrapping).
  void clicked(int position);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Step(int by);

  int minimum_;
  int maximum_;
  int position_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace verstak
