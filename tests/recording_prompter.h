#pragma once
// A Prompter for tests: records every message and answers dialogs from queues,
// so no modal window ever opens.

#include <QPrinter>
#include <deque>
#include <vector>

#include "widgets/prompter.h"

namespace verstak {

class RecordingPrompter final : public Prompter {
 public:
  std::vector<UserMessage> messages;
  std::deque<QString> openAnswers;  // empty string = cancelled
  std::deque<QString> saveAnswers;
  // The filter a save dialog is left on, as Qt names it; empty or none
  // queued: the first of the dialog's filters.
  std::deque<QString> saveFilterAnswers;
  // A print dialog's OK prints into this PDF file; an empty name cancels.
  std::deque<QString> printerAnswers;
  QPageSize printerPaper{QPageSize::A4};
  int printerResolution = 300;
  std::deque<std::optional<QFont>> fontAnswers;
  std::deque<Answer> questionAnswers;
  std::vector<QString> questions;
  std::vector<QString> thirdAnswers;  // the third button of each question
  int fileDialogs = 0;
  // What each file dialog was run with, in order.
  struct FileDialogCall {
    bool save;
    QString filter;
    QString defaultSuffix;
    bool confirmOverwrite;
    QString suggestedName;
  };
  std::vector<FileDialogCall> fileDialogCalls;

  void showMessage(const UserMessage& message) override { messages.push_back(message); }
  QString openFileName(const QString& filter, const QString& suffix) override {
    fileDialogCalls.push_back({false, filter, suffix, false, {}});
    return Take(openAnswers, QString());
  }
  using Prompter::saveFileName;
  QString saveFileName(const QString& filter, const QString& suffix, bool confirmOverwrite,
                       QString* chosenFilter, const QString& suggestedName) override {
    fileDialogCalls.push_back({true, filter, suffix, confirmOverwrite, suggestedName});
    const QString chosen = saveFilterAnswers.empty() ? QString() : saveFilterAnswers.front();
    if (!saveFilterAnswers.empty()) saveFilterAnswers.pop_front();
    if (chosenFilter) *chosenFilter = chosen.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0) : chosen;
    return Take(saveAnswers, QString());
  }
  int printDialogs = 0;
  bool choosePrinter(QPrinter& printer) override {
    ++printDialogs;
    const QString file = printerAnswers.empty() ? QString() : printerAnswers.front();
    if (!printerAnswers.empty()) printerAnswers.pop_front();
    if (file.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(printerPaper);
    printer.setResolution(printerResolution);
    return true;
  }
  std::optional<QFont>* fontOffered = nullptr;  // where the font the dialog opens on goes
  std::optional<QFont> chooseFont(const QFont& initial) override {
    if (fontOffered) *fontOffered = initial;
    return Take(fontAnswers, std::optional<QFont>());
  }
  using Prompter::ask;
  Answer ask(const QString& question, const QString& third) override {
    questions.push_back(question);
    thirdAnswers.push_back(third);
    return Take(questionAnswers, Answer::Cancel);
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const UserMessage& m : messages) out.push_back(m.text);
    return out;
  }

 private:
  template <class T>
  T Take(std::deque<T>& queue, T fallback) {
    ++fileDialogs;
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

}  // namespace verstak
