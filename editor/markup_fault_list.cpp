#include "editor/markup_fault_list.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace verstak {

MarkupFaultList::MarkupFaultList(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("markupFaults"));
  setWindowTitle(QStringLiteral("Ошибки разметки"));
  auto* layout = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  heading_->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("markupFaultLines"));
  layout->addWidget(heading_);
  layout->addWidget(list_);
  resize(480, 300);
  connect(list_, &QListWidget::currentRowChanged, this, &MarkupFaultList::ChooseRow);
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { ChooseRow(list_->row(item)); });
  connect(list_, &QListWidget::itemClicked, list_, &QListWidget::itemActivated);
}

void MarkupFaultList::ShowFaults(const std::vector<MarkupFault>& faults, const QString& heading) {
  faults_ = faults;
  heading_->setText(heading);
  heading_->setVisible(!heading.isEmpty());
  {
    // The first row current but not chosen: opening the list must not move
    // the cursor off the clue being edited; a key, a click or Enter chooses.
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const MarkupFault& fault : faults_) list_->addItem(QString::fromStdString(fault.text));
    if (!faults_.empty()) list_->setCurrentRow(0);
  }
  show();
  raise();
  activateWindow();
  list_->setFocus();
}

void MarkupFaultList::ChooseRow(int row) {
  if (row < 0 || row >= static_cast<int>(faults_.size())) return;
  const MarkupFault& fault = faults_[static_cast<std::size_t>(row)];
  emit faultChosen({fault.x, fault.y});
}

void MarkupFaultList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MarkupFaultList::closeEvent(QCloseEvent* event) {
  const bool shown = isVisible();
  QWidget::closeEvent(event);
  if (shown) emit closed();
}

}  // namespace verstak
