#pragma once
// The open dialog: a numbered puzzle from a grid file and a definitions file,
// or a saved scanword file. Created once at start-up and only hidden between
// showings, so the name fields keep their texts.

#include <QDialog>
#include <optional>
#include <string_view>

#include "files/open_files.h"

class QLineEdit;

namespace verstak {

class Prompter;
class UpDown;

// What OK asks to read: the three name fields and the puzzle number.
struct OpenRequest {
  OpenFileNames names;
  int puzzleNumber = 1;
};

// Unit otkritie, form TForm3 (Form3).
class OpenDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OpenDialog(Prompter& prompter, QWidget* parent = nullptr);

  // Runs the dialog with the number field preset to the last puzzle number:
  // the files and number OK confirmed, nullopt for Cancel, Esc and the close
  // box. Nothing is read here.
  std::optional<OpenRequest> AskFiles();

  // Set from the number at each OK; presets the next showing.
  int LastPuzzleNumber = 1;

  // The puzzle to read, kept equal to the spinner's position.
  int puzzleNumber() const { return puzzleNumber_; }
  // The number field shows `number`, and the spinner follows it.
  void presetPuzzleNumber(int number);

 private:
  void CreateNewPuzzleGroup();
  void CreateSavedPuzzleGroup();
  void NumberFieldChanged(const QString& text);
  void SpinnerMoved(int position);
  void Browse(QLineEdit& field, const char* filter, const char* defaultSuffix, std::string_view missing);
  void Ok();

  Prompter& prompter_;
  std::optional<OpenRequest> request_;
  int puzzleNumber_ = 1;
  QLineEdit* number_ = nullptr;
  UpDown* upDown_ = nullptr;
  QLineEdit* gridName_ = nullptr;
  QLineEdit* definitionsName_ = nullptr;
  QLineEdit* scanwordName_ = nullptr;
};

}  // namespace verstak
