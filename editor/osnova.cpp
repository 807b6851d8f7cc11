#include "editor/osnova.h"

#include <QPalette>
#include <QPushButton>

namespace verstak {

MainWindow::MainWindow(ScanwordDocument& document, EditorState& editor, PrintSettings& settings, Prompter& prompter,
                       QWidget* parent)
    : QWidget(parent), document_(document), editor_(editor), settings_(settings), prompter_(prompter) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("VERSTAK"));
  setMinimumSize(800, 570);
  QPalette navy = palette();
  navy.setColor(QPalette::Window, QColor(0, 0, 128));
  setPalette(navy);
  setAutoFillBackground(true);

  auto* exit = new QPushButton(QStringLiteral("Выход"), this);
  exit->setObjectName(QStringLiteral("Button5"));
  exit->setGeometry(136, 494, 113, 25);
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace verstak
