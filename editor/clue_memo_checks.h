#pragma once
// What typing into the clue memo may hold: only characters code page 1251
// has, so nothing turns into "?" when stored; and since a stored clue keeps
// 16 lines of 32 characters, what lies beyond is marked while typing.

#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace verstak {

class ClueMemoChecks : public QObject {
  Q_OBJECT

 public:
  explicit ClueMemoChecks(QPlainTextEdit& memo);

  // Marks the characters after a line's 32nd and the lines after the 16th.
  void MarkOverflow();

 signals:
  // Characters typed or pasted that the code page lacks; they were taken out.
  void charactersRefused(const QString& characters);

 private:
  void ContentsChanged(int position, int removed, int added);

  QPlainTextEdit& memo_;
  bool removing_ = false;
};

}  // namespace verstak
