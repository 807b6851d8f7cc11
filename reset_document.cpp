#include "reset_document.h"

namespace verstak {

void ResetDocument(ScanwordDocument& document, EditorState& editor, PrintSettings& settings) {
  ClearCells(document);
  ClearDefinitions(document);
  editor.Reset();
  settings = PrintSettings{};
}

}  // namespace verstak
