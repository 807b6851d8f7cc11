#pragma once
// A Prompter for tests: records every message and answers dialogs from queues,
// so no modal window ever opens.

#include <deque>
#include <vector>

#include "widgets/prompter.h"

namespace verstak {

class RecordingPrompter final : public Prompter {
 public:
  std::vector<UserMessage> messages;
  std::deque<QString> openAnswers;  // empty string = cancelled
  std::deque<QString> saveAnswers;
  std::deque<std::optional<QFont>> fontAnswers;
  std::deque<Answer> questionAnswers;
  std::vector<QString> questions;
  int fileDialogs = 0;
  // What each file dialog was run with, in order.
  struct FileDialogCall {
    bool save;
    QString filter;
    QString defaultSuffix;
    bool confirmOverwrite;
  };
  std::vector<FileDialogCall> fileDialogCalls;

  void showMessage(const UserMessage& message) override { messages.push_back(message); }
  QString openFileName(const QString& filter, const QString& suffix) override {
    fileDialogCalls.push_back({false, filter, suffix, false});
    return Take(openAnswers, QString());
  }
  QString saveFileName(const QString& filter, const QString& suffix, bool confirmOverwrite) override {
    fileDialogCalls.push_back({true, filter, suffix, confirmOverwrite});
    return Take(saveAnswers, QString());
  }
  std::optional<QFont>* fontOffered = nullptr;  // where the font the dialog opens on goes
  std::optional<QFont> chooseFont(const QFont& initial) override {
    if (fontOffered) *fontOffered = initial;
    return Take(fontAnswers, std::optional<QFont>());
  }
  Answer ask(const QString& question, bool = true) override {
    questions.push_back(question);
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
