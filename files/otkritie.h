#pragma once
// The open dialog: a numbered puzzle from a grid file and a definitions file,
// or a saved scanword file. Created once at start-up and only hidden between
// showings, so the name fields keep their texts.

#include <QDialog>
#include <string_view>

#include "document/scanword_document.h"
#include "editor/editor_state.h"

class QLineEdit;

namespace verstak {

class GridView;
class Prompter;
class UpDown;

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  TForm3(ScanwordDocument& document, EditorState& editor, GridView& gridView, Prompter& prompter,
         QWidget* parent = nullptr);

  // Set from the number at each OK; presets the next showing.
  int LastPuzzleNumber = 1;
  // Set by every OK that read a file; the open command reports and clears it.
  bool FileDoneFlag = false;

  // The puzzle to read, kept equal to the spinner's position.
  int puzzleNumber() const { return puzzleNumber_; }
  // The number field shows `number`, and the spinner follows it.
  void presetPuzzleNumber(int number);

  // Cancel, Esc and the close box: nothing is read.
  void reject() override;

 private:
  void CreateNewPuzzleGroup();
  void CreateSavedPuzzleGroup();
  void NumberFieldChanged(const QString& text);
  void SpinnerMoved(int position);
  void Browse(QLineEdit& field, const char* filter, const char* defaultSuffix, std::string_view missing);
  void Ok();

  ScanwordDocument& document_;
  EditorState& editor_;
  GridView& gridView_;
  Prompter& prompter_;
  int puzzleNumber_ = 1;
  QLineEdit* number_ = nullptr;
  UpDown* upDown_ = nullptr;
  QLineEdit* gridName_ = nullptr;
  QLineEdit* definitionsName_ = nullptr;
  QLineEdit* scanwordName_ = nullptr;
};

}  // namespace verstak
