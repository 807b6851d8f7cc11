#pragma once
// The program level: the one document, editing state and print settings are
// created together, and reset together.

#include "document/scanword_document.h"
#include "editor/editor_state.h"
#include "settings/print_settings.h"

namespace verstak {

// Starts an empty document of the present size: clears cells and clue texts,
// puts the editor state and the print settings back to their defaults. The
// grid view's scroll ranges are the window's to reset right after.
void ResetDocument(ScanwordDocument& document, EditorState& editor, PrintSettings& settings);

}  // namespace verstak
