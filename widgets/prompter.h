#pragma once
// Every message box and standard dialog goes through this interface, so the
// windows can be driven by tests without a modal box ever blocking.

#include <QFont>
#include <QHash>
#include <QString>
#include <optional>

#include "document/user_message.h"

class QPrinter;
class QWidget;

namespace verstak {

class Prompter {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~Prompter() = default;

  // A modal box with an OK button, no owner window; caption and icon follow the kind.
  virtual void showMessage(const UserMessage& message) = 0;
  // File names are empty when the user cancels. `filter` is in Qt's notation.
  virtual QString openFileName(const QString& filter, const QString& defaultSuffix) = 0;
  // With several filters, `chosenFilter` (when given) receives the one the
  // user left selected, and the default suffix follows it. `suggestedName`,
  // without folder or extension, is the name the dialog offers.
  virtual QString saveFileName(const QString& filter, const QString& defaultSuffix, bool confirmOverwrite,
                               QString* chosenFilter, const QString& suggestedName) = 0;
  QString saveFileName(const QString& filter, const QString& defaultSuffix, bool confirmOverwrite,
                       QString* chosenFilter = nullptr) {
    return saveFileName(filter, defaultSuffix, confirmOverwrite, chosenFilter, QString());
  }
  // The print dialog: false when the user cancels; otherwise `printer` is set up as chosen.
  virtual bool choosePrinter(QPrinter& printer) = 0;
  virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
  // Да / Нет / `third` question, caption "VERSTAK". The third answer
  // (Отмена, or Позже where putting it off is the answer) is what Esc and the
  // close box give: it leaves everything as it is.
  virtual Answer ask(const QString& question, const QString& third) = 0;
  Answer ask(const QString& question) { return ask(question, QStringLiteral("Отмена")); }
};

// The real boxes and dialogs. Each file dialog (known by its filter)
// starts in the folder it was last left in while the program runs, a save
// dialog on the name last chosen.
class QtPrompter final : public Prompter {
 public:
  void showMessage(const UserMessage& message) override;
  QString openFileName(const QString& filter, const QString& defaultSuffix) override;
  using Prompter::saveFileName;
  QString saveFileName(const QString& filter, const QString& defaultSuffix, bool confirmOverwrite,
                       QString* chosenFilter, const QString& suggestedName) override;
  bool choosePrinter(QPrinter& printer) override;
  std::optional<QFont> chooseFont(const QFont& initial) override;
  using Prompter::ask;
  Answer ask(const QString& question, const QString& third) override;

 private:
  QHash<QString, QString> lastChosen_;  // filter -> the file last chosen with it
};

}  // namespace verstak
