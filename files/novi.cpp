#include "files/novi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/dialog_controls.h"
#include "dialogs/prompter.h"
#include "dialogs/window_look.h"
#include "editor/grid_view.h"
#include "editor/osnova.h"
#include "files/new_grid_size.h"

namespace verstak {

Tnov::Tnov(ScanwordDocument& document, MainWindow& mainWindow, Prompter& prompter, QWidget* parent)
    : QDialog(parent), document_(document), mainWindow_(mainWindow), prompter_(prompter) {
  SetUpDialogFrame(*this, QStringLiteral("nov"), QStringLiteral("Новый..."), QSize(462, 199), ScreenColour::Teal);
  AddLabel(*this, "Label3", QStringLiteral("Ширина кроссворда:"), {120, 40}, ScreenColour::Yellow, true);
  AddLabel(*this, "Label1", QStringLiteral("Высота кроссворда:"), {120, 88}, ScreenColour::Yellow, true);
  width_ = AddLineEdit(*this, "MaskEdit1", QStringLiteral("9"), {288, 32, 50, 28});
  height_ = AddLineEdit(*this, "MaskEdit2", QStringLiteral("13"), {288, 80, 50, 28});
  QPushButton* ok = AddPushButton(*this, "Button1", QStringLiteral("ОК"), {88, 143, 113, 25});
  QPushButton* cancel = AddPushButton(*this, "Button5", QStringLiteral("Отмена"), {248, 143, 113, 25});
  connect(ok, &QPushButton::clicked, this, &Tnov::Ok);
  connect(cancel, &QPushButton::clicked, this, &Tnov::reject);
}

// A bad field is reported and the dialog stays open with the input in place;
// the document changes only when both sizes are good.
void Tnov::Ok() {
  mainWindow_.memo().clear();
  const NewGridCheck check = CheckNewGridSize(width_->text().toStdString(), height_->text().toStdString());
  if (check.failure) {
    prompter_.showMessage(*check.failure);
    return;
  }
  if (!check.size) return;
  document_.gridWidth = static_cast<std::uint8_t>(check.size->width);
  document_.gridHeight = static_cast<std::uint8_t>(check.size->height);
  mainWindow_.ResetDocument();
  accept();
  mainWindow_.FocusScrollBar1();
}

void Tnov::reject() {
  hide();
  mainWindow_.gridView().RepaintGrid();
  QDialog::reject();
  mainWindow_.FocusScrollBar1();
}

}  // namespace verstak
