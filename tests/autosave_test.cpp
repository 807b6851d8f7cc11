// Unsaved work in the recovery folder, in the program's own process: it
// appears after a change, and goes once nothing is unsaved (a save, or an
// undo back to what was saved).

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "editing_support.h"
#include "manual_clock.h"
#include "document/cp1251.h"
#include "program_recovery.h"
#include "session/wait_clock.h"

using namespace verstak;
using namespace verstak::editing;
using namespace std::chrono_literals;

class AutosaveTest : public QObject {
  Q_OBJECT

 private slots:
  void theFileFollowsTheUnsavedWork() {
    QTemporaryDir folder;
    ProgramFixture f;
    ProgramRecovery recovery(f.session, f.main, f.prompter,
                             {.folder = folder.filePath(QStringLiteral("r")), .interval = 100ms, .sessionId = {}, .clock = nullptr});
    QVERIFY(f.Start());
    NewGrid(f, 5, 5);
    const QString file = recovery.store().path();
    QVERIFY(!QFile::exists(file));

    ClickCell(f, 2, 2);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(file), 5000);
    recovery.store().finishWriting();
    QCOMPARE(ReadRecoveryFile(QFile::encodeName(file).toStdString()).work.cells.at(6).kind, CellKind::Picture);

    f.prompter.saveAnswers = {folder.filePath(QStringLiteral("saved.skw"))};
    QTest::mouseClick(f.Child<QPushButton>("Button4"), Qt::LeftButton);
    QVERIFY(!QFile::exists(file));

    ClickCell(f, 3, 3);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(file), 5000);
    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier);  // back to what was saved
    QVERIFY(!f.session.modified());
    QVERIFY(!QFile::exists(file));
    QCOMPARE(f.prompter.messages.size(), std::size_t{0});  // the copies written are not said
  }

  // A copy whose write fails (a folder stands where the file goes): said
  // once with the cause, tried again each interval, written once it can be.
  void aFailingWriteIsSaidOnceAndTriedAgain() {
    QTemporaryDir folder;
    ProgramFixture f;
    testing::ManualClock clock;
    ProgramRecovery recovery(f.session, f.main, f.prompter,
                             {.folder = folder.filePath(QStringLiteral("r")), .interval = 10s, .sessionId = {}, .clock = &clock});
    QVERIFY(f.Start());
    NewGrid(f, 9, 2);
    const QString file = recovery.store().path();
    QVERIFY(QDir().mkpath(file));
    for (int x = 1; x <= 3; ++x) {
      ClickCell(f, x, 1);
      clock.advance(10s);
      recovery.store().finishWriting();
      QCoreApplication::processEvents();  // the write's end, told through the event loop
      QCOMPARE(f.prompter.messages.size(), std::size_t{1});
    }
    QCOMPARE(f.prompter.texts(),
             std::vector<std::string>{"Не удаётся сохранять копию для восстановления: на месте файла стоит папка"});

    QVERIFY(QDir(file).removeRecursively());
    clock.advance(10s);
    recovery.store().finishWriting();
    QVERIFY(QFileInfo(file).isFile());
    QCOMPARE(ReadRecoveryFile(QFile::encodeName(file).toStdString()).work.cells.at(2).kind, CellKind::Picture);
    QCOMPARE(f.prompter.messages.size(), std::size_t{1});
  }

  // Steady editing, a change every 4 s, still gets its copy 10 s after the
  // first change: a change joins the wait under way, never starts it again.
  void steadyEditingIsWrittenWithinTheInterval() {
    QTemporaryDir folder;
    ProgramFixture f;
    testing::ManualClock clock;
    ProgramRecovery recovery(f.session, f.main, f.prompter,
                             {.folder = folder.filePath(QStringLiteral("r")), .interval = 10s, .sessionId = {}, .clock = &clock});
    QVERIFY(f.Start());
    NewGrid(f, 9, 2);
    const QString file = recovery.store().path();
    for (int x = 1; x <= 3; ++x) {  // at 0, 4 and 8 s
      ClickCell(f, x, 1);
      clock.advance(4s);
    }
    recovery.store().finishWriting();  // the wait ended at 10 s
    QVERIFY(QFile::exists(file));
    const ScanwordFileResult copy = ReadRecoveryFile(QFile::encodeName(file).toStdString()).work;
    QCOMPARE(copy.cells.at(2).kind, CellKind::Picture);  // (3, 1), the change at 8 s
    QCOMPARE(copy.cells.at(3).kind, CellKind::Letter);

    for (int x = 4; x <= 6; ++x) {  // at 12, 16 and 20 s: the next wait ends at 22 s
      ClickCell(f, x, 1);
      clock.advance(4s);
    }
    recovery.store().finishWriting();
    QCOMPARE(ReadRecoveryFile(QFile::encodeName(file).toStdString()).work.cells.at(5).kind, CellKind::Picture);
  }

  // A recovery folder that cannot be made (a file stands where it goes):
  // said once however many intervals pass, tried again at each, and the
  // copy written once the folder can be had.
  void aFailingCopyIsSaidOnceAndTriedAgain() {
    QTemporaryDir folder;
    const QString recoveryFolder = folder.filePath(QStringLiteral("r"));
    QFile blocker(recoveryFolder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProgramFixture f;
    testing::ManualClock clock;
    ProgramRecovery recovery(f.session, f.main, f.prompter,
                             {.folder = recoveryFolder, .interval = 10s, .sessionId = {}, .clock = &clock});
    QVERIFY(f.Start());
    NewGrid(f, 9, 2);
    for (int x = 1; x <= 5; ++x) {
      ClickCell(f, x, 1);
      clock.advance(10s);
    }
    QCOMPARE(f.prompter.texts(),
             std::vector<std::string>{"Не удаётся сохранять копию для восстановления: на месте папки стоит файл"});
    QCOMPARE(f.prompter.messages[0].details, recoveryFolder.toStdString());

    QVERIFY(QFile::remove(recoveryFolder));
    clock.advance(10s);
    recovery.store().finishWriting();
    QVERIFY(QFile::exists(recovery.store().path()));
    QCOMPARE(ReadRecoveryFile(QFile::encodeName(recovery.store().path()).toStdString()).work.cells.at(4).kind,
             CellKind::Picture);
    QCOMPARE(f.prompter.messages.size(), std::size_t{1});
  }

  // Typing not yet stored is work to keep although the history holds
  // nothing unsaved; once "Обратно" has stored it, the copy holds it as text.
  // A clue's text loaded into the memo is nothing typed (the memo reads as
  // modified while it loads). Typing brought back by a recovery is typing
  // still, though nobody has typed since: the next copy holds it, so a second
  // crash does not lose it.
  void typingNotYetStoredIsCopied() {
    QTemporaryDir folder;
    ProgramFixture f;
    testing::ManualClock clock;
    ProgramRecovery recovery(f.session, f.main, f.prompter,
                             {.folder = folder.filePath(QStringLiteral("r")), .interval = 10s, .sessionId = {}, .clock = &clock});
    QVERIFY(f.Start());
    NewGrid(f, 5, 5);
    f.document.cells.at(2, 1).kind = CellKind::Clue;
    SetSlotLine(f, 1, 1, QStringLiteral("Река"));
    f.MarkSaved();
    QTest::mouseClick(Button(f, QStringLiteral("Button6")), Qt::LeftButton);
    const QString file = recovery.store().path();
    clock.advance(10s);
    QVERIFY(!QFile::exists(file));  // the memo shows the stored text: nothing typed
    QVERIFY(!f.session.typedClueText());

    f.main.memo().moveCursor(QTextCursor::End);
    Type(&f.main.memo(), QStringLiteral("в Сибири"));
    QVERIFY(!f.session.modified());
    clock.advance(10s);
    recovery.store().finishWriting();
    const RecoveryFileResult copy = ReadRecoveryFile(QFile::encodeName(file).toStdString());
    QVERIFY(copy.work.found());
    QCOMPARE(copy.notes.typedSlot, 1);
    QCOMPARE(QString::fromStdString(Cp1251ToUtf8(copy.notes.typedText)), QStringLiteral("Река\nв Сибири"));
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Река"));  // still not stored

    QTest::mouseClick(Button(f, QStringLiteral("Button11")), Qt::LeftButton);
    QVERIFY(!f.session.typedClueText());
    clock.advance(10s);
    recovery.store().finishWriting();
    const RecoveryFileResult stored = ReadRecoveryFile(QFile::encodeName(file).toStdString());
    QCOMPARE(stored.notes.typedSlot, 0);
    QCOMPARE(std::string(stored.work.definitions.line(1, 2)), Utf8ToCp1251("в Сибири"));

    f.main.ResumeTyping(1, QStringLiteral("Лена"));
    QVERIFY(f.session.typedClueText());
    QCOMPARE(f.session.typedClueText()->slot, 1);
    clock.advance(10s);
    recovery.store().finishWriting();
    const RecoveryFileResult resumed = ReadRecoveryFile(QFile::encodeName(file).toStdString());
    QCOMPARE(resumed.notes.typedSlot, 1);
    QCOMPARE(QString::fromStdString(Cp1251ToUtf8(resumed.notes.typedText)), QStringLiteral("Лена"));
  }

  // The real clock's wait ends once: a timer that went on ticking would
  // save (or render) again and again after a single change.
  void theSystemClocksWaitEndsOnce() {
    const std::unique_ptr<WaitTimer> timer = WaitClock::System().makeTimer();
    QSignalSpy ended(timer.get(), &WaitTimer::timeout);
    timer->start(std::chrono::milliseconds(10));
    QVERIFY(timer->isActive());
    QTRY_COMPARE(ended.count(), 1);
    QVERIFY(!timer->isActive());
    QTest::qWait(100);
    QCOMPARE(ended.count(), 1);
  }
};

QTEST_MAIN(AutosaveTest)
#include "autosave_test.moc"
