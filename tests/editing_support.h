#pragma once
// Driving the editor as the user does: palette buttons, mouse over the grid
// view, typed characters, and reading back what the document holds.

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <string>

#include "document/cp1251.h"
#include "program_fixture.h"

namespace verstak::editing {

// An empty grid of the given size, as the new grid dialog starts it.
inline void NewGrid(ProgramFixture& f, int width, int height) {
  f.document.gridWidth = static_cast<std::uint8_t>(width);
  f.document.gridHeight = static_cast<std::uint8_t>(height);
  f.main.ResetDocument();
  f.main.gridView().RepaintGrid();
}

inline QAbstractButton* Button(ProgramFixture& f, const QString& name) {
  return f.Child<QAbstractButton>(qPrintable(name));
}
inline QAbstractButton* PaletteButton(ProgramFixture& f, int number) {
  return Button(f, QStringLiteral("SpeedButton%1").arg(number));
}

inline void ChooseTool(ProgramFixture& f, int button) { QTest::mouseClick(PaletteButton(f, button), Qt::LeftButton); }

// Pixel of the grid view at which grid cell (x, y) starts, and its middle.
inline QPoint CellCorner(const ProgramFixture& f, int x, int y) {
  return {(x - f.editor.viewOriginX) * 40, (y - f.editor.viewOriginY) * 40};
}
inline QPoint CellMiddle(const ProgramFixture& f, int x, int y) { return CellCorner(f, x, y) + QPoint(20, 20); }

inline void ClickCell(ProgramFixture& f, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(&f.main.gridView(), button, Qt::NoModifier, CellMiddle(f, x, y));
}

// Typed one character at a time, as a keyboard sends them: ASCII with its
// key code, other characters as text only (keyClicks refuses them).
inline void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    if (c == QLatin1Char('\n')) {
      QTest::keyClick(widget, Qt::Key_Return);
    } else if (c.unicode() < 128) {
      QTest::keyClick(widget, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

inline QString SlotLine(const ProgramFixture& f, int slot, int line = 1) {
  return QString::fromStdString(Cp1251ToUtf8(f.document.definitions.slot(slot).line(line).text()));
}

inline void SetSlotLine(ProgramFixture& f, int slot, int line, const QString& text) {
  f.document.definitions.slot(slot).line(line).assign(Utf8ToCp1251(text.toStdString()));
}

inline QString MemoText(ProgramFixture& f) { return f.main.memo().toPlainText(); }

}  // namespace verstak::editing
