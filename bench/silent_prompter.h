#pragma once
// The prompter of the benchmarks' windows: nothing in these runs asks the
// user anything.

#include "widgets/prompter.h"

namespace verstak::bench {

class SilentPrompter final : public Prompter {
 public:
  void showMessage(const UserMessage&) override {}
  QString openFileName(const QString&, const QString&) override { return {}; }
  using Prompter::saveFileName;
  QString saveFileName(const QString&, const QString&, bool, QString*, const QString&) override { return {}; }
  bool choosePrinter(QPrinter&) override { return false; }
  std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
  using Prompter::ask;
  Answer ask(const QString&, const QString&) override { return Answer::Cancel; }
};

}  // namespace verstak::bench
