#include "files/novi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/dialog_controls.h"
#include "widgets/prompter.h"
#include "widgets/window_look.h"

namespace verstak {

NewGridDialog::NewGridDialog(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
  SetUpDialogFrame(*this, QStringLiteral("nov"), QStringLiteral("Новый..."), QSize(462, 199), ScreenColour::Teal);
  AddLabel(*this, "Label3", QStringLiteral("Ширина кроссворда:"), {120, 40}, ScreenColour::Yellow, true);
  AddLabel(*this, "Label1", QStringLiteral("Высота кроссворда:"), {120, 88}, ScreenColour::Yellow, true);
  width_ = AddLineEdit(*this, "MaskEdit1", QStringLiteral("9"), {288, 32, 50, 28});
  height_ = AddLineEdit(*this, "MaskEdit2", QStringLiteral("13"), {288, 80, 50, 28});
  QPushButton* ok = AddPushButton(*this, "Button1", QStringLiteral("ОК"), {88, 143, 113, 25});
  // Enter in any field confirms, as in the open dialog.
  ok->setDefault(true);
  QPushButton* cancel = AddPushButton(*this, "Button5", QStringLiteral("Отмена"), {248, 143, 113, 25});
  connect(ok, &QPushButton::clicked, this, &NewGridDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &NewGridDialog::reject);
}

std::optional<GridSize> NewGridDialog::AskGridSize() {
  chosen_.reset();
  return exec() == QDialog::Accepted ? chosen_ : std::nullopt;
}

void NewGridDialog::Ok() {
  const NewGridCheck check = CheckNewGridSize(width_->text().toStdString(), height_->text().toStdString());
  if (check.failure) {
    prompter_.showMessage(*check.failure);
    return;
  }
  if (!check.size) return;
  chosen_ = check.size;
  accept();
}

}  // namespace verstak
