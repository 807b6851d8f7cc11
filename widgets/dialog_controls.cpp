#include "widgets/dialog_controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

#include "widgets/ui_font.h"
#include "widgets/window_look.h"

namespace verstak {
namespace {

// Disabled, a caption fades towards silver: still readable on the dialogs'
// teal (at least 3:1), but plainly not the live colour.
QColor Faded(const QColor& colour) {
  const QColor silver = ScreenColour::Silver;
  return QColor((colour.red() + silver.red()) / 2, (colour.green() + silver.green()) / 2,
                (colour.blue() + silver.blue()) / 2);
}

void SetForeground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, Faded(colour));
  widget.setPalette(palette);
}

// A group frame drawn the way the windows were designed: an etched line
// whose top runs through the middle of the caption.
class GroupFrame final : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, title().isEmpty() ? 0 : metrics.height() / 2, -1, -1);
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, title());
  }

 private:
  static constexpr int kCaptionLeft = 8;
};

}  // namespace

QFont DialogFont(bool bold) { return UiFont(QStringLiteral("MS Sans Serif"), WindowFont().pixelSize(), bold); }

QGroupBox* AddGroupBox(QWidget& parent, const char* name, const QString& caption, const QRect& place,
                       const QColor& colour, bool bold) {
  auto* group = new GroupFrame(caption, &parent);
  group->setObjectName(QLatin1String(name));
  group->setGeometry(place);
  group->setFont(DialogFont(bold));
  SetForeground(*group, colour);
  return group;
}

QLabel* AddLabel(QWidget& parent, const char* name, const QString& text, QPoint at, const QColor& colour,
                 bool bold) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(DialogFont(bold));
  SetTextColour(*label, colour);
  label->move(at);
  label->adjustSize();
  return label;
}

QLineEdit* AddLineEdit(QWidget& parent, const char* name, const QString& text, const QRect& place) {
  auto* field = new QLineEdit(text, &parent);
  field->setObjectName(QLatin1String(name));
  field->setFont(DialogFont());
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ScreenColour::White);
  palette.setColor(QPalette::Text, Qt::black);
  field->setPalette(palette);
  field->setGeometry(place);
  return field;
}

QPushButton* AddPushButton(QWidget& parent, const char* name, const QString& caption, const QRect& place) {
  auto* button = new QPushButton(caption, &parent);
  button->setObjectName(QLatin1String(name));
  button->setFont(DialogFont());
  button->setGeometry(place);
  button->setAutoDefault(false);
  return button;
}

void SetCaptionColour(QAbstractButton& button, const QColor& colour) { SetForeground(button, colour); }

}  // namespace verstak
