#pragma once
// The settings dialog: printed cell size, clue background colour, corner
// rounding. Created once at start-up and only hidden between showings; on
// every close the fields get back the texts last shown or accepted.

#include <QDialog>

#include "settings/apply_settings.h"
#include "settings/print_settings.h"

class QLineEdit;
class QRadioButton;

namespace verstak {

class ColourGrid;
class Prompter;

// Unit Ustan, form TForm4 (Form4).
class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SettingsDialog(Prompter& prompter, QWidget* parent = nullptr);

  // Runs the dialog over the settings in force and gives the settings in
  // force when it closes: what its OKs took over, also when a later field
  // failed and the dialog was then cancelled.
  PrintSettings AskSettings(const PrintSettings& settings);

  // The field texts at the last showing, or as OK last accepted them.
  const SettingsFieldTexts& SavedFieldTexts() const { return savedFieldTexts_; }

  // Every close puts SavedFieldTexts back into the fields.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateColourGroup();
  void CreateSizeGroup();
  void CreateCornersGroup();
  SettingsFieldTexts FieldTexts() const;
  void ShowFieldTexts(const SettingsFieldTexts& texts);
  void SwatchClicked(int index);
  void Ok();

  PrintSettings settings_;
  PrintSettings shownSettings_;  // what the saved field texts stand for
  Prompter& prompter_;
  SettingsFieldTexts savedFieldTexts_;
  QLineEdit* cyan_ = nullptr;
  QLineEdit* magenta_ = nullptr;
  QLineEdit* yellow_ = nullptr;
  QLineEdit* black_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLineEdit* height_ = nullptr;
  QRadioButton* rounded_ = nullptr;
  QRadioButton* square_ = nullptr;
};

}  // namespace verstak
