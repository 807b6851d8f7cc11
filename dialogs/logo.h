#pragma once
// The splash window, shown once over the still empty main window at its first
// activation.

#include <QDialog>

namespace verstak {

// exec() returns Accepted for Enter or "OK" (go on) and Rejected for Esc (the
// user wants the program to end).
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace verstak
