#pragma once
// The markup check's faults, one a line, in a small window beside the main
// one that never holds the keyboard: choosing a line selects its cell, Esc
// closes the list and hands the keyboard back.

#include <QWidget>
#include <vector>

#include "document/check_markup.h"
#include "editor/view_cells.h"

class QLabel;
class QListWidget;

namespace verstak {

class MarkupFaultList : public QWidget {
  Q_OBJECT

 public:
  explicit MarkupFaultList(QWidget* parent = nullptr);

  // Shows `faults` under `heading` (empty for none), the first one chosen.
  void ShowFaults(const std::vector<MarkupFault>& faults, const QString& heading);
  const std::vector<MarkupFault>& faults() const { return faults_; }
  QListWidget& list() { return *list_; }

 signals:
  void faultChosen(CellPosition cell);
  void closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ChooseRow(int row);
  QLabel* heading_ = nullptr;
  QListWidget* list_ = nullptr;
  std::vector<MarkupFault> faults_;
};

}  // namespace verstak
