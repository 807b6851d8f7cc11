#pragma once
// The new grid dialog: asks for a width and a height and starts an empty grid
// of that size. Created once at start-up and only hidden between showings, so
// the two fields keep what was typed last.

#include <QDialog>

#include "document/scanword_document.h"

class QLineEdit;

namespace verstak {

class MainWindow;
class Prompter;

class Tnov : public QDialog {
  Q_OBJECT

 public:
  Tnov(ScanwordDocument& document, MainWindow& mainWindow, Prompter& prompter, QWidget* parent = nullptr);

  // Cancel, Esc and the close box: nothing in the document changes.
  void reject() override;

 private:
  void Ok();

  ScanwordDocument& document_;
  MainWindow& mainWindow_;
  Prompter& prompter_;
  QLineEdit* width_;
  QLineEdit* height_;
};

}  // namespace verstak
