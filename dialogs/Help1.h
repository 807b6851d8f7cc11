#pragma once
// The about window: what the program is for.

#include <QDialog>
#include <QStringList>

namespace verstak {

class TForm6 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm6(QWidget* parent = nullptr);

  // The text of the memo, line by line.
  static QStringList AboutText();
};

}  // namespace verstak
