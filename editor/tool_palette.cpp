#include "editor/tool_palette.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <array>

#include "widgets/ui_font.h"
#include "widgets/window_look.h"
#include "editor/cell_drawing.h"
#include "editor/grid_canvas.h"

namespace verstak {
namespace {

constexpr int kButtonSide = 40;

// The palette in reading order of the screen: button number, its place, and
// its key label with the label's place (none for the tools without a key).
struct PaletteEntry {
  int button;
  QPoint at;
  const char* label;
  QPoint labelAt;
  const char* toolName;  // for the tooltip
};

// "Стрелка слева вправо (клавиша 1)": the tool and the key that picks it.
QString ToolTip(const PaletteEntry& entry) {
  QString tip = QString::fromUtf8(entry.toolName);
  if (!entry.label) return tip;
  const QString key = qstrcmp(entry.label, "space") == 0 ? QStringLiteral("пробел") : QLatin1String(entry.label);
  return tip + QStringLiteral(" (клавиша %1)").arg(key);
}

const PaletteEntry kPalette[] = {
    {1, {26, 24}, "1", {16, 24}, "Стрелка слева вправо"},
    {2, {84, 24}, "2", {72, 24}, "Стрелка сверху вниз"},
    {3, {144, 24}, "3", {132, 24}, "Стрелка слева с поворотом вниз"},
    {4, {204, 24}, "4", {192, 24}, "Стрелка сверху с поворотом вправо"},
    {5, {26, 72}, "5", {16, 72}, "Стрелка из левого верхнего угла вниз"},
    {6, {84, 72}, "6", {72, 72}, "Стрелка из левого верхнего угла вправо"},
    {7, {144, 72}, "7", {132, 72}, "Стрелка из правого верхнего угла вниз"},
    {8, {204, 72}, "8", {192, 72}, "Стрелка из правого верхнего угла вправо"},
    {9, {26, 120}, "9", {16, 120}, "Стрелка снизу с поворотом вправо"},
    {10, {84, 120}, "0", {72, 120}, "Стрелка из левого нижнего угла вправо"},
    {11, {144, 120}, "Q", {130, 120}, "Стрелка из левого нижнего угла вниз"},
    {12, {204, 120}, "W", {188, 120}, "Стрелка из правого нижнего угла вправо"},
    {13, {84, 168}, "E", {70, 168}, "Стрелка из правого нижнего угла вниз"},
    {14, {144, 168}, "R", {130, 168}, "Стрелка справа с поворотом вниз"},
    {19, {26, 226}, "A", {14, 226}, "Определение"},
    {16, {84, 226}, "S", {70, 226}, "Два определения, одно над другим"},
    {20, {144, 226}, "D", {130, 226}, "Два определения рядом"},
    {23, {204, 226}, "Z", {190, 226}, "Картинка"},
    {21, {26, 280}, nullptr, {}, "Черта справа"},
    {22, {84, 280}, nullptr, {}, "Черта сверху"},
    {17, {144, 280}, nullptr, {}, "Черта снизу"},
    {18, {204, 280}, nullptr, {}, "Черта слева"},
    {24, {54, 334}, nullptr, {}, "Определение в левой половине"},
    {25, {114, 334}, nullptr, {}, "Определение в верхней половине"},
    {15, {174, 334}, "space", {170, 318}, "Пустая клетка"},
};

// A button's tool is the kind it writes; `SpeedButton15` writes letter cells.
int ToolOfButton(int button) { return button == 15 ? 0 : button; }

// The cell that `tool` makes, drawn by the grid view's own routines.
QImage CellPicture(int tool) {
  QImage picture(kButtonSide, kButtonSide, QImage::Format_RGB32);
  QPainter painter(&picture);
  GridCanvas canvas(painter);
  const CellBox box{0, 0, kButtonSide, kButtonSide};
  DrawCellBase(canvas, box);
  DrawCell(canvas, box, static_cast<std::uint8_t>(tool));
  return picture;
}

// The four versions of a button's picture.
enum Version { Up, Disabled, Pressed, HeldDown, kVersions };

// Held down, the picture's light colours are tinted yellow, the program's
// colour of what is selected, so that the button of any tool shows it is
// down; pressed, the picture sinks by one pixel; disabled, it fades.
QRgb Tinted(QRgb pixel) {
  if (qGray(pixel) == 0) return pixel;
  return qRgb((qRed(pixel) + 255) / 2, (qGreen(pixel) + 255) / 2, qBlue(pixel) / 2);
}

std::array<QImage, kVersions> PictureVersions(const QImage& picture) {
  std::array<QImage, kVersions> versions;
  versions[Up] = picture;

  versions[HeldDown] = picture;
  for (int y = 0; y < kButtonSide; ++y) {
    for (int x = 0; x < kButtonSide; ++x) versions[HeldDown].setPixel(x, y, Tinted(picture.pixel(x, y)));
  }

  versions[Pressed] = QImage(picture.size(), picture.format());
  versions[Pressed].fill(ScreenColour::Black);
  QPainter(&versions[Pressed]).drawImage(QPoint(1, 1), picture, QRect(0, 0, kButtonSide - 1, kButtonSide - 1));

  versions[Disabled] = picture;
  QPainter faded(&versions[Disabled]);
  faded.fillRect(picture.rect(), QColor(192, 192, 192, 160));
  return versions;
}

class PaletteButton : public QAbstractButton {
 public:
  PaletteButton(int button, QWidget& parent) : QAbstractButton(&parent) {
    setObjectName(QStringLiteral("SpeedButton%1").arg(button));
    setCheckable(true);
    // Choosing a tool leaves the keyboard where it was.
    setFocusPolicy(Qt::NoFocus);
    resize(kButtonSide, kButtonSide);
    versions_ = PictureVersions(CellPicture(ToolOfButton(button)));
  }

  QSize sizeHint() const override { return {kButtonSide, kButtonSide}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    Version version = Up;
    if (!isEnabled()) {
      version = Disabled;
    } else if (isDown()) {
      version = Pressed;
    } else if (isChecked()) {
      version = HeldDown;
    }
    QPainter(this).drawImage(QPoint(0, 0), versions_[version]);
  }

 private:
  std::array<QImage, kVersions> versions_;
};

QLabel* KeyLabel(QWidget& panel, int number, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), &panel);
  label->setObjectName(QStringLiteral("Label%1").arg(number));
  label->setFont(UiFont(QStringLiteral("MS Sans Serif"), 9, true));
  SetTextColour(*label, ScreenColour::White);
  label->adjustSize();
  return label;
}

}  // namespace

ToolPalette::ToolPalette(QWidget& panel, EditorState& editor)
    : QObject(&panel), editor_(editor), group_(new QButtonGroup(this)) {
  group_->setExclusive(true);
  for (const PaletteEntry& entry : kPalette) {
    auto* button = new PaletteButton(entry.button, panel);
    button->setToolTip(ToolTip(entry));
    group_->addButton(button, entry.button);
    // The button goes down as the mouse goes down on it, not at the release.
    connect(button, &QAbstractButton::pressed, button, [button] { button->setChecked(true); });
    if (entry.label) labels_.push_back(KeyLabel(panel, static_cast<int>(labels_.size()) + 1, entry.label));
  }
  group_->button(ToolPicture)->setChecked(true);
  connect(group_, &QButtonGroup::idToggled, this, [this](int button, bool down) {
    if (down) editor_.currentTool = ToolOfButton(button);
  });
  PlaceControls();
}

void ToolPalette::PlaceControls() {
  auto label = labels_.begin();
  for (const PaletteEntry& entry : kPalette) {
    group_->button(entry.button)->setGeometry(QRect(entry.at, QSize(kButtonSide, kButtonSide)));
    if (entry.label) (*label++)->move(entry.labelAt);
  }
}

void ToolPalette::SelectTool(int tool) {
  editor_.currentTool = tool;
  if (QAbstractButton* button = ButtonOfTool(tool)) button->setChecked(true);
}

void ToolPalette::SetShown(bool shown) {
  for (QAbstractButton* button : group_->buttons()) button->setVisible(shown);
  for (QLabel* label : labels_) label->setVisible(shown);
}

QAbstractButton* ToolPalette::ButtonOfTool(int tool) const {
  // Tool 15 acts as tool 0 but has no button of its own.
  if (tool == 15) return nullptr;
  return group_->button(tool == 0 ? 15 : tool);
}

}  // namespace verstak
