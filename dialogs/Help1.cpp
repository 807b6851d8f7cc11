#include "dialogs/Help1.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "dialogs/artwork.h"
#include "widgets/ui_font.h"
#include "widgets/window_look.h"

namespace verstak {
namespace {

// Trailing blanks belong to the lines.
const char* const kAboutLines[] = {
    "С помощью этой программы можно ",
    "БЫСТРО и ЛЕГКО СВЕРСТАТЬ ",
    "в СorelDRAW  7 (или 9) любое количество ",
    "скандинавских (и других) кроссвордов!",
    "ВНИМАНИЕ! ",
    "Только СВЕРСТАТЬ! Не создать.",
    "",
    "Программа позволяет ",
    "СОКРАТИТЬ ВРЕМЯ ВЕРСТКИ В 5-10 РАЗ!",
    "Особенно она эффективна при верстке ",
    "большого количества кроссвордов.",
    "",
    "Как известно, в CorelDRAW есть команда ",
    "\"Запустить макрос...\" ",
    "(<Сервис><Corel SKRIPT>), ",
    "которая запускает на выполнение ",
    "файл макроса (с расширением .SCS). ",
    "Это обычный текстовый файл,",
    "который является программой Visual Basic.",
    "Именно такой файл (.SCS) и создает ",
    "программа \"VERSTAK\".",
};

constexpr int kAboutPixels = 15;
constexpr int kCursorRoom = 2;  // the caret's pixel after a line's end
constexpr int kSmallestAboutPixels = 9;

}  // namespace

QFont AboutWindow::AboutFont(const QPlainTextEdit& memo) {
  const int width = memo.width() - 2 * memo.frameWidth() - memo.verticalScrollBar()->sizeHint().width() -
                    2 * static_cast<int>(std::ceil(memo.document()->documentMargin())) - kCursorRoom;
  QFont font;
  for (int pixels = kAboutPixels; pixels >= kSmallestAboutPixels; --pixels) {
    font = UiFont(QStringLiteral("MS Sans Serif"), pixels, true);
    const QFontMetrics metrics(font);
    const QStringList lines = AboutText();
    if (std::all_of(lines.begin(), lines.end(),
                    [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; })) {
      break;
    }
  }
  return font;
}

QStringList AboutWindow::AboutText() {
  QStringList lines;
  for (const char* line : kAboutLines) lines << QString::fromUtf8(line);
  return lines;
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  SetUpDialogFrame(*this, QStringLiteral("Form6"), QStringLiteral("О программе..."), QSize(385, 328), ScreenColour::Navy);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(16, 14, 51, 53);
  SetBackground(*panel, ScreenColour::Silver);
  auto* bevel = new QFrame(panel);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setGeometry(2, 2, 47, 49);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* icon = new QLabel(panel);
  icon->setObjectName(QStringLiteral("Image1"));
  icon->setGeometry(8, 10, 35, 35);
  icon->setAlignment(Qt::AlignCenter);
  icon->setPixmap(QPixmap::fromImage(DrawProgramIcon()));

  auto* title = new QLabel(QStringLiteral("Программа «VERSTAK»  Версия 3.2"), this);
  title->setObjectName(QStringLiteral("Label1"));
  title->setFont(UiFont(QStringLiteral("MS Sans Serif"), 13, true));
  SetTextColour(*title, ScreenColour::Yellow);
  title->move(79, 12);
  title->adjustSize();

  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setGeometry(17, 78, 356, 202);
  memo->setReadOnly(true);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The text's own lines, never broken again: the font as large as the
  // design's where the widest line fits, else smaller.
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setFont(AboutFont(*memo));
  memo->setPlainText(AboutText().join(QLatin1Char('\n')));

  auto* exit = new QPushButton(QStringLiteral("Выход"), this);
  exit->setObjectName(QStringLiteral("Button1"));
  exit->setGeometry(138, 290, 98, 25);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace verstak
