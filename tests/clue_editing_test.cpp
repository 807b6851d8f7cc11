#include "editor/clue_editing.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <initializer_list>
#include <map>
#include <vector>

#include "editing_support.h"

using namespace verstak;
using namespace verstak::editing;

namespace {

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);

struct Placed {
  int x;
  int y;
  CellKind kind;
};

// A grid with clue cells and clue texts, shown in the main window.
void SetUpGrid(ProgramFixture& f, int width, int height, std::initializer_list<Placed> cells,
               std::initializer_list<std::pair<int, const char*>> texts = {}) {
  NewGrid(f, width, height);
  for (const Placed& p : cells) f.document.cells.at(p.x, p.y).kind = p.kind;
  for (const auto& [slot, text] : texts) SetSlotLine(f, slot, 1, QString::fromUtf8(text));
  f.main.gridView().RepaintGrid();
}

void Enter(ProgramFixture& f) { QTest::mouseClick(Button(f, "Button6"), Qt::LeftButton); }
void Back(ProgramFixture& f) { QTest::mouseClick(Button(f, "Button11"), Qt::LeftButton); }
void Check(ProgramFixture& f) { QTest::mouseClick(Button(f, "Button10"), Qt::LeftButton); }
void PageDown(ProgramFixture& f) { QTest::keyClick(&f.main.memo(), Qt::Key_PageDown); }
void PageUp(ProgramFixture& f) { QTest::keyClick(&f.main.memo(), Qt::Key_PageUp); }

// The colour in the middle of half `half` of a two-clue cell of `kind`
// (or of the clue area of a one-clue cell).
QRgb HalfColour(ProgramFixture& f, int x, int y, int half) {
  const QPoint corner = CellCorner(f, x, y);
  const CellKind plain = PlainKind(f.document.cells.at(x, y).kind);
  QPoint inside = plain == CellKind::ClueSplitVertical ? QPoint(half == 1 ? 2 : 22, 37) : QPoint(2, half == 1 ? 2 : 22);
  if (plain == CellKind::Clue) inside = QPoint(2, 37);
  return f.ViewPixel(corner.x() + inside.x(), corner.y() + inside.y());
}

// One step of a walk through the clues and where it must land.
struct Step {
  char how;  // '>' Page Down, '<' Page Up, '\'' and '%' typed on a scroll bar, 'n' and 'p' the step buttons
  int x;
  int y;
  int half;
  int slot;
};
using Steps = std::vector<Step>;
using Cells = std::vector<Placed>;

void TakeStep(ProgramFixture& f, char how) {
  switch (how) {
    case '>':
      PageDown(f);
      break;
    case '<':
      PageUp(f);
      break;
    case 'n':
      QTest::mouseClick(Button(f, "SpeedButton26"), Qt::LeftButton);
      break;
    case 'p':
      QTest::mouseClick(Button(f, "SpeedButton27"), Qt::LeftButton);
      break;
    default:
      Type(&f.Bar1(), QString(QLatin1Char(how)));
      break;
  }
}

}  // namespace

Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(Cells)

class ClueEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void enteringShowsTheEditorAndSelectsTheFirstClue() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 4, 2, {{2, 1, CellKind::ClueSplitHorizontal}, {4, 2, CellKind::Clue}}, {{1, "Река"}, {3, "Город"}});
    Enter(f);

    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Мало определений!"});
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::ClueSplitHorizontalMissing);
    for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button6", "Button7"}) {
      QVERIFY2(!f.Child(name)->isEnabled(), name);
    }
    for (const char* name : {"Button5", "Button12"}) QVERIFY2(f.Child(name)->isEnabled(), name);
    for (int n = 1; n <= 25; ++n) QVERIFY(!PaletteButton(f, n)->isVisible());
    for (int n = 1; n <= 19; ++n) QVERIFY(!f.Child(qPrintable(QStringLiteral("Label%1").arg(n)))->isVisible());
    for (const char* name : {"Memo1", "Panel4", "Panel5", "SpeedButton26", "SpeedButton27", "Label20", "Label21",
                             "Button10", "Button9", "Button11"}) {
      QVERIFY2(f.Child(name)->isVisible(), name);
    }
    QCOMPARE(f.main.focusWidget(), &f.main.memo());
    QCOMPARE(f.editor.mode, EditorMode::ClueEditing);
    QCOMPARE(f.editor.currentTool, ToolNone);
    QCOMPARE(QPoint(f.editor.cursorX, f.editor.cursorY), QPoint(2, 1));
    QCOMPARE(QPoint(f.editor.selectedCellX, f.editor.selectedCellY), QPoint(2, 1));
    QCOMPARE(f.editor.currentSlot, 1);
    QCOMPARE(MemoText(f), QStringLiteral("Река\n"));
    QCOMPARE(HalfColour(f, 2, 1, 1), kYellow);
    QCOMPARE(HalfColour(f, 2, 1, 2), kRed);
    QVERIFY(!f.session.modified());  // the check's marks are no edit

    // The mouse does nothing while the clue texts are edited.
    ClickCell(f, 1, 1);
    QCOMPARE(f.document.cells.at(1, 1), GridCell{});
    QCOMPARE(f.editor.mode, EditorMode::ClueEditing);
  }

  void stepsThroughTheClues_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<Steps>("steps");
    const Cells twoCells{{2, 1, CellKind::ClueSplitHorizontal}, {4, 2, CellKind::Clue}};
    QTest::newRow("forwards through both halves, wrapping")
        << 4 << 2 << twoCells << Steps{{'>', 2, 1, 2, 2}, {'>', 4, 2, 1, 3}, {'>', 2, 1, 1, 1}, {'>', 2, 1, 2, 2}};
    QTest::newRow("backwards into the second half")
        << 4 << 2 << twoCells << Steps{{'<', 4, 2, 2, 3}, {'<', 2, 1, 2, 2}, {'<', 2, 1, 1, 1}, {'<', 4, 2, 2, 3}};
    QTest::newRow("step keys and buttons")
        << 4 << 2 << twoCells << Steps{{'\'', 2, 1, 2, 2}, {'n', 4, 2, 1, 3}, {'%', 2, 1, 2, 2}, {'p', 2, 1, 1, 1}};
    const Cells lastSplit{{1, 1, CellKind::Clue}, {3, 3, CellKind::ClueSplitVertical}};
    QTest::newRow("back from the first clue to the last cell's second clue")
        << 3 << 3 << lastSplit << Steps{{'<', 3, 3, 2, 3}, {'<', 3, 3, 1, 2}, {'>', 3, 3, 2, 3}, {'>', 1, 1, 1, 1}};
    QTest::newRow("one clue cell") << 2 << 2 << Cells{{2, 2, CellKind::ClueHalfLeft}}
                                   << Steps{{'>', 2, 2, 1, 1}, {'<', 2, 2, 2, 1}, {'>', 2, 2, 1, 1}};
    QTest::newRow("missing variants are visited like their kinds")
        << 3 << 1 << Cells{{1, 1, CellKind::ClueHalfTopMissing}, {3, 1, CellKind::ClueSplitVerticalMissing}}
        << Steps{{'>', 3, 1, 1, 2}, {'>', 3, 1, 2, 3}, {'>', 1, 1, 1, 1}};
  }
  // Each step lands on the expected clue, its text shown and only its half
  // in yellow; with nothing typed the document stays unchanged.
  void stepsThroughTheClues() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Cells, cells);
    QFETCH(Steps, steps);
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, width, height, {});
    for (const Placed& p : cells) f.document.cells.at(p.x, p.y).kind = p.kind;
    for (int slot = 1; slot <= 4; ++slot) SetSlotLine(f, slot, 1, QStringLiteral("определение %1").arg(slot));
    Enter(f);
    for (const Step& step : steps) {
      TakeStep(f, step.how);
      const QString where =
          QStringLiteral("after '%1' towards (%2,%3)").arg(QLatin1Char(step.how)).arg(step.x).arg(step.y);
      QCOMPARE(QPoint(f.editor.cursorX, f.editor.cursorY), QPoint(step.x, step.y));
      QCOMPARE(f.editor.currentSlot, step.slot);
      QCOMPARE(MemoText(f), QStringLiteral("определение %1\n").arg(step.slot));
      if (slotCount(f.document.cells.at(step.x, step.y).kind) == 2) {
        QCOMPARE(f.editor.selectedHalf, step.half);
        QVERIFY2(HalfColour(f, step.x, step.y, step.half) == kYellow, qPrintable(where));
        QVERIFY2(HalfColour(f, step.x, step.y, 3 - step.half) == kGrey, qPrintable(where));
      }
    }
    QVERIFY(!f.session.modified());
    for (int slot = 1; slot <= 4; ++slot) QCOMPARE(SlotLine(f, slot), QStringLiteral("определение %1").arg(slot));
  }

  // A step backwards in an earlier editing period leaves the second half
  // selected: entering again selects the second clue of the first cell.
  void enteringAgainAfterABackwardStep() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 3, 1, {{1, 1, CellKind::ClueSplitHorizontal}, {3, 1, CellKind::Clue}}, {{1, "а"}, {2, "б"}, {3, "в"}});
    Enter(f);
    PageUp(f);
    QCOMPARE(f.editor.cursorX, 3);
    Back(f);
    Enter(f);
    QCOMPARE(f.editor.cursorX, 1);
    QCOMPARE(f.editor.currentSlot, 2);
    QCOMPARE(MemoText(f), QStringLiteral("б\n"));
    QCOMPARE(HalfColour(f, 1, 1, 2), kYellow);
  }

  // Every step stores the memo, also when it selects the same cell again.
  void oneClueCellStoresAtEveryStep() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 2, 2, {{2, 2, CellKind::Clue}});
    Enter(f);
    Type(&f.main.memo(), QStringLiteral("Столица\nФранции"));
    PageDown(f);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Столица"));
    QCOMPARE(SlotLine(f, 1, 2), QStringLiteral("Франции"));
    QCOMPARE(MemoText(f), QStringLiteral("Столица\nФранции\n"));
    QVERIFY(f.session.modified());
    f.main.memo().setPlainText(QStringLiteral("Париж"));
    PageUp(f);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Париж"));
    QVERIFY(f.document.definitions.slot(1).line(2).empty());
  }

  // Lines beyond 32 characters are cut (and marked while typing), memo lines
  // after the 16th are lost (marked too), characters the code page lacks are
  // refused with a note; blank lines keep their places.
  void storedTextKeepsTheClueLimits() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 1, 1, {{1, 1, CellKind::Clue}});
    Enter(f);
    const QString forty = QStringLiteral("Длинная строка ровно из сорока символов!");
    QCOMPARE(forty.size(), 40);
    QStringList lines{forty, QString(), QStringLiteral("中 ū €")};
    for (int i = 4; i <= 17; ++i) lines << QStringLiteral("строка %1").arg(i);
    f.main.memo().setPlainText(lines.join(QLatin1Char('\n')));
    QCOMPARE(f.Child<QLabel>("PositionLabel")->text(), QStringLiteral("Нет в кодировке 1251, не вводится: 中ū"));
    QStringList marked;
    for (const QTextEdit::ExtraSelection& mark : f.main.memo().extraSelections()) marked << mark.cursor.selectedText();
    QCOMPARE(marked, (QStringList{forty.mid(32), QStringLiteral("строка 17")}));
    PageDown(f);
    const DefinitionText& slot = f.document.definitions.slot(1);
    QCOMPARE(SlotLine(f, 1), forty.left(32));
    QCOMPARE(slot.line(1).length(), 32u);
    QVERIFY(slot.line(2).empty());
    QCOMPARE(SlotLine(f, 1, 3), QStringLiteral("  €"));
    QCOMPARE(SlotLine(f, 1, 16), QStringLiteral("строка 16"));
    QCOMPARE(f.main.memo().toPlainText().split(QLatin1Char('\n')).size(), 17);  // 16 lines and the empty one
    QVERIFY(!MemoText(f).contains(QStringLiteral("строка 17")));
  }

  // Only a stored text with a first line takes away its own cell's mark.
  void storedTextClearsItsCellsMark() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 2, 1, {{1, 1, CellKind::Clue}, {2, 1, CellKind::ClueHalfLeft}});
    Enter(f);
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::ClueMissing);
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::ClueHalfLeftMissing);
    Type(&f.main.memo(), QStringLiteral("Текст"));
    PageDown(f);
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::Clue);
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::ClueHalfLeftMissing);
    QCOMPARE(HalfColour(f, 1, 1, 1), kGrey);
    Type(&f.main.memo(), QStringLiteral("\nвторая строка"));  // line 1 stays empty
    PageDown(f);
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::ClueHalfLeftMissing);
    QCOMPARE(SlotLine(f, 2, 2), QStringLiteral("вторая строка"));
  }

  // "Обратно" keeps what was typed, clears every mark and gives back the
  // palette with the picture tool.
  void returningToLayout() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 3, 1, {{1, 1, CellKind::ClueSplitVertical}, {3, 1, CellKind::Clue}});
    ChooseTool(f, 5);
    Enter(f);
    Type(&f.main.memo(), QStringLiteral("Слово"));
    Back(f);

    QCOMPARE(SlotLine(f, 1), QStringLiteral("Слово"));
    QVERIFY(f.session.modified());
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::ClueSplitVertical);
    QCOMPARE(f.document.cells.at(3, 1).kind, CellKind::Clue);
    QCOMPARE(HalfColour(f, 1, 1, 1), kGrey);
    QCOMPARE(HalfColour(f, 1, 1, 2), kGrey);
    QCOMPARE(f.editor.mode, EditorMode::Idle);
    QCOMPARE(f.editor.currentTool, 23);
    QVERIFY(PaletteButton(f, 23)->isChecked());
    QVERIFY(!PaletteButton(f, 5)->isChecked());
    QCOMPARE(QPoint(f.editor.selectedCellX, f.editor.selectedCellY), QPoint(1, 1));
    QVERIFY(MemoText(f).isEmpty());
    for (int n = 1; n <= 25; ++n) QVERIFY(PaletteButton(f, n)->isVisible());
    for (const char* name : {"Memo1", "Panel4", "Panel5", "SpeedButton26", "SpeedButton27", "Label20", "Label21",
                             "Button10", "Button9", "Button11"}) {
      QVERIFY2(!f.Child(name)->isVisible(), name);
    }
    for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button6", "Button7"}) {
      QVERIFY2(f.Child(name)->isEnabled(), name);
    }
    QCOMPARE(f.main.focusWidget(), &f.Bar1());
    ClickCell(f, 2, 1);
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::Picture);
  }

  // "Проверить" counts the text just typed and shows it again.
  void checkStoresTheTypedTextFirst() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 2, 1, {{2, 1, CellKind::ClueHalfTop}});
    Enter(f);
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::ClueHalfTopMissing);
    Type(&f.main.memo(), QStringLiteral("Ответ"));
    Check(f);
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Мало определений!", "Все правильно!"}));
    QCOMPARE(f.document.cells.at(2, 1).kind, CellKind::ClueHalfTop);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Ответ"));
    QCOMPARE(MemoText(f), QStringLiteral("Ответ\n"));
    QCOMPARE(HalfColour(f, 2, 1, 1), kYellow);
    QCOMPARE(f.main.focusWidget(), &f.main.memo());
  }

  // In the memo "'" and "%" are text that clue texts need, and a tool letter
  // is text too; from a scroll bar the two step between the clues.
  void stepCharactersAreTextInTheMemo() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 2, 1, {{1, 1, CellKind::Clue}, {2, 1, CellKind::Clue}}, {{2, "Озеро"}});
    Enter(f);
    Type(&f.main.memo(), QStringLiteral("д'Артаньян 100 %"));
    QCOMPARE(f.editor.cursorX, 1);
    QCOMPARE(MemoText(f), QStringLiteral("д'Артаньян 100 %"));
    Type(&f.Bar1(), QStringLiteral("'"));
    QCOMPARE(f.editor.cursorX, 2);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("д'Артаньян 100 %"));
    QCOMPARE(MemoText(f), QStringLiteral("Озеро\n"));
    Type(&f.Bar1(), QStringLiteral("%"));
    QCOMPARE(f.editor.cursorX, 1);
    QCOMPARE(MemoText(f), QStringLiteral("д'Артаньян 100 %\n"));
  }

  // Without a clue cell nothing is selected, and no step, check or return
  // writes the memo into any slot.
  void aGridWithoutCluesStoresNothing() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 3, 3, {{1, 1, CellKind::Picture}}, {{1, "Важное"}});
    f.main.memo().setPlainText(QStringLiteral("старое"));
    Enter(f);
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Много определений!"});
    QCOMPARE(MemoText(f), QStringLiteral("старое"));
    for (char how : {'>', '<', '\'', '%', 'n', 'p'}) TakeStep(f, how);
    Check(f);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Важное"));
    QCOMPARE(MemoText(f), QStringLiteral("старое"));
    Back(f);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Важное"));
    QVERIFY(f.document.definitions.slot(2).isEmpty());
    QVERIFY(!f.session.modified());
  }

  // A 99 x 99 grid of split cells numbers 19602 slots; those past 10000
  // load as empty and store nothing.
  void slotsPastTheTable() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 99, 99);
    for (int y = 1; y <= 99; ++y) {
      for (int x = 1; x <= 99; ++x) f.document.cells.at(x, y).kind = CellKind::ClueSplitHorizontal;
    }
    SetSlotLine(f, 10000, 1, QStringLiteral("последний"));
    Enter(f);
    ClueEditing& clues = f.main.clueEditing();
    // Cell 5000 in reading order, (50, 51), holds slots 9999 and 10000.
    f.editor.cursorX = 50;
    f.editor.cursorY = 51;
    f.editor.selectedHalf = 2;
    clues.SelectClue();
    QCOMPARE(f.editor.currentSlot, 10000);
    QCOMPARE(MemoText(f), QStringLiteral("последний\n"));

    f.MarkSaved();
    const DefinitionTable before = f.document.definitions;
    PageDown(f);
    QCOMPARE(QPoint(f.editor.cursorX, f.editor.cursorY), QPoint(51, 51));
    QCOMPARE(f.editor.currentSlot, 10001);
    QVERIFY(MemoText(f).isEmpty());
    Type(&f.main.memo(), QStringLiteral("лишний"));
    PageDown(f);
    QCOMPARE(f.editor.currentSlot, 10002);
    PageUp(f);
    QVERIFY(MemoText(f).isEmpty());
    QVERIFY(f.document.definitions == before);
    QVERIFY(!f.session.modified());
  }

  // The font dialog opens on the face the memo really shows; OK without a
  // change leaves the memo as it was.
  void fontDialogStartsOnTheMemoFont() {
    ProgramFixture f;
    QVERIFY(f.Start());
    Enter(f);
    const QFontInfo shown(f.main.memo().font());
    std::optional<QFont> offered;
    f.prompter.fontAnswers.push_back(std::nullopt);
    f.prompter.fontOffered = &offered;
    QTest::mouseClick(Button(f, "Button9"), Qt::LeftButton);
    QVERIFY(offered);
    QCOMPARE(QFontInfo(*offered).family(), shown.family());
    QCOMPARE(QFontInfo(*offered).italic(), shown.italic());
    QCOMPARE(QFontInfo(*offered).pixelSize(), shown.pixelSize());
    f.prompter.fontAnswers.push_back(*offered);
    QTest::mouseClick(Button(f, "Button9"), Qt::LeftButton);
    QCOMPARE(QFontInfo(f.main.memo().font()).family(), shown.family());
    QVERIFY(!QFontInfo(f.main.memo().font()).italic());
    QCOMPARE(QFontInfo(f.main.memo().font()).pixelSize(), shown.pixelSize());
  }

  // A step to a clue outside the view scrolls it in, moving the origin no
  // further than needed, and the label says which clue it is and where.
  void aClueOffTheViewIsScrolledIn() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 99, 99, {{2, 1, CellKind::Clue}, {60, 40, CellKind::ClueSplitHorizontal}, {5, 98, CellKind::Clue}});
    Enter(f);
    QCOMPARE(f.Child<QLabel>("PositionLabel")->text(), QStringLiteral("Определение 1 из 4, строка 1, столбец 2 — нет слова"));
    QVERIFY(f.Child<QLabel>("PositionLabel")->isVisible());
    PageDown(f);
    QCOMPARE(f.editor.viewOriginX, 60 - f.editor.visibleColumns + 1);
    QCOMPARE(f.editor.viewOriginY, 40 - f.editor.visibleRows + 1);
    QCOMPARE(f.Bar1().value(), f.editor.viewOriginX);
    QCOMPARE(HalfColour(f, 60, 40, 1), kYellow);
    QCOMPARE(f.Child<QLabel>("PositionLabel")->text(), QStringLiteral("Определение 2 из 4, строка 40, столбец 60 — нет слова"));
    PageDown(f);  // the second half: no scrolling
    QCOMPARE(f.editor.viewOriginX, 60 - f.editor.visibleColumns + 1);
    QCOMPARE(HalfColour(f, 60, 40, 2), kYellow);
    PageDown(f);
    QCOMPARE(f.editor.viewOriginX, 5);  // left only as far as column 5
    QCOMPARE(f.editor.viewOriginY, 98 - f.editor.visibleRows + 1);
    QCOMPARE(HalfColour(f, 5, 98, 1), kYellow);
    PageDown(f);  // wrapping round to the first clue
    QCOMPARE(f.editor.viewOriginX, 2);
    QCOMPARE(f.editor.viewOriginY, 1);
    QCOMPARE(HalfColour(f, 2, 1, 1), kYellow);
  }

  void fontCommand() {
    ProgramFixture f;
    QVERIFY(f.Start());
    Enter(f);
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPixelSize(25);
    f.prompter.fontAnswers.push_back(chosen);
    QTest::mouseClick(Button(f, "Button9"), Qt::LeftButton);
    QCOMPARE(f.main.memo().font().family(), chosen.family());
    QCOMPARE(f.main.memo().font().pixelSize(), 25);
    f.prompter.fontAnswers.push_back(std::nullopt);
    QTest::mouseClick(Button(f, "Button9"), Qt::LeftButton);
    QCOMPARE(f.main.memo().font().pixelSize(), 25);
    QVERIFY(f.prompter.fontAnswers.empty());
    QCOMPARE(f.main.focusWidget(), &f.main.memo());
  }

  // Esc ends the program from the memo too; the typed text is in the
  // document then, which counts as changed, so the user is asked first.
  void escapeInTheMemo() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 1, 1, {{1, 1, CellKind::Clue}});
    Enter(f);
    Type(&f.main.memo(), QStringLiteral("Текст"));
    f.prompter.questionAnswers.push_back(Prompter::Answer::No);
    QTest::keyClick(&f.main.memo(), Qt::Key_Escape);
    QCOMPARE(f.prompter.questions, std::vector<QString>{QStringLiteral("Сохранить изменения?")});
    QVERIFY(!f.main.isVisible());
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Текст"));
    QVERIFY(f.session.modified());
  }

  // Scrolling repaints the grid: the selected clue shows in yellow again
  // where it is visible, and the memo keeps what was typed.
  void scrollingKeepsTheTypedText() {
    ProgramFixture f;
    QVERIFY(f.Start());
    SetUpGrid(f, 20, 20, {{1, 1, CellKind::Clue}, {15, 1, CellKind::Clue}});
    Enter(f);
    Type(&f.main.memo(), QStringLiteral("набрано"));
    QTest::keyClick(&f.Bar1(), Qt::Key_Right);
    QCOMPARE(f.editor.viewOriginX, 2);
    QCOMPARE(f.ViewPixel(2, 37), qRgb(255, 255, 255));  // column 2; the clue is out of view
    QCOMPARE(MemoText(f), QStringLiteral("набрано"));
    QTest::keyClick(&f.Bar1(), Qt::Key_Home);
    QCOMPARE(HalfColour(f, 1, 1, 1), kYellow);
    QCOMPARE(MemoText(f), QStringLiteral("набрано"));
    PageDown(f);
    QCOMPARE(SlotLine(f, 1), QStringLiteral("набрано"));
  }
};

QTEST_MAIN(ClueEditingTest)
#include "clue_editing_test.moc"
