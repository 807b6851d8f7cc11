#pragma once
// The about window. Its text and icon come with the information windows' work;
// the frame exists from start-up.

#include <QDialog>

namespace verstak {

class TForm6 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm6(QWidget* parent = nullptr);
};

}  // namespace verstak
