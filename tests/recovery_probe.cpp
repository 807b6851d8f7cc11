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
//   recovery_probe FOLDER edit-saved OUT OWN
//                                        a change saved as OWN, then another as
//                                        in edit
//   recovery_probe FOLDER type OUT       a clue text typed in the editor and not
//                                        stored, "written" once the recovery
//                                        file holds it; then runs until killed
//   restore's ANSWER save: yes, then Ctrl+S before OUT is written
// restore and type print "memo SLOT TEXT" too: the slot being edited (0 out
// of clue editing) and the memo's text, its line ends as "|".
// Messages shown go to stderr, a second line after " — ", its line ends as "|". VERSTAK_PROBE_SESSION_ID in the environment
// names the run's recovery file, as a process id named it once.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <iostream>

#include "editor/grid_view.h"
#include "files/scanword_file.h"
#include "program_recovery.h"
#include "program_windows.h"
#include "recovery/recovery_file.h"
#include "widgets/prompter.h"

using namespace verstak;

namespace {

class ScriptedPrompter final : public Prompter {
 public:
  Answer answer = Answer::No;
  void showMessage(const UserMessage& message) override {
    std::string details = message.details;
    std::ranges::replace(details, '\n', '|');
    std::cerr << "message: " << message.text << (details.empty() ? "" : " — " + details) << std::endl;
  }
  QString openFileName(const QString&, const QString&) override { return {}; }
  QString saveAs;
  QString saveFileName(const QString&, const QString&, bool, QString*, const QString&) override {
    std::cerr << "asked for a name" << std::endl;
    return saveAs;
  }
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

void PrintMemo(const MainWindow& main, EditorState& editor) {
  const int slot = editor.mode == EditorMode::ClueEditing ? editor.currentSlot : 0;
  QString text = const_cast<MainWindow&>(main).memo().toPlainText();
  text.replace(QLatin1Char('\n'), QLatin1Char('|'));
  std::cout << "memo " << slot << ' ' << text.toStdString() << std::endl;
}

// Waits until the recovery file holds `done`, then says "written" and goes on.
template <class Done>
void OnceWritten(MainWindow& main, ProgramRecovery& recovery, Done done, std::function<void()> then) {
  auto* poll = new QTimer(&main);
  QObject::connect(poll, &QTimer::timeout, &main, [&recovery, poll, done, then] {
    if (!done(ReadBytes(recovery.store().path()))) return;
    poll->stop();
    std::cout << "written " << recovery.store().path().toStdString() << std::endl;
    then();
  });
  poll->start(50);
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
  const QString answer = args.size() > 4 ? args[4] : QString();
  if (mode == QStringLiteral("restore") && (answer == QStringLiteral("yes") || answer == QStringLiteral("save"))) {
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
      if (answer == QStringLiteral("save")) QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
      WriteBytes(out, ScanwordFileBytes(document));
      std::cout << "restored " << main.windowTitle().toStdString() << std::endl;
      PrintMemo(main, editor);
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
    if (mode == QStringLiteral("type")) {
      document.cells.at(2, 2).kind = CellKind::Clue;
      document.definitions.slot(1).line(1).assign("\xD1\xF2\xE0\xF0\xEE\xE5");  // "Старое"
      WriteBytes(out, ScanwordFileBytes(document));
      QTest::mouseClick(main.commandButtons().editor, Qt::LeftButton);
      QPlainTextEdit& memo = main.memo();
      memo.moveCursor(QTextCursor::End);
      for (const QChar c : QStringLiteral("Новое")) {
        QTest::sendKeyEvent(QTest::Click, &memo, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
      OnceWritten(
          main, recovery,
          [](const std::string& bytes) { return ReadRecoveryBytes(bytes).notes.typedSlot == 1; },
          [&] { PrintMemo(main, editor); });
      return;
    }
    QTest::mouseClick(&main.gridView(), Qt::LeftButton, {}, QPoint(60, 60));  // the picture tool on (2, 2)
    if (mode == QStringLiteral("edit-saved")) {
      prompter.saveAs = args.value(4);
      QTest::keyClick(&main.gridView(), Qt::Key_S, Qt::ControlModifier);
      QTest::mouseClick(&main.gridView(), Qt::LeftButton, {}, QPoint(100, 100));  // and on (3, 3)
    }
    const std::string expected = ScanwordFileBytes(document);
    WriteBytes(out, expected);
    OnceWritten(
        main, recovery,
        [expected](const std::string& bytes) { return bytes.ends_with(expected); },
        [&] {
          if (mode == QStringLiteral("edit-quit")) main.close();
        });
  });
  main.show();
  return QApplication::exec();
}
