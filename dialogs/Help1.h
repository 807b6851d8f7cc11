#pragma once
// The about window: what the program is for.

#include <QDialog>
#include <QFont>

class QPlainTextEdit;
#include <QStringList>

namespace verstak {

// Unit Help1, form TForm6 (Form6).
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  // The text of the memo, line by line.
  static QStringList AboutText();

 private:
  // The memo's font: bold, of the design's size where the widest line fits.
  static QFont AboutFont(const QPlainTextEdit& memo);
};

}  // namespace verstak
