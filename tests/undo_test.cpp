// Undo and redo as the user meets them: a press with its drag is one step,
// a stored text another, the check's marks a third kind; the mark of unsaved
// changes follows the history.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "editing_support.h"
#include "session/document_history.h"
#include "files/scanword_file.h"

using namespace verstak;
using namespace verstak::editing;

namespace {

void Drag(ProgramFixture& f, QPoint from, QPoint to, int steps) {
  QWidget& view = f.main.gridView();
  QTest::mousePress(&view, Qt::LeftButton, {}, from);
  for (int i = 1; i <= steps; ++i) QTest::mouseMove(&view, from + (to - from) * i / steps);
  QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
}

void KeyChord(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
  QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(key), text, modifiers);
}

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void aDragIsOneStep() {
    ProgramFixture f;
    QVERIFY(f.Start({1280, 800}));
    NewGrid(f, 25, 5);
    const ScanwordDocument before = f.document;
    const QImage pictureBefore = f.main.gridView().canvas();
    ChooseTool(f, 19);
    Drag(f, CellMiddle(f, 1, 2), CellMiddle(f, 20, 2), 40);
    for (int x = 1; x <= 20; ++x) QCOMPARE(f.document.cells.at(x, 2).kind, CellKind::Clue);
    const ScanwordDocument after = f.document;
    const QImage pictureAfter = f.main.gridView().canvas();
    QCOMPARE(f.session.history().count(), 1);

    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(f.document == before);
    QCOMPARE(f.main.gridView().canvas(), pictureBefore);
    QCOMPARE(f.editor.currentTool, 19);
    QTest::keyClick(&f.Bar1(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(f.document == after);
    QCOMPARE(f.main.gridView().canvas(), pictureAfter);
    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(f.document == after);

    // A press that changes nothing adds no step.
    ClickCell(f, 3, 2);
    QCOMPARE(f.session.history().count(), 1);
  }

  // Ctrl with the key of Z is undo in either layout and never a tool, also
  // when the layout hands the letter itself as the typed text; the Cyrillic
  // letter of Y redoes the same way.
  void ctrlChordsAreNeverToolKeys() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 5, 5);
    ChooseTool(f, 1);
    ClickCell(f, 2, 2);
    ChooseTool(f, 19);
    KeyChord(&f.Bar1(), 0x042F, QStringLiteral("я"));  // Ctrl+Я
    QCOMPARE(f.document.cells.at(2, 2).kind, CellKind::Letter);
    QCOMPARE(f.editor.currentTool, 19);
    KeyChord(&f.Bar1(), 0x041D, QStringLiteral("н"));  // Ctrl+Н
    QCOMPARE(f.document.cells.at(2, 2).kind, CellKind::ArrowFromLeftRight);
    KeyChord(&f.Bar1(), Qt::Key_Z, QStringLiteral("z"));
    QCOMPARE(f.editor.currentTool, 19);
    QCOMPARE(f.document.cells.at(2, 2).kind, CellKind::Letter);
    KeyChord(&f.Bar1(), 0x042F, QStringLiteral("Я"), Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.document.cells.at(2, 2).kind, CellKind::ArrowFromLeftRight);
    QCOMPARE(f.editor.currentTool, 19);
  }

  // Saving marks the history clean: undo back to it clears the mark (no
  // question at the end), a redo past it sets it again.
  void theMarkFollowsTheHistory() {
    ProgramFixture f;
    QVERIFY(f.Start());
    QTemporaryDir folder;
    NewGrid(f, 5, 5);
    ChooseTool(f, 19);
    ClickCell(f, 1, 1);
    f.prompter.saveAnswers = {folder.filePath(QStringLiteral("a.skw"))};
    QTest::mouseClick(f.Child<QPushButton>("Button4"), Qt::LeftButton);
    QVERIFY(!f.session.modified());
    ClickCell(f, 2, 1);
    QVERIFY(f.session.modified());
    QVERIFY(f.main.windowTitle().endsWith(QLatin1Char('*')));
    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!f.session.modified());
    QVERIFY(!f.main.windowTitle().endsWith(QLatin1Char('*')));
    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier);  // before the save
    QVERIFY(f.session.modified());
    QTest::keyClick(&f.Bar1(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(!f.session.modified());
    f.main.close();
    QVERIFY(f.prompter.questions.empty());
  }

  // Stored texts are steps; undoing one reloads the memo when it shows that
  // slot. In the memo, Ctrl+Z first takes back the typing.
  void textStepsReloadTheMemo() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 3, 1);
    f.document.cells.at(1, 1).kind = CellKind::Clue;
    f.document.cells.at(3, 1).kind = CellKind::Clue;
    QTest::mouseClick(f.Child<QPushButton>("Button6"), Qt::LeftButton);
    QPlainTextEdit& memo = f.main.memo();
    Type(&memo, QStringLiteral("Река"));
    QTest::keyClick(&memo, Qt::Key_PageDown);
    Type(&memo, QStringLiteral("Гора"));
    QTest::keyClick(&memo, Qt::Key_PageUp);  // back on slot 1, "Гора" stored in 2
    QCOMPARE(MemoText(f), QStringLiteral("Река\n"));
    QCOMPARE(SlotLine(f, 2), QStringLiteral("Гора"));

    Type(&memo, QStringLiteral("!"));
    QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);  // the memo's own undo
    QCOMPARE(MemoText(f), QStringLiteral("Река\n"));
    QCOMPARE(SlotLine(f, 2), QStringLiteral("Гора"));
    QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);  // slot 2's text
    QVERIFY(f.document.definitions.slot(2).isEmpty());
    QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);  // slot 1's text: shown, so reloaded
    QVERIFY(f.document.definitions.slot(1).isEmpty());
    QCOMPARE(MemoText(f), QString());
    QTest::keyClick(&memo, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(MemoText(f), QStringLiteral("Река\n"));
  }

  // 10,000 random edits of every kind, all undone, give back the document
  // byte for byte as a scanword file; all redone, the final one.
  void tenThousandEditsThereAndBack() {
    ProgramFixture f;
    QVERIFY(f.Start({1280, 800}));
    NewGrid(f, 20, 15);
    DocumentHistory history(f.document, 20000);
    std::mt19937 random(11);
    const std::string start = ScanwordFileBytes(f.document);
    int edits = 0;
    while (edits < 10000) {
      const int what = std::uniform_int_distribution<int>(0, 9)(random);
      if (what < 8) {
        CellChanges changes;
        const int cells = std::uniform_int_distribution<int>(1, 6)(random);
        for (int i = 0; i < cells; ++i, ++edits) {
          const int x = std::uniform_int_distribution<int>(1, 20)(random);
          const int y = std::uniform_int_distribution<int>(1, 15)(random);
          GridCell& cell = f.document.cells.at(x, y);
          const GridCell old = cell;
          cell = {KindFromCode(static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 25)(random))),
                  static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 22)(random))};
          changes.record(x, y, old, cell);
        }
        history.pushCells(changes.take(), what == 7);
      } else {
        const int slot = std::uniform_int_distribution<int>(1, 300)(random);
        DefinitionText& text = f.document.definitions.slot(slot);
        const DefinitionText old = text;
        text.line(std::uniform_int_distribution<int>(1, 16)(random)).assign(std::to_string(random()));
        history.pushClueText(slot, old, text, {});
        ++edits;
      }
    }
    const std::string end = ScanwordFileBytes(f.document);
    while (history.canUndo()) history.undo();
    QVERIFY(ScanwordFileBytes(f.document) == start);
    while (history.canRedo()) history.redo();
    QVERIFY(ScanwordFileBytes(f.document) == end);
  }

  // The default history keeps its last 1000 steps, each a difference.
  void theHistoryIsBounded() {
    ProgramFixture f;
    QVERIFY(f.Start({1280, 800}));
    NewGrid(f, 99, 99);
    DocumentHistory& history = f.session.history();
    for (int i = 0; i < 1500; ++i) {
      CellChanges changes;
      for (int x = 1; x <= 99; ++x) {
        GridCell& cell = f.document.cells.at(x, i % 99 + 1);
        const GridCell old = cell;
        cell.kind = i % 2 ? CellKind::Picture : CellKind::Clue;
        changes.record(x, i % 99 + 1, old, cell);
      }
      history.pushCells(changes.take());
    }
    QCOMPARE(history.count(), DocumentHistory::kDefaultLimit);
    qInfo("1000 steps of 99 cells each: %zu bytes", history.bytes());
    QVERIFY(history.bytes() < 1000u * (99 * sizeof(CellChange) + 200));
    QVERIFY(f.session.modified());  // the saved state fell off the stack
  }

  // Every step made, and every replaced document, says so: the preview
  // renders again on it. A history going away with its steps says nothing,
  // since the window listening is then half destroyed.
  void changesAreAnnouncedButNotTheEnd() {
    ScanwordDocument document;
    document.gridWidth = document.gridHeight = 2;
    auto history = std::make_unique<DocumentHistory>(document);
    int changed = 0;
    int marks = 0;
    QObject::connect(history.get(), &DocumentHistory::changed, [&] { ++changed; });
    QObject::connect(history.get(), &DocumentHistory::markChanged, [&] { ++marks; });
    history->restart(false);  // an empty history cleared
    QCOMPARE(changed, 1);
    const GridCell before = document.cells.at(1, 1);
    document.cells.at(1, 1).kind = CellKind::Picture;
    CellChanges step;
    step.record(1, 1, before, document.cells.at(1, 1));
    history->pushCells(step.take());
    history->undo();
    history->redo();
    QCOMPARE(changed, 4);
    const int marksBefore = marks;
    history.reset();
    QCOMPARE(changed, 4);
    QCOMPARE(marks, marksBefore);
  }

  // In clue editing Ctrl+Z takes back the stored texts and the check's
  // marks, and stops at the layout's steps however often it is pressed: the
  // drag made before stays, and is taken back once in layout editing again.
  void clueEditingStopsAtADrag() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 6, 3);
    ChooseTool(f, 19);
    Drag(f, CellMiddle(f, 1, 1), CellMiddle(f, 3, 1), 6);
    const CellGrid dragged = f.document.cells;
    QCOMPARE(f.document.cells.at(3, 1).kind, CellKind::Clue);
    QTest::mouseClick(f.Child<QPushButton>("Button6"), Qt::LeftButton);  // the check's marks: a step
    QPlainTextEdit& memo = f.main.memo();
    Type(&memo, QStringLiteral("Река"));
    QTest::keyClick(&memo, Qt::Key_PageDown);  // a text step
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Река"));

    for (int press = 0; press < 6; ++press) QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(f.document.definitions.slot(1).isEmpty());
    QVERIFY(f.document.cells == dragged);
    QCOMPARE(f.editor.mode, EditorMode::ClueEditing);

    QTest::mouseClick(f.Child<QPushButton>("Button11"), Qt::LeftButton);
    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::Letter);
    QCOMPARE(f.document.cells.at(3, 1).kind, CellKind::Letter);
  }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
