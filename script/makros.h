#pragma once
// The export dialog: CorelDRAW version, layout and outputs of the macro, and
// whether a PDF or SVG is refused while the puzzle is not ready for the press.
// Created once at start-up and only hidden between showings, so the choices
// stay as they were left.

#include <QDialog>
#include <optional>
#include <vector>

#include "script/export_choice.h"

class QCheckBox;
class QRadioButton;

namespace verstak {

// Unit makros, form TForm5 (Form5).
class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ExportDialog(QWidget* parent = nullptr);

  // Runs the dialog: the choice OK confirmed, nullopt for Cancel, Esc and the
  // close box. Nothing is written here.
  std::optional<ExportChoice> AskChoice();

  // What the buttons and boxes say now. The ticks count whether the boxes
  // are enabled or not; only the layered layouts read them.
  ExportChoice choice() const;
  // "Строгая проверка": a PDF or SVG is not written while the puzzle has a
  // fault (the count, the markup, an empty slot, a clue that does not fit).
  bool strict() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateVersionGroup();
  void CreateOutputGroup();

  std::vector<QRadioButton*> versions_;
  std::vector<QRadioButton*> layouts_;
  std::vector<QCheckBox*> passes_;
  QCheckBox* strict_ = nullptr;
};

}  // namespace verstak
