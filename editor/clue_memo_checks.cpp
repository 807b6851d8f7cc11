#include "editor/clue_memo_checks.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "document/cp1251.h"
#include "document/definition_text.h"

namespace verstak {
namespace {

const QColor kOverflow{255, 150, 150};

bool InCodePage(QChar c) {
  return c == QChar::ParagraphSeparator || c == QLatin1Char('\n') || UnicodeToCp1251(c.unicode()).has_value();
}

}  // namespace

ClueMemoChecks::ClueMemoChecks(QPlainTextEdit& memo) : QObject(&memo), memo_(memo) {
  connect(memo.document(), &QTextDocument::contentsChange, this, &ClueMemoChecks::ContentsChanged);
}

void ClueMemoChecks::ContentsChanged(int position, int, int added) {
  if (removing_) return;
  QTextDocument& document = *memo_.document();
  QString refused;
  // Backwards, so that removing one character leaves the positions before it.
  for (int at = position + added - 1; at >= position; --at) {
    const QChar c = document.characterAt(at);
    if (InCodePage(c)) continue;
    removing_ = true;
    QTextCursor cursor(&document);
    cursor.setPosition(at);
    cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    removing_ = false;
    // A character outside the basic plane is a pair of halves: both go, in order.
    refused.prepend(c);
  }
  MarkOverflow();
  if (!refused.isEmpty()) emit charactersRefused(refused);
}

void ClueMemoChecks::MarkOverflow() {
  QList<QTextEdit::ExtraSelection> marks;
  for (QTextBlock block = memo_.document()->begin(); block.isValid(); block = block.next()) {
    const int length = block.length() - 1;  // without the block's end
    const int keep = block.blockNumber() < kDefinitionLines ? kDefinitionLineCapacity : 0;
    if (length <= keep) continue;
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(block);
    mark.cursor.setPosition(block.position() + keep);
    mark.cursor.setPosition(block.position() + length, QTextCursor::KeepAnchor);
    mark.format.setBackground(kOverflow);
    marks.push_back(mark);
  }
  memo_.setExtraSelections(marks);
}

}  // namespace verstak
