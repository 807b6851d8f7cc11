#include "editor/unstored_typing.h"

#include <QPlainTextEdit>

#include "document/cp1251.h"
#include "editor/clue_navigation.h"
#include "session/document_session.h"

namespace verstak {

// Loading a clue's text clears the memo's modified flag: only typing sets it.
UnstoredTyping::UnstoredTyping(QPlainTextEdit& memo, const EditorState& editor, DocumentSession& session,
                               QObject* parent)
    : QObject(parent), memo_(memo), editor_(editor), session_(session) {
  connect(&memo, &QPlainTextEdit::textChanged, this, &UnstoredTyping::Update);
  connect(&memo, &QPlainTextEdit::modificationChanged, this, &UnstoredTyping::Update);
}

void UnstoredTyping::Update() {
  const bool typing = editor_.mode == EditorMode::ClueEditing && memo_.document()->isModified() &&
                      ClueSelected(session_.document(), editor_);
  if (!typing) {
    session_.setTypedClueText(std::nullopt);
    return;
  }
  session_.setTypedClueText(TypedClueText{editor_.currentSlot, Utf8ToCp1251(memo_.toPlainText().toStdString())});
}

}  // namespace verstak
