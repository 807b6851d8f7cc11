#pragma once
// The splash window, shown once over the still empty main window at its first
// activation.

#include <QDialog>

namespace verstak {

// Unit logo, form TForm2 (Form2). exec() returns Accepted for Enter or "OK"
// (go on) and Rejected for Esc (the user wants the program to end).
class SplashWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);
};

}  // namespace verstak
