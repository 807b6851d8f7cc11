#pragma once
// The splash window, shown once over the still empty main window at its first
// activation. Its picture and keys come with the information windows' work;
// until then it shows the version and its OK button on a teal ground.

#include <QDialog>

namespace verstak {

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace verstak
