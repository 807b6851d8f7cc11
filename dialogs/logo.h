#pragma once
// The splash window, shown once at start over the still empty main window.

#include <QDialog>

namespace verstak {

class SplashWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // exec() returns Accepted for Enter or "OK" (go on) and Rejected for Esc
  // (the user wants the program to end).

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace verstak
