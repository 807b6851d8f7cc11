// The words in the windows: the answer in the clue editor's line and the
// grid view's tooltip, the markup check's fault list, and "Разметить".

// Before any Qt header: the summary has a field Qt's "slots" keyword would hide.
#include "document/markup_summary.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>
#include <fstream>
#include <QtTest>
#include <algorithm>
#include <tuple>

#include "document/auto_markup.h"
#include "document/check_markup.h"
#include "editing_support.h"
#include "editor/clue_answer.h"
#include "editor/markup_fault_list.h"
#include "editor/view_cells.h"
#include "widgets/screen_colours.h"
#include "files/open_files.h"
#include "markup_generator.h"

using namespace verstak;
using namespace verstak::editing;

namespace {

QString Position(ProgramFixture& f) { return f.Child<QLabel>("PositionLabel")->text(); }

// A generated puzzle whose only best markup is known, its clue texts the
// answers themselves in the slot order of that markup, opened from its files.
struct OpenedPuzzle {
  QTemporaryDir folder;
  int words = 0;

  std::filesystem::path write(const char* name, const std::string& bytes) const {
    const std::filesystem::path path = std::filesystem::path(folder.path().toStdString()) / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
};

bool OpenGenerated(ProgramFixture& f, OpenedPuzzle& puzzle, std::uint32_t seed) {
  for (;; ++seed) {
    const std::optional<verstak::testing::GeneratedGrid> grid = verstak::testing::GridWithIntendedMarkup(seed, 9, 8, 30);
    if (!grid) continue;
    const ScanwordDocument plain = verstak::testing::DocumentOf(*grid);
    const std::vector<Word> words = FindWords(plain);
    const auto intended = verstak::testing::CheapestMarkup(plain, words);
    if (!intended || words.size() < 6) continue;
    const OpenFileNames names{
        puzzle.write("grid.txt", verstak::testing::GridFileText(*grid, 4)),
        puzzle.write("clues.txt", verstak::testing::DefinitionsFileText(verstak::testing::SlotTexts(plain, words, *intended), 4)),
        {}};
    ScanwordDocument read;
    if (!OpenFiles(read, names, 4, OpenMode::WholeOrNothing).messages.empty()) return false;
    f.document = read;
    f.session.restart(false);
    puzzle.words = static_cast<int>(words.size());
    return true;
  }
}

QString MemoAnswer(ProgramFixture& f) { return f.main.memo().toPlainText().trimmed(); }

struct ExpectedFault {
  int x;
  int y;
  MarkupFaultKind kind;
  friend bool operator<(const ExpectedFault& a, const ExpectedFault& b) {
    return std::tie(a.y, a.x, a.kind) < std::tie(b.y, b.x, b.kind);
  }
  friend bool operator==(const ExpectedFault&, const ExpectedFault&) = default;
};

}  // namespace

class MarkupWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // "Разметить" on a puzzle just read from its grid file, then every clue
  // stepped through: the line names as the answer the very letters the clue
  // text was written for.
  void theLineNamesEachClueTextsAnswer() {
    ProgramFixture f;
    QVERIFY(f.Start());
    OpenedPuzzle puzzle;
    QVERIFY(OpenGenerated(f, puzzle, 1));
    QTest::mouseClick(Button(f, "MarkupButton"), Qt::LeftButton);
    QTest::mouseClick(Button(f, "Button6"), Qt::LeftButton);
    for (int slot = 1; slot <= puzzle.words; ++slot) {
      const QString line = Position(f);
      QVERIFY2(line.startsWith(QStringLiteral("Определение %1 из %2,").arg(slot).arg(puzzle.words)), qPrintable(line));
      QCOMPARE(line.section(QStringLiteral(" — "), 1), QStringLiteral("ответ: ") + MemoAnswer(f));
      QTest::keyClick(&f.main.memo(), Qt::Key_PageDown);
    }
  }

  // Without the grid file's letters the answer is unknown, letter by letter;
  // a clue without an arrow leads to no word.
  void unknownLettersAndNoWord() {
    struct Row {
      const char* name;
      std::vector<std::pair<int, std::uint8_t>> letters;  // column in row 1, cp1251 letter
      const char* answer;
    };
    const Row rows[] = {
        {"no letters", {}, "ответ: ?"},
        {"some letters", {{2, 0xCF}, {4, 0xD0}}, "ответ: П?Р"},
        {"all letters", {{2, 0xCF}, {3, 0xC0}, {4, 0xD0}}, "ответ: ПАР"},
    };
    for (const Row& row : rows) {
      ProgramFixture f;
      QVERIFY(f.Start());
      NewGrid(f, 5, 2);
      f.document.cells.at(1, 1).kind = CellKind::Clue;
      f.document.cells.at(2, 1).kind = CellKind::ArrowFromLeftRight;
      f.document.cells.at(5, 1).kind = CellKind::Clue;  // its arrow is missing
      for (int x = 1; x <= 5; ++x) f.document.cells.at(x, 2).kind = CellKind::Picture;
      for (const auto& [x, letter] : row.letters) f.document.letters.set(x, 1, letter);
      QTest::mouseClick(Button(f, "Button6"), Qt::LeftButton);
      QCOMPARE(Position(f), QStringLiteral("Определение 1 из 2, строка 1, столбец 1 — ") + QString::fromUtf8(row.answer));
      QTest::keyClick(&f.main.memo(), Qt::Key_PageDown);
      QCOMPARE(Position(f), QStringLiteral("Определение 2 из 2, строка 1, столбец 5 — нет слова"));
    }
  }

  // The tooltip over a clue cell: each of its clue texts with its answer.
  void theTooltipNamesTheCellsClues() {
    ProgramFixture f;
    QVERIFY(f.Start());
    OpenedPuzzle puzzle;
    QVERIFY(OpenGenerated(f, puzzle, 7));
    QTest::mouseClick(Button(f, "MarkupButton"), Qt::LeftButton);
    int tested = 0;
    const ClueLinks links(f.document);
    for (const LinkedClueCell& cell : links.clueCells()) {
      const QString tip = ClueCellTip(f.document, cell.x, cell.y);
      const QStringList lines = tip.split(QLatin1Char('\n'));
      QCOMPARE(lines.size(), cell.slotCount);
      for (const QString& line : lines) {
        const QString text = line.section(QStringLiteral(" — "), 0, 0);
        QCOMPARE(line, text + QStringLiteral(" — ответ: ") + text);
        ++tested;
      }
    }
    QCOMPARE(tested, puzzle.words);
    // And through the view, as the pointer rests over the first clue cell.
    const LinkedClueCell& first = links.clueCells().front();
    const CellBox box = CellBoxOf(f.editor, {first.x, first.y});
    const QPoint at(box.left + box.width / 2, box.top + box.height / 2);
    QHelpEvent help(QEvent::ToolTip, at, f.main.gridView().mapToGlobal(at));
    QApplication::sendEvent(&f.main.gridView(), &help);
    QTRY_COMPARE(QToolTip::text(), ClueCellTip(f.document, first.x, first.y));
    QVERIFY(ClueCellTip(f.document, links.words().front().x, links.words().front().y).isEmpty());
  }

  // Every kind of fault at the cell it lies in; choosing one marks and
  // reveals that cell; Esc closes the list and the marks go.
  void checkListsEachFaultAtItsCell() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 40, 40);
    for (int y = 1; y <= 40; ++y) {
      for (int x = 1; x <= 40; ++x) f.document.cells.at(x, y).kind = CellKind::Picture;
    }
    const auto put = [&](int x, int y, CellKind kind) { f.document.cells.at(x, y).kind = kind; };
    put(1, 1, CellKind::Clue);  // clues the across word at (2, 1)
    put(2, 1, CellKind::ArrowFromLeftRight);
    put(3, 1, CellKind::Letter);
    put(4, 1, CellKind::Letter);
    put(4, 2, CellKind::Letter);  // a down word (4, 1) without a clue
    put(5, 1, CellKind::Clue);    // a slot for no word
    put(1, 3, CellKind::ArrowFromLeftRight);  // its clue would lie outside the grid
    put(2, 3, CellKind::Letter);
    put(1, 4, CellKind::Clue);
    put(2, 4, CellKind::ArrowFromLeftRight);  // no across word starts here
    put(2, 5, CellKind::Clue);
    put(1, 6, CellKind::Clue);
    put(2, 6, CellKind::ArrowFromLeftRight);
    f.document.cells.at(2, 6).overlay = Code(CellKind::ArrowFromTopRight);  // a second clue, from above
    put(3, 6, CellKind::Letter);
    put(30, 35, CellKind::Clue);  // far off the view
    QTest::mouseClick(Button(f, "Button6"), Qt::LeftButton);
    const std::size_t messages = f.prompter.messages.size();
    QTest::mouseClick(Button(f, "Button10"), Qt::LeftButton);
    QCOMPARE(f.prompter.messages.size(), messages + 1);  // the count's message, as before

    MarkupFaultList& list = f.main.markupFaults();
    QVERIFY(list.isVisible());
    QCOMPARE(list.objectName(), QStringLiteral("markupFaults"));
    using K = MarkupFaultKind;
    std::vector<ExpectedFault> expected = {
        {4, 1, K::WordWithoutClue},  {5, 1, K::SlotsDifferFromWords},   {1, 3, K::ArrowNotFromClue},
        {1, 3, K::WordWithoutClue},  {2, 3, K::WordWithoutClue},        {1, 4, K::SlotsDifferFromWords},
        {2, 4, K::ArrowStartsNoWord}, {2, 6, K::WordWithTwoClues},      {30, 35, K::SlotsDifferFromWords},
    };
    std::vector<ExpectedFault> listed;
    QCOMPARE(list.list().count(), static_cast<int>(list.faults().size()));
    for (std::size_t row = 0; row < list.faults().size(); ++row) {
      const MarkupFault& fault = list.faults()[row];
      listed.push_back({fault.x, fault.y, fault.kind});
      QVERIFY(list.list().item(static_cast<int>(row))->text().startsWith(
          QStringLiteral("строка %1, столбец %2: ").arg(fault.y).arg(fault.x)));
    }
    std::sort(expected.begin(), expected.end());
    std::sort(listed.begin(), listed.end());
    QCOMPARE(listed, expected);
    QCOMPARE(f.main.gridView().faultMarks().size(), expected.size());

    const auto rowAt = [&](int x, int y) {
      for (std::size_t row = 0; row < list.faults().size(); ++row) {
        if (list.faults()[row].x == x && list.faults()[row].y == y) return static_cast<int>(row);
      }
      return -1;
    };
    list.list().setCurrentRow(rowAt(30, 35));
    QCOMPARE(f.main.gridView().chosenFault(), std::optional(CellPosition{30, 35}));
    QVERIFY(CellOnScreen(f.editor, {30, 35}));
    QCOMPARE(f.editor.cursorX, 30);  // the clue cell's clue is the selected one
    QCOMPARE(f.editor.cursorY, 35);
    list.list().setCurrentRow(rowAt(2, 6));
    QCOMPARE(f.main.gridView().chosenFault(), std::optional(CellPosition{2, 6}));
    QVERIFY(CellOnScreen(f.editor, {2, 6}));

    // The chosen fault's frame: the four pixels inside each edge of its cell
    // red, the fifth not; another fault's frame two pixels wide.
    list.list().setCurrentRow(rowAt(4, 1));
    const QImage view = f.main.gridView().grab().toImage();
    for (const auto& [cell, width] : {std::pair{CellPosition{4, 1}, 4}, {CellPosition{2, 3}, 2}}) {
      const CellBox box = CellBoxOf(f.editor, cell);
      const int midX = box.left + box.width / 2, midY = box.top + box.height / 2;
      const int right = box.left + box.width - 1, bottom = box.top + box.height - 1;
      for (int i = 0; i <= width; ++i) {
        const bool band = i < width;
        QCOMPARE(QColor(view.pixel(box.left + i, midY)) == ScreenColour::Red, band);
        QCOMPARE(QColor(view.pixel(right - i, midY)) == ScreenColour::Red, band);
        QCOMPARE(QColor(view.pixel(midX, box.top + i)) == ScreenColour::Red, band);
        QCOMPARE(QColor(view.pixel(midX, bottom - i)) == ScreenColour::Red, band);
      }
    }

    QTest::keyClick(&list.list(), Qt::Key_Escape);
    QVERIFY(!list.isVisible());
    QVERIFY(f.main.gridView().faultMarks().empty());
    QVERIFY(f.main.isVisible());  // Esc closed only the list
  }

  // "Разметить", by the button and by Ctrl+R in either layout: one step to
  // undo, the check's result through the prompter.
  void markupIsOneStepToUndo_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("button") << 0;
    QTest::newRow("Ctrl+R") << 1;
    QTest::newRow("Ctrl+К") << 2;
  }
  void markupIsOneStepToUndo() {
    QFETCH(int, how);
    ProgramFixture f;
    QVERIFY(f.Start());
    OpenedPuzzle puzzle;
    QVERIFY(OpenGenerated(f, puzzle, 3));
    const CellGrid unmarked = f.document.cells;
    if (how == 0) QTest::mouseClick(Button(f, "MarkupButton"), Qt::LeftButton);
    if (how == 1) QTest::keyClick(&f.Bar1(), Qt::Key_R, Qt::ControlModifier);
    // keyClick refuses a key beyond Latin-1.
    if (how == 2)
      QTest::sendKeyEvent(QTest::Click, &f.Bar1(), static_cast<Qt::Key>(0x041A), QStringLiteral("к"),
                          Qt::ControlModifier);
    QVERIFY(!f.prompter.messages.empty());
    QCOMPARE(QString::fromStdString(f.prompter.messages.back().text),
             QStringLiteral("Разметка без ошибок: слов %1, определений %1.").arg(puzzle.words));
    QVERIFY(CheckMarkup(f.document).empty());
    QVERIFY(!f.main.markupFaults().isVisible());
    const CellGrid marked = f.document.cells;
    QVERIFY(!(marked == unmarked));
    f.main.UndoCommand();
    QVERIFY(f.document.cells == unmarked);
    f.main.RedoCommand();
    QVERIFY(f.document.cells == marked);
    QVERIFY(!Button(f, "MarkupButton")->toolTip().isEmpty());
  }
};

QTEST_MAIN(MarkupWindowsTest)
#include "markup_windows_test.moc"
