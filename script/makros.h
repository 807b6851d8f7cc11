#pragma once
// The export dialog: CorelDRAW version, layout and outputs of the macro. Its
// controls come with the export work; the frame exists from start-up.

#include <QDialog>

namespace verstak {

class TForm5 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm5(QWidget* parent = nullptr);
};

}  // namespace verstak
