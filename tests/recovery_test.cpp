// Crash recovery with the program running as a process of its own: killed
// after the recovery interval, a restart offers the work and gives it back
// byte for byte; a clean end leaves nothing; two at once keep apart.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

struct Probe {
  QProcess process;
  QString lastLine;

  void start(const QString& folder, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VERSTAK_RECOVERY_PROBE), QStringList{folder} + arguments);
  }
  // The next line the probe prints, within 20 s.
  QString line() {
    while (!process.canReadLine()) {
      if (!process.waitForReadyRead(20000)) return {};
    }
    return lastLine = QString::fromUtf8(process.readLine()).trimmed();
  }
  QString errors() { return QString::fromUtf8(process.readAllStandardError()); }
};

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Files(const QString& folder, const QString& pattern) {
  return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void killedWorkIsOfferedAndRestored() {
    QTemporaryDir folder;
    Probe edit;
    edit.start(folder.path(), {QStringLiteral("edit"), folder.filePath(QStringLiteral("expected.skw"))});
    QVERIFY2(edit.line().startsWith(QStringLiteral("written")), qPrintable(edit.lastLine + edit.errors()));
    edit.process.kill();  // SIGKILL: nothing runs on the way out
    QVERIFY(edit.process.waitForFinished());
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*.skw")).size(), 1);

    Probe restore;
    restore.start(folder.path(),
                  {QStringLiteral("restore"), folder.filePath(QStringLiteral("restored.skw")), QStringLiteral("yes")});
    QCOMPARE(restore.line(), QStringLiteral("restored VERSTAK — восстановленная работа*"));
    QVERIFY(restore.process.waitForFinished());
    const QString said = restore.errors();
    QVERIFY2(said.contains(QStringLiteral("question: Найдена несохранённая работа от ")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral(". Восстановить?")), qPrintable(said));
    QCOMPARE(Bytes(folder.filePath(QStringLiteral("restored.skw"))), Bytes(folder.filePath(QStringLiteral("expected.skw"))));
    // Taken back, then left without saving: nothing remains to offer.
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*")), QStringList());
  }

  void aCleanEndLeavesNoRecoveryFile() {
    QTemporaryDir folder;
    Probe edit;
    edit.start(folder.path(), {QStringLiteral("edit-quit"), folder.filePath(QStringLiteral("expected.skw"))});
    QVERIFY2(edit.line().startsWith(QStringLiteral("written")), qPrintable(edit.lastLine + edit.errors()));
    QVERIFY(edit.process.waitForFinished());
    QCOMPARE(edit.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*")), QStringList());
  }

  // A second VERSTAK neither takes nor removes the first one's file; "Нет"
  // removes left-over work, a damaged file is reported and kept aside.
  void twoAtOnceKeepApart() {
    QTemporaryDir folder;
    Probe first;
    Probe second;
    first.start(folder.path(), {QStringLiteral("edit"), folder.filePath(QStringLiteral("one.skw"))});
    QVERIFY2(first.line().startsWith(QStringLiteral("written")), qPrintable(first.lastLine + first.errors()));
    second.start(folder.path(), {QStringLiteral("edit"), folder.filePath(QStringLiteral("two.skw"))});
    QVERIFY2(second.line().startsWith(QStringLiteral("written")), qPrintable(second.lastLine + second.errors()));
    QVERIFY(!second.errors().contains(QStringLiteral("question:")));  // the first one's work is not left over
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*.skw")).size(), 2);
    const QString firstFile = first.lastLine.section(QLatin1Char(' '), 1);
    QCOMPARE(Bytes(firstFile), Bytes(folder.filePath(QStringLiteral("one.skw"))));
    first.process.kill();
    second.process.kill();
    QVERIFY(first.process.waitForFinished() && second.process.waitForFinished());

    QFile damaged(firstFile);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a scanword file");
    damaged.close();
    Probe restore;
    restore.start(folder.path(),
                  {QStringLiteral("restore"), folder.filePath(QStringLiteral("restored.skw")), QStringLiteral("yes")});
    QVERIFY(restore.line().startsWith(QStringLiteral("restored")));
    QVERIFY(restore.process.waitForFinished());
    const QString said = restore.errors();
    QCOMPARE(said.count(QStringLiteral("question: Найдена несохранённая работа")), 2);
    QVERIFY2(said.contains(QStringLiteral("message:  Это не файл сканворда! ")), qPrintable(said));
    QCOMPARE(Files(folder.path(), QStringLiteral("повреждён-*.skw")).size(), 1);
    QCOMPARE(Bytes(folder.filePath(QStringLiteral("restored.skw"))), Bytes(folder.filePath(QStringLiteral("two.skw"))));

    Probe refuse;
    first.start(folder.path(), {QStringLiteral("edit"), folder.filePath(QStringLiteral("one.skw"))});
    QVERIFY(first.line().startsWith(QStringLiteral("written")));
    first.process.kill();
    QVERIFY(first.process.waitForFinished());
    refuse.start(folder.path(),
                 {QStringLiteral("restore"), folder.filePath(QStringLiteral("refused.skw")), QStringLiteral("no")});
    QVERIFY(refuse.line().startsWith(QStringLiteral("restored")));
    QVERIFY(refuse.process.waitForFinished());
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*")), QStringList());
    QCOMPARE(Files(folder.path(), QStringLiteral("повреждён-*.skw")).size(), 1);
  }
};

QTEST_GUILESS_MAIN(RecoveryTest)
#include "recovery_test.moc"
