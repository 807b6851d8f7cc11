#pragma once
// The open dialog: a numbered puzzle from a grid file and a definitions file,
// or a saved scanword file. Its fields come with the readers' dialog work; the
// frame exists from start-up.

#include <QDialog>

namespace verstak {

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);
};

}  // namespace verstak
