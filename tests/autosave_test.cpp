// Unsaved work in the recovery folder, in the program's own process: it
// appears after a change, and goes once nothing is unsaved (a save, or an
// undo back to what was saved).

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "editing_support.h"
#include "program_recovery.h"

using namespace verstak;
using namespace verstak::editing;

class AutosaveTest : public QObject {
  Q_OBJECT

 private slots:
  void theFileFollowsTheUnsavedWork() {
    QTemporaryDir folder;
    ProgramFixture f;
    ProgramRecovery recovery(f.session, f.main, f.prompter, folder.filePath(QStringLiteral("r")),
                             std::chrono::milliseconds(100));
    QVERIFY(f.Start());
    NewGrid(f, 5, 5);
    const QString file = recovery.store().path();
    QVERIFY(!QFile::exists(file));

    ClickCell(f, 2, 2);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(file), 5000);
    recovery.store().finishWriting();
    QCOMPARE(ReadScanwordFile(QFile::encodeName(file).toStdString()).cells.at(6).kind, CellKind::Picture);

    f.prompter.saveAnswers = {folder.filePath(QStringLiteral("saved.skw"))};
    QTest::mouseClick(f.Child<QPushButton>("Button4"), Qt::LeftButton);
    QVERIFY(!QFile::exists(file));

    ClickCell(f, 3, 3);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(file), 5000);
    QTest::keyClick(&f.Bar1(), Qt::Key_Z, Qt::ControlModifier);  // back to what was saved
    QVERIFY(!f.session.modified());
    QVERIFY(!QFile::exists(file));
  }
};

QTEST_MAIN(AutosaveTest)
#include "autosave_test.moc"
