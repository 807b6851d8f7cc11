#pragma once
// The new grid dialog: asks for a width and a height. Created once at
// start-up and only hidden between showings, so the two fields keep what was
// typed last.

#include <QDialog>
#include <optional>

#include "files/new_grid_size.h"

class QLineEdit;

namespace verstak {

class Prompter;

// Unit novi, form Tnov.
class NewGridDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NewGridDialog(Prompter& prompter, QWidget* parent = nullptr);

  // Runs the dialog: the size OK accepted, nullopt for Cancel, Esc and the
  // close box. A bad field is reported and the dialog stays open.
  std::optional<GridSize> AskGridSize();

 private:
  void Ok();

  Prompter& prompter_;
  QLineEdit* width_;
  QLineEdit* height_;
  std::optional<GridSize> chosen_;
};

}  // namespace verstak
