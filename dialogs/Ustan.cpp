#include "dialogs/Ustan.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/colour_grid.h"
#include "settings/colour_presets.h"
#include "widgets/dialog_controls.h"
#include "widgets/prompter.h"
#include "widgets/ui_font.h"
#include "widgets/window_look.h"

namespace verstak {
namespace {

constexpr int kFieldTextPixels = 15;

QLineEdit* AddField(QWidget& parent, const char* name, const std::string& text, const QRect& place) {
  QLineEdit* field = AddLineEdit(parent, name, QString::fromStdString(text), place);
  field->setFont(UiFont(QStringLiteral("MS Sans Serif"), kFieldTextPixels));
  return field;
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

SettingsDialog::SettingsDialog(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
  SetUpDialogFrame(*this, QStringLiteral("Form4"), QStringLiteral("Установки..."), QSize(271, 323), ScreenColour::Teal);
  CreateColourGroup();
  CreateSizeGroup();
  CreateCornersGroup();
  QPushButton* ok = AddPushButton(*this, "Button1", QStringLiteral("ОК"), {30, 290, 92, 25});
  // Enter in any field confirms, as in the open dialog.
  ok->setDefault(true);
  QPushButton* cancel = AddPushButton(*this, "Button5", QStringLiteral("Отмена"), {149, 290, 92, 25});
  connect(ok, &QPushButton::clicked, this, &SettingsDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &SettingsDialog::reject);
}

void SettingsDialog::CreateColourGroup() {
  const SettingsFieldTexts first;
  QGroupBox* group = AddGroupBox(*this, "GroupBox2", QStringLiteral(" Цвет фона определений ... "), {8, 6, 255, 134},
                                 ScreenColour::Yellow, false);
  AddLabel(*group, "Label3", QStringLiteral("Cyan"), {14, 28}, ScreenColour::Yellow, true);
  AddLabel(*group, "Label4", QStringLiteral("Magenta"), {14, 54}, ScreenColour::Yellow, true);
  AddLabel(*group, "Label5", QStringLiteral("Yellow"), {14, 80}, ScreenColour::Yellow, true);
  AddLabel(*group, "Label6", QStringLiteral("Black"), {14, 106}, ScreenColour::Yellow, true);
  cyan_ = AddField(*group, "MaskEdit3", first.cyan, {80, 22, 44, 22});
  magenta_ = AddField(*group, "MaskEdit4", first.magenta, {80, 48, 44, 22});
  yellow_ = AddField(*group, "MaskEdit5", first.yellow, {80, 74, 44, 22});
  black_ = AddField(*group, "MaskEdit6", first.black, {80, 100, 44, 22});
  auto* swatches = new ColourGrid(group);
  swatches->setObjectName(QStringLiteral("ColorGrid1"));
  swatches->move(140, 23);
  connect(swatches, &ColourGrid::swatchClicked, this, &SettingsDialog::SwatchClicked);
}

void SettingsDialog::CreateSizeGroup() {
  const SettingsFieldTexts first;
  QGroupBox* group = AddGroupBox(*this, "GroupBox1", QStringLiteral(" Размеры клетки ... "), {8, 146, 255, 80},
                                 ScreenColour::Yellow, true);
  AddLabel(*group, "Label1", QStringLiteral("Ширина клетки:"), {14, 28}, ScreenColour::Yellow, true);
  width_ = AddField(*group, "MaskEdit1", first.width, {118, 23, 80, 22});
  AddLabel(*group, "Label7", QStringLiteral("мм"), {206, 28}, ScreenColour::Yellow, true);
  AddLabel(*group, "Label2", QStringLiteral("Высота клетки:"), {14, 54}, ScreenColour::Yellow, true);
  height_ = AddField(*group, "MaskEdit2", first.height, {118, 49, 80, 22});
  AddLabel(*group, "Label8", QStringLiteral("мм"), {206, 54}, ScreenColour::Yellow, true);
}

void SettingsDialog::CreateCornersGroup() {
  QGroupBox* group = AddGroupBox(*this, "GroupBox3", QStringLiteral(" Углы  клеток ...  "), {8, 232, 255, 48},
                                 ScreenColour::Yellow, true);
  rounded_ = new QRadioButton(QStringLiteral("Закруглять"), group);
  rounded_->setObjectName(QStringLiteral("RadioButton1"));
  rounded_->setGeometry(14, 22, 104, 18);
  square_ = new QRadioButton(QStringLiteral("Не закруглять"), group);
  square_->setObjectName(QStringLiteral("RadioButton2"));
  square_->setGeometry(124, 22, 124, 18);
  square_->setChecked(true);
  for (QRadioButton* button : {rounded_, square_}) {
    button->setFont(DialogFont(true));
    SetCaptionColour(*button, ScreenColour::Yellow);
  }
}

SettingsFieldTexts SettingsDialog::FieldTexts() const {
  return {cyan_->text().toStdString(),  magenta_->text().toStdString(), yellow_->text().toStdString(),
          black_->text().toStdString(), width_->text().toStdString(),   height_->text().toStdString()};
}

void SettingsDialog::ShowFieldTexts(const SettingsFieldTexts& texts) {
  cyan_->setText(QString::fromStdString(texts.cyan));
  magenta_->setText(QString::fromStdString(texts.magenta));
  yellow_->setText(QString::fromStdString(texts.yellow));
  black_->setText(QString::fromStdString(texts.black));
  width_->setText(QString::fromStdString(texts.width));
  height_->setText(QString::fromStdString(texts.height));
}

// Nothing is applied until OK.
void SettingsDialog::SwatchClicked(int index) {
  const ColourPreset& preset = kColourPresets[index];
  cyan_->setText(Text(preset.cyan));
  magenta_->setText(Text(preset.magenta));
  yellow_->setText(Text(preset.yellow));
  black_->setText(Text(preset.black));
}

// A bad field is reported and the dialog stays open; the fields before it
// are taken over all the same.
void SettingsDialog::Ok() {
  const SettingsOutcome outcome = ApplySettings(settings_, FieldTexts(), savedFieldTexts_,
                                                rounded_->isChecked() ? CellCorners::Rounded : CellCorners::Square);
  settings_ = outcome.settings;
  savedFieldTexts_ = outcome.savedFieldTexts;
  if (outcome.failure) {
    prompter_.showMessage(*outcome.failure);
    return;
  }
  accept();
}

// Settings changed outside the dialog (a new grid resets them) show as they
// are in force, never as the fields last held them.
PrintSettings SettingsDialog::AskSettings(const PrintSettings& settings) {
  if (!(settings == shownSettings_)) {
    savedFieldTexts_ = FieldTextsFor(settings);
    ShowFieldTexts(savedFieldTexts_);
    rounded_->setChecked(settings.cornerRadius != 0);
    square_->setChecked(settings.cornerRadius == 0);
  }
  settings_ = settings;
  exec();
  shownSettings_ = settings_;
  return settings_;
}

void SettingsDialog::done(int result) {
  QDialog::done(result);
  ShowFieldTexts(savedFieldTexts_);
}

void SettingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  savedFieldTexts_ = FieldTexts();
}

}  // namespace verstak
