#pragma once
// The settings dialog: printed cell size, clue background colour, corner
// rounding. Its fields come with the settings work; the frame exists from
// start-up.

#include <QDialog>

namespace verstak {

class TForm4 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm4(QWidget* parent = nullptr);
};

}  // namespace verstak
