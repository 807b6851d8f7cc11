#pragma once
// The document being worked on, below every window: its undo history, the
// mark of changes not yet saved (the history's, never kept twice), what the
// document is called and where it is saved, and the titles made of that.
// The windows and crash recovery listen to it; it knows none of them.

#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "document/scanword_document.h"
#include "session/document_history.h"
#include "settings/print_settings.h"

namespace verstak {

// What the document is called and where it came from.
struct DocumentName {
  QString name;          // "имя.skw", "кроссворд 107", or empty
  QString scanwordFile;  // where Ctrl+S saves; empty until saved or opened as .skw
  int puzzleNumber = 0;  // of the grid file it was read from, while not saved as .skw

  // A document saved as, or opened from, the scanword file `path`.
  static DocumentName OfScanwordFile(const QString& path);
  // Puzzle `number` read from a grid file.
  static DocumentName OfPuzzle(int number);

  friend bool operator==(const DocumentName&, const DocumentName&) = default;
};

// A clue's text typed in the editor and not yet stored in its slot.
struct TypedClueText {
  int slot = 0;
  std::string text;  // cp1251, lines ending in "\n"

  friend bool operator==(const TypedClueText&, const TypedClueText&) = default;
};

class DocumentSession : public QObject {
  Q_OBJECT

 public:
  DocumentSession(ScanwordDocument& document, PrintSettings& settings, QObject* parent = nullptr);

  ScanwordDocument& document() { return document_; }
  const ScanwordDocument& document() const { return document_; }
  DocumentHistory& history() { return history_; }

  // Changes not yet saved.
  bool modified() const { return history_.edited(); }
  const DocumentName& name() const { return name_; }
  void setName(const DocumentName& name);

  // Typing the history does not hold yet, but a crash must not lose.
  const std::optional<TypedClueText>& typedClueText() const { return typed_; }
  void setTypedClueText(const std::optional<TypedClueText>& typed);
  // Changes not yet saved, or typing not yet stored.
  bool holdsUnsavedWork() const { return modified() || typed_.has_value(); }

  // "VERSTAK — имя.skw*": the program, the document's name, "*" while modified.
  QString windowTitle() const;
  // The print output's title and the answer key's caption, the same rules
  // as verstak-batch's.
  QString printTitle() const;
  QString answerCaption() const;

  // An empty document of the present size: no cells, clue texts or name,
  // the start print settings, no history.
  void startEmpty();
  // What startEmpty gives the print settings: the defaults, or those kept
  // between runs.
  void setStartSettings(const PrintSettings& settings) { startSettings_ = settings; }
  // A name for a save dialog to offer: the scanword file's without its
  // extension, else the puzzle's number; empty for neither.
  QString suggestedFileName() const;
  // The document now holds what was read (an open, recovered work): no
  // history. `editsRemain` when it still holds unsaved edits (only one of
  // its parts was read, or the work was never saved).
  void restart(bool editsRemain);
  // The document was written to the scanword file `path`, which becomes its own.
  void markSaved(const QString& path);

 signals:
  // The mark of unsaved changes came or went.
  void modifiedChanged(bool modified);
  // Another document: new, opened or recovered.
  void replaced();
  // Anything the document's output depends on: a step made, undone or
  // redone, a save, another document.
  void changed();
  // The name, file or puzzle number.
  void nameChanged();
  // The typing not yet stored came, changed or went.
  void typingChanged();

 private:
  ScanwordDocument& document_;
  PrintSettings& settings_;
  PrintSettings startSettings_;
  DocumentHistory history_;
  DocumentName name_;
  std::optional<TypedClueText> typed_;
};

}  // namespace verstak
