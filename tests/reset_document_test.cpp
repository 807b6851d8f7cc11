#include <gtest/gtest.h>

#include <string>

#include "reset_document.h"

namespace verstak {
namespace {

void SetText(ScanwordDocument& doc, int slot, int line, const std::string& text) {
  doc.definitions.slot(slot).line(line).assign(text);
}

TEST(DocumentModel, ResetClearsAllCellsAndSlotsWhateverTheGridSize) {
  ScanwordDocument doc;
  EditorState editor;
  PrintSettings settings;
  doc.gridWidth = 3;
  doc.gridHeight = 2;
  doc.cells.at(99, 99) = {CellKind::Picture, 0};
  doc.cells.at(50, 1) = {CellKind::ArrowFromTopRight, 18};
  doc.letters.set(99, 98, 0xC0);
  SetText(doc, 10000, 16, "x");
  SetText(doc, 1, 1, "y");
  editor.mode = EditorMode::ClueEditing;
  editor.currentTool = ToolNone;
  editor.viewOriginX = 7;
  editor.selectedHalf = 2;
  editor.documentChanged = true;
  settings.cellWidth = 1;
  settings.blackText = "100";

  ResetDocument(doc, editor, settings);

  EXPECT_EQ(doc.gridWidth, 3);  // the size is the caller's to set
  EXPECT_EQ(doc.gridHeight, 2);
  for (int y = 1; y <= kMaxGridSide; ++y) {
    for (int x = 1; x <= kMaxGridSide; ++x) ASSERT_EQ(doc.cells.at(x, y), GridCell{}) << x << "," << y;
  }
  EXPECT_EQ(doc.letters, LetterGrid{});
  EXPECT_EQ(doc.definitions.lastSlotWithText(), 0);
  EXPECT_EQ(editor.mode, EditorMode::Idle);
  EXPECT_EQ(editor.currentTool, 23);
  EXPECT_EQ(editor.viewOriginX, 1);
  EXPECT_EQ(editor.selectedHalf, 2);  // not part of the reset
  EXPECT_FALSE(editor.documentChanged);
  EXPECT_EQ(settings, PrintSettings{});
  EXPECT_EQ(settings.cellWidth, 126360);
  EXPECT_EQ(settings.cyanText + settings.magentaText + settings.yellowText + settings.blackText, "0,0,0,20");
}

}  // namespace
}  // namespace verstak
