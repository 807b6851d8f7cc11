// The document session: an empty document, the unsaved mark read off the
// history, and the titles made of the document's name.

#include <gtest/gtest.h>

#include <string>

#include "editor/editor_state.h"
#include "session/document_session.h"

namespace verstak {
namespace {

void SetText(ScanwordDocument& doc, int slot, int line, const std::string& text) {
  doc.definitions.slot(slot).line(line).assign(text);
}

// One cell changed through the history, as a tool click does.
void PaintCell(DocumentSession& session, int x, int y, CellKind kind) {
  GridCell& cell = session.document().cells.at(x, y);
  const GridCell before = cell;
  cell.kind = kind;
  CellChanges changes;
  changes.record(x, y, before, cell);
  session.history().pushCells(changes.take());
}

struct Announced {
  int modified = 0;
  int replaced = 0;
  int changed = 0;
  int named = 0;
  bool lastMark = false;

  explicit Announced(DocumentSession& session) {
    QObject::connect(&session, &DocumentSession::modifiedChanged, [this](bool mark) {
      ++modified;
      lastMark = mark;
    });
    QObject::connect(&session, &DocumentSession::replaced, [this] { ++replaced; });
    QObject::connect(&session, &DocumentSession::changed, [this] { ++changed; });
    QObject::connect(&session, &DocumentSession::nameChanged, [this] { ++named; });
  }
};

TEST(DocumentSession, StartEmptyClearsAllCellsSlotsSettingsAndTheName) {
  ScanwordDocument doc;
  PrintSettings settings;
  DocumentSession session(doc, settings);
  doc.gridWidth = 3;
  doc.gridHeight = 2;
  doc.cells.at(99, 99) = {CellKind::Picture, 0};
  doc.cells.at(50, 1) = {CellKind::ArrowFromTopRight, 18};
  doc.letters.set(99, 98, 0xC0);
  SetText(doc, 10000, 16, "x");
  SetText(doc, 1, 1, "y");
  settings.cellWidth = 1;
  settings.blackText = "100";
  session.setName(DocumentName::OfPuzzle(7));
  PaintCell(session, 1, 1, CellKind::Clue);
  ASSERT_TRUE(session.modified());

  session.startEmpty();

  EXPECT_EQ(doc.gridWidth, 3);  // the size is the caller's to set
  EXPECT_EQ(doc.gridHeight, 2);
  for (int y = 1; y <= kMaxGridSide; ++y) {
    for (int x = 1; x <= kMaxGridSide; ++x) ASSERT_EQ(doc.cells.at(x, y), GridCell{}) << x << "," << y;
  }
  EXPECT_EQ(doc.letters, LetterGrid{});
  EXPECT_EQ(doc.definitions.lastSlotWithText(), 0);
  EXPECT_FALSE(session.modified());
  EXPECT_FALSE(session.history().canUndo());
  EXPECT_EQ(session.name(), DocumentName{});
  EXPECT_EQ(settings, PrintSettings{});
  EXPECT_EQ(settings.cellWidth, 126360);
  EXPECT_EQ(settings.cyanText + settings.magentaText + settings.yellowText + settings.blackText, "0,0,0,20");
}

TEST(EditorStateReset, PutsTheEditingStateBackButNotItsRemembrances) {
  EditorState editor;
  editor.mode = EditorMode::ClueEditing;
  editor.currentTool = ToolNone;
  editor.viewOriginX = 7;
  editor.selectedHalf = 2;
  editor.Reset();
  EXPECT_EQ(editor.mode, EditorMode::Idle);
  EXPECT_EQ(editor.currentTool, 23);
  EXPECT_EQ(editor.viewOriginX, 1);
  EXPECT_EQ(editor.selectedHalf, 2);  // not part of the reset
}

// The mark is the history's: a step sets it, undoing back to the save
// clears it, each change announced once.
TEST(DocumentSession, TheMarkIsReadOffTheHistory) {
  ScanwordDocument doc;
  doc.gridWidth = doc.gridHeight = 3;
  PrintSettings settings;
  DocumentSession session(doc, settings);
  Announced said(session);

  PaintCell(session, 1, 1, CellKind::Clue);
  EXPECT_TRUE(session.modified());
  EXPECT_EQ(said.modified, 1);
  EXPECT_TRUE(said.lastMark);
  PaintCell(session, 2, 1, CellKind::Clue);
  EXPECT_EQ(said.modified, 1);  // still modified: not said again

  session.markSaved(QStringLiteral("/tmp/folder/Мой.skw"));
  EXPECT_FALSE(session.modified());
  EXPECT_EQ(said.modified, 2);
  EXPECT_EQ(session.name(), (DocumentName{QStringLiteral("Мой.skw"), QStringLiteral("/tmp/folder/Мой.skw"), 0}));
  EXPECT_EQ(said.named, 1);
  EXPECT_EQ(said.replaced, 0);  // a save keeps the document

  session.history().undo();
  EXPECT_TRUE(session.modified());
  session.history().redo();
  EXPECT_FALSE(session.modified());
  EXPECT_EQ(said.modified, 4);

  session.restart(true);  // work read back that was never saved
  EXPECT_TRUE(session.modified());
  EXPECT_FALSE(session.history().canUndo());
  EXPECT_EQ(said.replaced, 1);
  // Two steps, a save, an undo, a redo and the restart.
  EXPECT_EQ(said.changed, 6);
}

struct TitleCase {
  DocumentName name;
  bool modified;
  const char* window;
  const char* print;
  const char* caption;  // the answer key's
};

TEST(DocumentSession, TitlesFollowTheName) {
  const TitleCase cases[] = {
      {{}, false, "VERSTAK", "Сканворд", "Ответы к сканворду"},
      {{}, true, "VERSTAK*", "Сканворд", "Ответы к сканворду"},
      {DocumentName::OfPuzzle(107), false, "VERSTAK — кроссворд 107", "Сканворд 107", "Ответы к сканворду № 107"},
      {DocumentName::OfPuzzle(3), true, "VERSTAK — кроссворд 3*", "Сканворд 3", "Ответы к сканворду № 3"},
      {DocumentName::OfScanwordFile(QStringLiteral("/home/u/Тур 2.skw")), true, "VERSTAK — Тур 2.skw*", "Тур 2.skw",
       "Ответы к сканворду Тур 2"},
      {{QStringLiteral("восстановленная работа"), {}, 0}, true, "VERSTAK — восстановленная работа*", "Сканворд",
       "Ответы к сканворду"},
  };
  for (const TitleCase& c : cases) {
    ScanwordDocument doc;
    PrintSettings settings;
    DocumentSession session(doc, settings);
    session.setName(c.name);
    session.restart(c.modified);
    EXPECT_EQ(session.windowTitle().toStdString(), c.window);
    EXPECT_EQ(session.printTitle().toStdString(), c.print);
    EXPECT_EQ(session.answerCaption().toStdString(), c.caption);
  }
}

}  // namespace
}  // namespace verstak
