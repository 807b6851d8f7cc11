#pragma once
// What is typed in the clue memo stays out of the history until a step
// stores it; the session still hears of it, so that a crash does not lose it.

#include <QObject>

#include "document/scanword_document.h"
#include "editor/editor_state.h"

class QPlainTextEdit;

namespace verstak {

class DocumentSession;

class UnstoredTyping : public QObject {
  Q_OBJECT

 public:
  UnstoredTyping(QPlainTextEdit& memo, const EditorState& editor, DocumentSession& session, QObject* parent = nullptr);

  // The memo's text as the session's typing not yet stored, while a clue is
  // selected in clue editing and the memo differs from what it loaded.
  void Update();

 private:
  QPlainTextEdit& memo_;
  const EditorState& editor_;
  DocumentSession& session_;
};

}  // namespace verstak
