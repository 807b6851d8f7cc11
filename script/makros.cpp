#include "script/makros.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/dialog_controls.h"
#include "widgets/window_look.h"

namespace verstak {
namespace {

struct VersionButton {
  const char* name;
  const char* caption;  // two blanks before the number
  QRect place;
  CorelVersion version;
};

const VersionButton kVersionButtons[] = {
    {"RadioButton3", "CorelDRAW  9", {37, 56, 111, 13}, CorelVersion::Draw9},
    {"RadioButton1", "CorelDRAW  7", {212, 34, 114, 13}, CorelVersion::Draw7},
    {"RadioButton6", "CorelDRAW  10", {212, 56, 113, 17}, CorelVersion::Draw10},
};

struct LayoutButton {
  const char* name;
  const char* caption;
  int top;  // in Panel1
  LayerMode mode;
};

const LayoutButton kLayoutButtons[] = {
    {"RadioButton2", "Всё на один слой", 6, LayerMode::OneLayer},
    {"RadioButton4", "Раздельно на один слой", 54, LayerMode::SeparatelyOnOneLayer},
    {"RadioButton5", "По слоям", 102, LayerMode::ByLayers},
};

struct PassBox {
  const char* name;
  const char* caption;
  int top;  // in GroupBox2
  bool PassChoices::*pass;
};

const PassBox kPassBoxes[] = {
    {"CheckBox1", "Стрелки", 12, &PassChoices::arrows},
    {"CheckBox2", "Текст", 34, &PassChoices::text},
    {"CheckBox5", "Квадраты (все)", 56, &PassChoices::allSquares},
    {"CheckBox6", "Картинки", 78, &PassChoices::pictures},
    {"CheckBox4", "Полные (квадраты)", 100, &PassChoices::fullSquares},
    {"CheckBox3", "Пустые (квадраты)", 122, &PassChoices::emptySquares},
};

constexpr QPoint kPanel1At{28, 110};
constexpr QSize kPanel1Size{156, 130};  // up to GroupBox2
constexpr int kLayoutButtonLeft = 10;
constexpr QSize kLayoutButtonSize{146, 17};
constexpr int kPassBoxLeft = 10;
constexpr QSize kPassBoxSize{136, 17};

template <class Button>
Button* AddChoice(QWidget& parent, const char* name, const char* caption, const QRect& place, bool bold) {
  auto* button = new Button(QString::fromUtf8(caption), &parent);
  button->setObjectName(QLatin1String(name));
  button->setFont(DialogFont(bold));
  SetCaptionColour(*button, ScreenColour::Yellow);
  button->setGeometry(place);
  return button;
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent) {
  SetUpDialogFrame(*this, QStringLiteral("Form5"), QStringLiteral("Записать..."), QSize(369, 304), ScreenColour::Teal);
  CreateVersionGroup();
  CreateOutputGroup();
  QPushButton* ok = AddPushButton(*this, "Button1", QStringLiteral("ОК"), {82, 271, 92, 21});
  QPushButton* cancel = AddPushButton(*this, "Button5", QStringLiteral("Отмена"), {187, 271, 92, 21});
  connect(ok, &QPushButton::clicked, this, &ExportDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &ExportDialog::reject);
}

// A frame without items; the three version buttons lie over it.
void ExportDialog::CreateVersionGroup() {
  AddGroupBox(*this, "RadioGroup1", QStringLiteral("  Создать  макрос   для ...  "), {18, 20, 329, 59},
              ScreenColour::Yellow, true);
  auto* group = new QButtonGroup(this);
  for (const VersionButton& button : kVersionButtons) {
    versions_.push_back(AddChoice<QRadioButton>(*this, button.name, button.caption, button.place, true));
    group->addButton(versions_.back());
  }
  versions_.front()->setChecked(true);
}

void ExportDialog::CreateOutputGroup() {
  QGroupBox* outputs =
      AddGroupBox(*this, "GroupBox1", QStringLiteral(" Выводить... "), {18, 86, 329, 169}, ScreenColour::Yellow, true);
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(QRect(kPanel1At, kPanel1Size));
  auto* group = new QButtonGroup(this);
  for (const LayoutButton& button : kLayoutButtons) {
    const QRect place(QPoint(kLayoutButtonLeft, button.top), kLayoutButtonSize);
    layouts_.push_back(AddChoice<QRadioButton>(*panel, button.name, button.caption, place, false));
    group->addButton(layouts_.back());
    layouts_.back()->installEventFilter(this);
  }
  layouts_.front()->setChecked(true);

  QGroupBox* boxes = AddGroupBox(*outputs, "GroupBox2", QString(), {168, 10, 151, 147}, ScreenColour::Yellow, true);
  for (const PassBox& box : kPassBoxes) {
    const QRect place(QPoint(kPassBoxLeft, box.top), kPassBoxSize);
    passes_.push_back(AddChoice<QCheckBox>(*boxes, box.name, box.caption, place, true));
    passes_.back()->setChecked(true);
    passes_.back()->setEnabled(false);
  }
  // Under the layouts, for the PDF and the SVG only.
  strict_ = AddChoice<QCheckBox>(*this, "CheckBox7", "Строгая проверка", {38, 234, 140, 17}, false);
  strict_->setToolTip(QStringLiteral("PDF и SVG не записываются, пока сканворд не готов к печати: "
                                     "число определений, разметка, пустые и не помещающиеся определения"));
}

bool ExportDialog::strict() const { return strict_->isChecked(); }

ExportChoice ExportDialog::choice() const {
  ExportChoice choice;
  for (std::size_t i = 0; i < versions_.size(); ++i) {
    if (versions_[i]->isChecked()) choice.version = kVersionButtons[i].version;
  }
  for (std::size_t i = 0; i < layouts_.size(); ++i) {
    if (layouts_[i]->isChecked()) choice.layerMode = kLayoutButtons[i].mode;
  }
  for (std::size_t i = 0; i < passes_.size(); ++i) choice.passes.*kPassBoxes[i].pass = passes_[i]->isChecked();
  return choice;
}

// The boxes follow the layout button the mouse is released over; a layout
// chosen with the keys leaves them as they were. Their ticks never change.
bool ExportDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* release = static_cast<QMouseEvent*>(event);
    for (std::size_t i = 0; i < layouts_.size(); ++i) {
      if (watched != layouts_[i] || release->button() != Qt::LeftButton) continue;
      if (!layouts_[i]->rect().contains(release->position().toPoint())) continue;
      const bool layered = kLayoutButtons[i].mode != LayerMode::OneLayer;
      for (QCheckBox* box : passes_) box->setEnabled(layered);
    }
  }
  return QDialog::eventFilter(watched, event);
}

std::optional<ExportChoice> ExportDialog::AskChoice() {
  return exec() == QDialog::Accepted ? std::optional(choice()) : std::nullopt;
}

}  // namespace verstak
