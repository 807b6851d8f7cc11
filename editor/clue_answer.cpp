#include "editor/clue_answer.h"

#include <QStringList>
#include <string_view>

#include "document/cp1251.h"
#include "document/slot_numbering.h"

namespace verstak {
namespace {

QString FromCp1251(std::string_view text) { return QString::fromStdString(Cp1251ToUtf8(text)); }

// A definition's lines with text, joined by blanks.
QString OneLine(const DefinitionText& text) {
  QStringList lines;
  for (int i = 1; i <= kDefinitionLines; ++i) {
    if (!text.line(i).empty()) lines << FromCp1251(text.line(i).text());
  }
  return lines.join(QLatin1Char(' '));
}

}  // namespace

QString ClueAnswer(const ScanwordDocument& document, const ClueLinks& links, int slot) {
  const std::optional<Word> word = links.wordOfSlot(slot);
  if (!word) return QStringLiteral("нет слова");
  std::string letters;
  bool known = false;
  for (int n = 0; n < word->length; ++n) {
    const std::uint8_t letter = document.letters.at(word->letterX(n), word->letterY(n));
    known = known || letter != kNoLetter;
    letters.push_back(letter == kNoLetter ? '?' : static_cast<char>(letter));
  }
  return QStringLiteral("ответ: ") + (known ? FromCp1251(letters) : QStringLiteral("?"));
}

QString ClueCellTip(const ScanwordDocument& document, int x, int y) {
  const std::optional<CellSlots> numbers = SlotNumbering(document, x, y);
  if (!numbers) return {};
  const ClueLinks links(document);
  QStringList lines;
  for (const int slot : {numbers->first, numbers->second}) {
    if (slot == 0) continue;
    QString text = OneLine(document.definitions.slotOrEmpty(slot));
    if (text.isEmpty()) text = QStringLiteral("(без текста)");
    lines << QStringLiteral("%1 — %2").arg(text, ClueAnswer(document, links, slot));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace verstak
