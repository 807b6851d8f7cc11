// The program started as main() starts it, with crash recovery on, driven by
// the recovery tests from outside:
//   recovery_probe FOLDER edit OUT       a change, its document written to OUT,
//                                        "written" once the recovery file holds
//                                        it; then runs until killed
//   recovery_probe FOLDER edit-quit OUT  the same, then ends as the user would
//   recovery_probe FOLDER restore OUT ANSWER
//                                        ANSWER (yes/no) to the recovery question,
//                                        the document then written to OUT; ends
//   recovery_probe FOLDER idle OUT       "started" once up, with nothing unsaved;
//                                        then runs until killed
// Messages shown go to stderr. VERSTAK_PROBE_SESSION_ID in the environment
// names the run's recovery file, as a process id named it once.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>
#include <iostream>

#include "editor/grid_view.h"
#include "files/scanword_file.h"
#include "program_recovery.h"
#include "program_windows.h"
#include "widgets/prompter.h"

using namespace verstak;

namespace {

class ScriptedPrompter final : public Prompter {
 public:
  Answer answer = Answer::No;
  void showMessage(const UserMessage& message) override { std::cerr << "message: " << message.text << std::endl; }
  QString openFileName(const QString&, const QString&) override { return {}; }
  QString saveFileName(const QString&, const QString&, bool, QString*) override { return {}; }
  bool choosePrinter(QPrinter&) override { return false; }
  std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
  using Prompter::ask;
  Answer ask(const QString& question, const QString&) override {
    std::cerr << "question: " << question.toStdString() << std::endl;
    return answer;
  }
};

bool WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

std::string ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VERSTAK"));
  const QStringList args = QApplication::arguments();
  if (args.size() < 4) return 2;
  const QString folder = args[1];
  const QString mode = args[2];
  const QString out = args[3];

  ScanwordDocument document;
  EditorState editor;
  PrintSettings settings;
  ScriptedPrompter prompter;
  if (mode == QStringLiteral("restore") && args.size() > 4 && args[4] == QStringLiteral("yes")) {
    prompter.answer = Prompter::Answer::Yes;
  }
  DocumentSession session(document, settings);
  ProgramWindows windows(session, editor, settings, prompter, StartupSplash::Skip);
  const RecoveryOptions options{.folder = folder,
                                .interval = std::chrono::milliseconds(300),
                                .sessionId = qEnvironmentVariable("VERSTAK_PROBE_SESSION_ID"),
                                .clock = nullptr};
  ProgramRecovery recovery(session, windows.main, prompter, options);
  MainWindow& main = windows.main;

  QObject::connect(&main, &MainWindow::startedUp, &main, [&] {
    if (mode == QStringLiteral("restore")) {
      WriteBytes(out, ScanwordFileBytes(document));
      std::cout << "restored " << main.windowTitle().toStdString() << std::endl;
      prompter.answer = Prompter::Answer::No;  // the close question: leave without saving
      main.close();
      return;
    }
    if (mode == QStringLiteral("idle")) {
      std::cout << "started " << recovery.store().path().toStdString() << std::endl;
      return;
    }
    document.gridWidth = 6;
    document.gridHeight = 4;
    main.ResetDocument();
    main.gridView().RepaintGrid();
    QTest::mouseClick(&main.gridView(), Qt::LeftButton, {}, QPoint(60, 60));  // the picture tool on (2, 2)
    const std::string expected = ScanwordFileBytes(document);
    WriteBytes(out, expected);
    auto* poll = new QTimer(&main);
    QObject::connect(poll, &QTimer::timeout, &main, [&, poll, expected] {
      if (ReadBytes(recovery.store().path()) != expected) return;
      poll->stop();
      std::cout << "written " << recovery.store().path().toStdString() << std::endl;
      if (mode == QStringLiteral("edit-quit")) main.close();
    });
    poll->start(50);
  });
  main.show();
  return QApplication::exec();
}
