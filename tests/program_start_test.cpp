// `verstak FILE.skw`: the command line read, and the file opened once the
// window is up, after the recovery question, with Открыть's questions and
// messages; a file that cannot be opened leaves the empty window.

#include <QDir>
#include <QProcess>
#include <tuple>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <filesystem>

#include "files/open_messages.h"
#include "files/scanword_file.h"
#include "program_fixture.h"
#include "program_recovery.h"
#include "program_start.h"

using namespace verstak;

namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

ScanwordDocument Grid(int width, int height) {
  ScanwordDocument document;
  document.gridWidth = static_cast<std::uint8_t>(width);
  document.gridHeight = static_cast<std::uint8_t>(height);
  document.cells.at(2, 1).kind = CellKind::Picture;
  return document;
}

QStringList Temporaries(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral(".~verstak-*")}, QDir::Files | QDir::Hidden, QDir::Name);
}

// verstak-batch killed at the rename of its save, as a kill between the
// link and the rename kills it: the full temporary file it leaves, under a
// name of the writer's own making.
QStringList SaveArguments(const QString& target) {
  return {QStringLiteral("save"), QStringLiteral("--grid"), QStringLiteral(VERSTAK_EXAMPLES_DIR "/setki.txt"),
          QStringLiteral("--definitions"), QStringLiteral(VERSTAK_EXAMPLES_DIR "/opredeleniya.txt"),
          QStringLiteral("--number"), QStringLiteral("1"), QStringLiteral("-o"), target};
}

QString KilledSave(const QString& folder) {
  const QStringList before = Temporaries(folder);
  QProcess save;
  save.start(QStringLiteral("strace"), QStringList{QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                                   QStringLiteral("-e"),
                                                   QStringLiteral("inject=rename,renameat,renameat2:signal=SIGKILL"),
                                                   QStringLiteral(VERSTAK_BATCH_EXECUTABLE)} +
                                           SaveArguments(folder + QStringLiteral("/killed.skw")));
  if (!save.waitForFinished(30000)) return {};
  QStringList left = Temporaries(folder);
  for (const QString& name : before) left.removeAll(name);
  return left.size() == 1 ? QDir(folder).filePath(left.front()) : QString();
}

// The program started as main() starts it: recovery first, then the file.
struct Started {
  QTemporaryDir recoveryFolder;
  ProgramFixture f;
  ProgramRecovery recovery{f.session, f.main, f.prompter,
                           {.folder = recoveryFolder.path(), .interval = Autosave::kInterval,
                            .sessionId = QStringLiteral("now"), .clock = nullptr}};

  bool Start(const QString& file = {}) {
    if (!file.isEmpty()) OpenWhenStarted(f.main, file);
    return f.Start();
  }
};

}  // namespace

class ProgramStartTest : public QObject {
  Q_OBJECT

 private slots:
  void theCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("error");
    QTest::newRow("none") << QStringList{} << QString() << false << QString();
    QTest::newRow("a file") << QStringList{"сканворд 7.skw"} << "сканворд 7.skw" << false << QString();
    QTest::newRow("help") << QStringList{"--help"} << QString() << true << QString();
    QTest::newRow("-h") << QStringList{"-h"} << QString() << true << QString();
    QTest::newRow("a dash alone is a name") << QStringList{"-"} << "-" << false << QString();
    QTest::newRow("-- before a dashed name") << QStringList{"--", "-h"} << "-h" << false << QString();
    QTest::newRow("unknown option") << QStringList{"-x", "a.skw"} << QString() << false
                                    << QStringLiteral("Неизвестный параметр «-x».");
    QTest::newRow("two files") << QStringList{"a.skw", "b.skw"} << "a.skw" << false
                               << QStringLiteral("Можно назвать только один файл сканворда; лишнее: «b.skw».");
  }
  void theCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(bool, help);
    QFETCH(QString, error);
    const StartArguments start = ReadStartArguments(arguments);
    QCOMPARE(start.file, file);
    QCOMPARE(start.help, help);
    QCOMPARE(start.error, error);
  }

  // The program itself: help on stdout and status 0; a wrong command line
  // said on stderr with the usage, status 2, and no window.
  void theProgramSaysWhatItWasGiven() {
    const auto started = [](const QStringList& arguments) {
      QProcess program;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
      program.setProcessEnvironment(environment);
      program.start(QStringLiteral(VERSTAK_EXECUTABLE), arguments);
      program.waitForFinished(20000);
      return std::tuple{program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
                        QString::fromLocal8Bit(program.readAllStandardError())};
    };
    const QString usage = QString::fromUtf8(kStartUsage);
    const auto [helped, helpOut, helpErr] = started({QStringLiteral("--help")});
    QCOMPARE(helped, 0);
    QCOMPARE(helpOut, usage);
    QVERIFY2(!helpErr.contains(QStringLiteral("verstak:")), qPrintable(helpErr));
    const auto [refused, refusedOut, refusedErr] = started({QStringLiteral("-x")});
    QCOMPARE(refused, 2);
    QCOMPARE(refusedOut, QString());
    QVERIFY2(refusedErr.endsWith(QStringLiteral("verstak: Неизвестный параметр «-x».\n") + usage), qPrintable(refusedErr));
  }

  // Left-over work taken back first; the file then asks about it, as
  // Открыть does, and replaces it once Нет says so. No "Выполнено!".
  void theRecoveryQuestionComesFirst() {
    Started s;
    QVERIFY(!WriteScanwordFile(Native(s.recoveryFolder.filePath(QStringLiteral("work-1.skw"))), Grid(3, 2)));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("сканворд.skw"));
    QVERIFY(!WriteScanwordFile(Native(file), Grid(9, 7)));
    s.f.prompter.questionAnswers = {Prompter::Answer::Yes, Prompter::Answer::No};
    QVERIFY(s.Start(file));
    QTRY_COMPARE(s.f.prompter.questions.size(), std::size_t{2});
    QVERIFY(s.f.prompter.questions[0].startsWith(QStringLiteral("Найдена несохранённая работа")));
    QCOMPARE(s.f.prompter.questions[1], QStringLiteral("Сохранить изменения?"));
    QCOMPARE(int(s.f.document.gridWidth), 9);
    QCOMPARE(s.f.document.cells.at(2, 1).kind, CellKind::Picture);
    QCOMPARE(s.f.session.name().scanwordFile, file);
    QCOMPARE(s.f.main.windowTitle(), QStringLiteral("VERSTAK — сканворд.skw"));
    QCOMPARE(s.f.prompter.messages.size(), std::size_t{0});
  }

  // A name relative to the folder the program started in is saved there.
  void aRelativeNameIsKeptWhole() {
    QTemporaryDir folder;
    QVERIFY(!WriteScanwordFile(Native(folder.filePath(QStringLiteral("a.skw"))), Grid(4, 4)));
    const QString was = QDir::currentPath();
    QDir::setCurrent(folder.path());
    Started s;
    const bool started = s.Start(QStringLiteral("a.skw"));
    QDir::setCurrent(was);
    QVERIFY(started);
    QTRY_COMPARE(int(s.f.document.gridWidth), 4);
    QCOMPARE(s.f.session.name().scanwordFile, QDir(folder.path()).absoluteFilePath(QStringLiteral("a.skw")));
  }

  // The recovery folder is swept at the start, before any work is saved
  // there: a temporary a minute old goes, a younger one may be a write under
  // way and stays.
  void killedWritesAreSweptFromTheRecoveryFolder() {
    if (QProcess::execute(QStringLiteral("strace"), {QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                                     QStringLiteral("true")}) != 0) {
      QSKIP("strace cannot trace here");
    }
    Started s;
    const QString old = KilledSave(s.recoveryFolder.path());
    const QString young = KilledSave(s.recoveryFolder.path());
    QVERIFY(!old.isEmpty() && !young.isEmpty());
    // The whole file, as a save that is not killed writes it.
    QTemporaryDir elsewhere;
    const QString whole = elsewhere.filePath(QStringLiteral("whole.skw"));
    QCOMPARE(QProcess::execute(QStringLiteral(VERSTAK_BATCH_EXECUTABLE), SaveArguments(whole)), 0);
    QCOMPARE(Bytes(old), Bytes(whole));
    std::filesystem::last_write_time(QFile::encodeName(old).toStdString(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
    QVERIFY(s.Start());
    QTRY_VERIFY(!QFile::exists(old));
    QVERIFY(QFile::exists(young));
    QVERIFY(!QFile::exists(s.recoveryFolder.filePath(QStringLiteral("killed.skw"))));
  }

  // Not a scanword, not there: Открыть's message, and the empty window.
  void aFileThatCannotBeOpenedLeavesTheEmptyWindow_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("not a scanword") << QByteArray("1 2 3\r\nне сканворд\r\n") << QStringLiteral(" Это не файл сканворда! ");
    QTest::newRow("missing") << QByteArray() << QString::fromUtf8(kNoScanwordFileMessage.data(), kNoScanwordFileMessage.size());
  }
  void aFileThatCannotBeOpenedLeavesTheEmptyWindow() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("плохой.skw"));
    if (!bytes.isEmpty()) QVERIFY(WriteBytes(file, bytes));
    Started s;
    QVERIFY(s.Start(file));
    QTRY_VERIFY(!s.f.prompter.messages.empty());
    QCOMPARE(QString::fromStdString(s.f.prompter.messages.front().text), message);
    QCOMPARE(s.f.prompter.messages.size(), std::size_t{1});
    QCOMPARE(s.f.session.name().scanwordFile, QString());
    QVERIFY(!s.f.session.modified());
    QCOMPARE(s.f.main.windowTitle(), QStringLiteral("VERSTAK"));
    QVERIFY(s.f.prompter.questions.empty());
  }
};

QTEST_MAIN(ProgramStartTest)
#include "program_start_test.moc"
