#pragma once
// The export dialog: CorelDRAW version, layout and outputs of the macro; its
// OK asks for a file name and writes the macro. Created once at start-up and
// only hidden between showings, so the choices stay as they were left.

#include <QDialog>
#include <vector>

#include "settings/print_settings.h"
#include "document/scanword_document.h"
#include "script/export_choice.h"

class QCheckBox;
class QRadioButton;

namespace verstak {

class Prompter;

class TForm5 : public QDialog {
  Q_OBJECT

 public:
  TForm5(const ScanwordDocument& document, const PrintSettings& settings, Prompter& prompter,
         QWidget* parent = nullptr);

  // Set when a macro file was written during this showing; the export
  // command reports and clears it.
  bool ExportDoneFlag = false;

  // What the buttons and boxes say now. The ticks count whether the boxes
  // are enabled or not; only the layered layouts read them.
  ExportChoice choice() const;

  // Cancel, Esc and the close box: nothing is written.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateVersionGroup();
  void CreateOutputGroup();
  void Ok();

  const ScanwordDocument& document_;
  const PrintSettings& settings_;
  Prompter& prompter_;
  std::vector<QRadioButton*> versions_;
  std::vector<QRadioButton*> layouts_;
  std::vector<QCheckBox*> passes_;
};

}  // namespace verstak
