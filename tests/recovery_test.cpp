// Crash recovery with the program running as a process of its own: killed
// after the recovery interval, a restart offers the work and gives it back
// byte for byte; a clean end leaves nothing; two at once keep apart.

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

struct Probe {
  QProcess process;
  QString lastLine;
  QString said;  // its standard error so far

  // `sessionId`, when given, names the probe's recovery file.
  void start(const QString& folder, const QStringList& arguments, const QString& sessionId = {}) {
    startWrapped(QStringLiteral(VERSTAK_RECOVERY_PROBE), QStringList{folder} + arguments, sessionId);
  }
  // The probe started by another program (a tracer, a namespace), named in `arguments`.
  void startWrapped(const QString& program, const QStringList& arguments, const QString& sessionId = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The leak checker of a sanitized build cannot run under a tracer.
    if (program == QStringLiteral("strace")) {
      environment.insert(QStringLiteral("ASAN_OPTIONS"),
                         environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    }
    if (!sessionId.isEmpty()) environment.insert(QStringLiteral("VERSTAK_PROBE_SESSION_ID"), sessionId);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
  }
  // The next line the probe prints, within 20 s.
  QString line() {
    while (!process.canReadLine()) {
      if (!process.waitForReadyRead(20000)) return {};
    }
    return lastLine = QString::fromUtf8(process.readLine()).trimmed();
  }
  QString errors() { return said += QString::fromUtf8(process.readAllStandardError()); }
  // True once its standard error holds `text`, within `milliseconds`.
  bool waitForErrors(const QString& text, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!errors().contains(text)) {
      if (deadline.hasExpired()) return false;
      QTest::qWait(50);
    }
    return true;
  }
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

  // Work on a document with a file of its own comes back under its name,
  // and Ctrl+S saves it there without asking for a name.
  void aSavedDocumentComesBackUnderItsNameAndSavesToItsFile() {
    QTemporaryDir folder;
    const QString own = folder.filePath(QStringLiteral("своё.skw"));
    Probe edit;
    edit.start(folder.path(), {QStringLiteral("edit-saved"), folder.filePath(QStringLiteral("expected.skw")), own});
    QVERIFY2(edit.line().startsWith(QStringLiteral("written")), qPrintable(edit.lastLine + edit.errors()));
    edit.process.kill();
    QVERIFY(edit.process.waitForFinished());
    QVERIFY(Bytes(own) != Bytes(folder.filePath(QStringLiteral("expected.skw"))));  // saved before the last change

    Probe restore;
    restore.start(folder.path(),
                  {QStringLiteral("restore"), folder.filePath(QStringLiteral("restored.skw")), QStringLiteral("save")});
    QCOMPARE(restore.line(), QStringLiteral("restored VERSTAK — своё.skw"));
    QVERIFY(restore.process.waitForFinished());
    const QString said = restore.errors();
    QVERIFY2(said.contains(QStringLiteral("question: Найдена несохранённая работа над «своё.skw» от ")), qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("asked for a name")), qPrintable(said));
    QCOMPARE(Bytes(own), Bytes(folder.filePath(QStringLiteral("expected.skw"))));
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*")), QStringList());
  }

  // A clue text typed and not yet stored comes back in the clue editor, still
  // not stored.
  void typingNotYetStoredComesBack() {
    QTemporaryDir folder;
    Probe edit;
    edit.start(folder.path(), {QStringLiteral("type"), folder.filePath(QStringLiteral("expected.skw"))});
    QVERIFY2(edit.line().startsWith(QStringLiteral("written")), qPrintable(edit.lastLine + edit.errors()));
    QCOMPARE(edit.line(), QStringLiteral("memo 1 Старое|Новое"));
    edit.process.kill();
    QVERIFY(edit.process.waitForFinished());

    Probe restore;
    restore.start(folder.path(),
                  {QStringLiteral("restore"), folder.filePath(QStringLiteral("restored.skw")), QStringLiteral("yes")});
    QCOMPARE(restore.line(), QStringLiteral("restored VERSTAK — восстановленная работа*"));
    QCOMPARE(restore.line(), QStringLiteral("memo 1 Старое|Новое"));
    QVERIFY(restore.process.waitForFinished());
    QCOMPARE(Bytes(folder.filePath(QStringLiteral("restored.skw"))), Bytes(folder.filePath(QStringLiteral("expected.skw"))));
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
    QVERIFY(Bytes(firstFile).endsWith(Bytes(folder.filePath(QStringLiteral("one.skw")))));
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
    // The message names the file the damaged copy is kept as.
    const QStringList kept = Files(folder.path(), QStringLiteral("повреждён-*.skw"));
    QCOMPARE(kept.size(), 1);
    QVERIFY2(said.contains(QStringLiteral("message:  Это не файл сканворда!  — Копия сохранена как «%1».")
                               .arg(folder.filePath(kept.front()))),
             qPrintable(said));
    QCOMPARE(Bytes(folder.filePath(kept.front())), QByteArray("not a scanword file"));
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

  // A run that gets a crashed one's id, as a process id comes back after a
  // reboot, still finds that one's work left over and offers it back.
  void aCrashedRunsIdComingBackStillOffersItsWork() {
    QTemporaryDir folder;
    const QString id = QStringLiteral("0123456789abcdef");
    Probe edit;
    edit.start(folder.path(), {QStringLiteral("edit"), folder.filePath(QStringLiteral("expected.skw"))}, id);
    QVERIFY2(edit.line().startsWith(QStringLiteral("written")), qPrintable(edit.lastLine + edit.errors()));
    edit.process.kill();
    QVERIFY(edit.process.waitForFinished());
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*.skw")), QStringList{QStringLiteral("work-%1.skw").arg(id)});

    Probe restore;
    restore.start(folder.path(),
                  {QStringLiteral("restore"), folder.filePath(QStringLiteral("restored.skw")), QStringLiteral("yes")}, id);
    QCOMPARE(restore.line(), QStringLiteral("restored VERSTAK — восстановленная работа*"));
    QVERIFY(restore.process.waitForFinished());
    QVERIFY(restore.errors().contains(QStringLiteral("question: Найдена несохранённая работа от ")));
    QCOMPARE(Bytes(folder.filePath(QStringLiteral("restored.skw"))), Bytes(folder.filePath(QStringLiteral("expected.skw"))));
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*")), QStringList());
  }

  // A window killed with nothing unsaved leaves only its lock: the next
  // start sweeps it away, but not the lock of a VERSTAK still running.
  void aKilledWindowsLockIsSwept() {
    QTemporaryDir folder;
    Probe running;
    Probe killed;
    running.start(folder.path(), {QStringLiteral("idle"), QString()});
    QVERIFY2(running.line().startsWith(QStringLiteral("started")), qPrintable(running.lastLine + running.errors()));
    const QString runningLock = QFileInfo(running.lastLine.section(QLatin1Char(' '), 1)).completeBaseName() +
                                QStringLiteral(".lock");
    killed.start(folder.path(), {QStringLiteral("idle"), QString()});
    QVERIFY2(killed.line().startsWith(QStringLiteral("started")), qPrintable(killed.lastLine + killed.errors()));
    killed.process.kill();
    QVERIFY(killed.process.waitForFinished());
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*.lock")).size(), 2);
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*.skw")), QStringList());

    Probe next;
    next.start(folder.path(), {QStringLiteral("restore"), folder.filePath(QStringLiteral("next.skw")), QStringLiteral("no")});
    QVERIFY(next.line().startsWith(QStringLiteral("restored")));
    QVERIFY(next.process.waitForFinished());
    QCOMPARE(Files(folder.path(), QStringLiteral("work-*")), QStringList{runningLock});
    running.process.kill();
    QVERIFY(running.process.waitForFinished());
  }

  // A recovery folder that is full or read-only (a file system of its own,
  // mounted in a namespace of the probe's): said once, not at each interval.
  void aFullOrReadOnlyFolderIsSaidOnce_data() {
    QTest::addColumn<QString>("mountOptions");
    QTest::addColumn<bool>("fill");
    QTest::addColumn<QString>("cause");
    QTest::newRow("full") << QStringLiteral("size=16k") << true << QStringLiteral("нет места на диске");
    QTest::newRow("read-only") << QStringLiteral("ro") << false << QStringLiteral("диск только для чтения");
  }
  void aFullOrReadOnlyFolderIsSaidOnce() {
    QFETCH(QString, mountOptions);
    QFETCH(bool, fill);
    QFETCH(QString, cause);
    const QStringList privately{QStringLiteral("--user"), QStringLiteral("--map-root-user"), QStringLiteral("--mount")};
    if (QProcess::execute(QStringLiteral("unshare"), privately + QStringList{QStringLiteral("true")}) != 0) {
      QSKIP("no user and mount namespaces here to mount a small file system in");
    }
    QTemporaryDir folder;
    const QString mounted = folder.filePath(QStringLiteral("recovery"));
    QVERIFY(QDir().mkpath(mounted));
    const QString script = QStringLiteral("mount -t tmpfs -o %1 tmpfs \"$1\" || exit 3; %2 exec \"$2\" \"$1\" edit \"$3\"")
                               .arg(mountOptions, fill ? QStringLiteral("head -c 65536 /dev/zero > \"$1/fill\" 2>/dev/null;")
                                                       : QString());
    Probe edit;
    edit.startWrapped(QStringLiteral("unshare"),
                      privately + QStringList{QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"),
                                              mounted, QStringLiteral(VERSTAK_RECOVERY_PROBE),
                                              folder.filePath(QStringLiteral("expected.skw"))});
    const QString said = QStringLiteral("message: Не удаётся сохранять копию для восстановления: ") + cause;
    QVERIFY2(edit.waitForErrors(said, 20000), qPrintable(edit.said));
    QTest::qWait(1500);  // five intervals more
    edit.waitForErrors(QString(), 0);
    QCOMPARE(edit.said.count(QStringLiteral("message: ")), 1);
    edit.process.kill();
    QVERIFY(edit.process.waitForFinished());
  }

  // A damaged file that cannot be set aside (the rename refused, injected by
  // strace) is said so, and stays to be offered again.
  void aFailedSetAsideIsSaid() {
    if (QProcess::execute(QStringLiteral("strace"), {QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                                      QStringLiteral("true")}) != 0) {
      QSKIP("strace cannot trace here");
    }
    QTemporaryDir folder;
    Probe edit;
    edit.start(folder.path(), {QStringLiteral("edit"), folder.filePath(QStringLiteral("one.skw"))});
    QVERIFY2(edit.line().startsWith(QStringLiteral("written")), qPrintable(edit.lastLine + edit.errors()));
    const QString file = edit.lastLine.section(QLatin1Char(' '), 1);
    edit.process.kill();
    QVERIFY(edit.process.waitForFinished());
    QFile damaged(file);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a scanword file");
    damaged.close();

    Probe restore;
    restore.startWrapped(QStringLiteral("strace"),
                         {QStringLiteral("-f"), QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-e"),
                          QStringLiteral("trace=rename,renameat,renameat2"), QStringLiteral("-e"),
                          QStringLiteral("inject=rename,renameat,renameat2:error=EACCES"),
                          QStringLiteral(VERSTAK_RECOVERY_PROBE), folder.path(), QStringLiteral("restore"),
                          folder.filePath(QStringLiteral("restored.skw")), QStringLiteral("yes")});
    QVERIFY(restore.line().startsWith(QStringLiteral("restored")));
    QVERIFY(restore.process.waitForFinished());
    const QString said = restore.errors();
    QVERIFY2(said.contains(QStringLiteral("message:  Это не файл сканворда! ")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("message: Не удаётся отложить повреждённую копию для восстановления: нет доступа")),
             qPrintable(said));
    QCOMPARE(Files(folder.path(), QStringLiteral("повреждён-*")), QStringList());
    QCOMPARE(Bytes(file), QByteArray("not a scanword file"));
  }
};

QTEST_GUILESS_MAIN(RecoveryTest)
#include "recovery_test.moc"
