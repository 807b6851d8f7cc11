#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <QDir>

#include "files/scanword_file.h"
#include "program_fixture.h"

using namespace verstak;

namespace {

struct CommandFixture : ProgramFixture {
  QTemporaryDir folder;

  QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }
  void Click(const char* button) { QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton); }

  // A document with something in every part a scanword file keeps.
  void FillDocument() {
    document.gridWidth = 4;
    document.gridHeight = 3;
    document.cells.at(1, 1) = {CellKind::ClueSplitHorizontal, 0};
    document.cells.at(2, 1) = {CellKind::ArrowFromTopRight, 21};
    document.cells.at(4, 3) = {CellKind::Picture, 0};
    document.cells.at(1, 3) = {CellKind::Clue, 0};
    document.definitions.slot(1).line(1).assign("\xCD\xE8\xEB");  // Нил
    document.definitions.slot(1).line(2).assign("second line");
    document.definitions.slot(3).line(1).assign("third");
    HoldUnsavedWork();
  }

  // Opens the scanword file `path` through "Открыть".
  void Reopen(const QString& path) {
    QTimer::singleShot(0, &windows.open, [&] {
      windows.open.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(path);
      QTest::mouseClick(windows.open.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    Click("Button3");
  }
};

}  // namespace

class MainCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void saveThenReopenGivesTheSameDocument() {
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const ScanwordDocument saved = f.document;
    f.prompter.saveAnswers = {f.Path("work.skw")};
    f.Click("Button4");
    QVERIFY(f.prompter.messages.empty());
    QVERIFY(!f.session.modified());
    QCOMPARE(f.prompter.fileDialogCalls.size(), std::size_t{1});
    QCOMPARE(f.prompter.fileDialogCalls[0].save, true);
    QCOMPARE(f.prompter.fileDialogCalls[0].filter, QStringLiteral("Файлы сканвордов: *.skw (*.skw)"));
    QCOMPARE(f.prompter.fileDialogCalls[0].defaultSuffix, QStringLiteral("skw"));
    QCOMPARE(f.prompter.fileDialogCalls[0].confirmOverwrite, true);  // an existing file is asked about

    f.document.gridWidth = 9;
    f.document.cells.at(2, 2).kind = CellKind::Picture;
    f.document.definitions.slot(1).line(1).assign("changed");
    f.Reopen(f.Path("work.skw"));
    QVERIFY(f.document == saved);
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
  }

  // An existing file is replaced once the save dialog has asked about it; a
  // cancelled save writes nothing but still repaints.
  void saveReplacesAndCancelWritesNothing() {
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    QFile old(f.Path("old.skw"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    f.prompter.saveAnswers = {f.Path("old.skw")};
    f.Click("Button4");
    QCOMPARE(TempFileBytes(f.Path("old.skw")), ScanwordFileBytes(f.document));

    f.HoldUnsavedWork();
    f.main.gridView().ClearPaintArea();
    f.Click("Button4");  // no answer queued: cancelled
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.skw")});
    QVERIFY(f.session.modified());
    QCOMPARE(QColor(f.ViewPixel(100, 20)), QColor(255, 255, 255));  // the letter cell (3,1) repainted
    QVERIFY(f.prompter.messages.empty());
  }

  // A save that cannot be written says so and leaves the document and the
  // mark of unsaved changes alone.
  void aFailedSaveIsReported() {
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const ScanwordDocument before = f.document;
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("folder.skw")));
    f.prompter.saveAnswers = {f.Path("folder.skw")};
    f.Click("Button4");
    QCOMPARE(f.prompter.texts(),
             std::vector<std::string>{" Не удалось записать файл! \n" + f.Path("folder.skw").toStdString() + ": это папка"});
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Error);
    QVERIFY(f.document == before);
    QVERIFY(f.session.modified());
    QVERIFY(QFileInfo(f.Path("folder.skw")).isDir());
  }

  // Only a read announces "Выполнено!": a save before an open that is
  // cancelled leaves nothing to announce.
  void aSaveIsNoRead() {
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    f.prompter.saveAnswers = {f.Path("work.skw")};
    f.Click("Button4");
    QTimer::singleShot(0, &f.windows.open, [&] { f.windows.open.reject(); });
    f.Click("Button3");
    QVERIFY(f.prompter.messages.empty());
  }

  void closeQuestion_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("byExitButton");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveName");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    using A = Prompter::Answer;
    QTest::newRow("nothing to save, Выход") << false << true << int(A::Cancel) << "" << false << true << false;
    QTest::newRow("nothing to save, close box") << false << false << int(A::Cancel) << "" << false << true << false;
    QTest::newRow("Нет") << true << true << int(A::No) << "" << true << true << false;
    QTest::newRow("Отмена") << true << false << int(A::Cancel) << "" << true << false << false;
    QTest::newRow("Да, saved") << true << true << int(A::Yes) << "end.skw" << true << true << true;
    QTest::newRow("Да, save cancelled") << true << false << int(A::Yes) << "" << true << false << false;
    QTest::newRow("Да, save failed") << true << true << int(A::Yes) << "missing/end.skw" << true << false << false;
  }
  void closeQuestion() {
    QFETCH(bool, changed);
    QFETCH(bool, byExitButton);
    QFETCH(int, answer);
    QFETCH(QString, saveName);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    if (!changed) f.MarkSaved();
    f.prompter.questionAnswers = {static_cast<Prompter::Answer>(answer)};
    if (!saveName.isEmpty()) f.prompter.saveAnswers = {f.folder.filePath(saveName)};

    if (byExitButton) {
      f.Click("Button5");
    } else {
      f.main.close();
    }

    QCOMPARE(f.prompter.questions.size(), std::size_t{asked});
    if (asked) QCOMPARE(f.prompter.questions[0], QStringLiteral("Сохранить изменения?"));
    QCOMPARE(!f.main.isVisible(), closed);
    QCOMPARE(QFileInfo::exists(f.folder.filePath(QStringLiteral("end.skw"))), written);
    if (written) QCOMPARE(TempFileBytes(f.folder.filePath(QStringLiteral("end.skw"))), ScanwordFileBytes(f.document));
  }

  // "Новый" with unsaved work asks first, after the size is confirmed: Отмена
  // keeps the document, Да saves it, Нет goes on without.
  void newAsksAboutUnsavedWork() {
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const ScanwordDocument before = f.document;
    const auto runNew = [&] {
      QTimer::singleShot(0, &f.windows.newGrid, [&] {
        QTest::mouseClick(f.windows.newGrid.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
      });
      f.Click("Button2");
    };
    f.prompter.questionAnswers = {Prompter::Answer::Cancel};
    runNew();
    QCOMPARE(f.prompter.questions.size(), std::size_t{1});
    QVERIFY(f.document == before);
    QVERIFY(f.session.modified());

    f.prompter.questionAnswers = {Prompter::Answer::Yes};
    f.prompter.saveAnswers = {f.Path("before-new.skw")};
    runNew();
    QCOMPARE(TempFileBytes(f.Path("before-new.skw")), ScanwordFileBytes(before));
    QCOMPARE(f.document.gridWidth, 9);
    QVERIFY(!f.session.modified());

    f.document.cells.at(1, 1).kind = CellKind::Clue;
    f.HoldUnsavedWork();
    f.prompter.questionAnswers = {Prompter::Answer::No};
    runNew();
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::Letter);
    QCOMPARE(f.prompter.questions.size(), std::size_t{3});
  }

  // The title names the document and stars unsaved changes; Ctrl+S saves to
  // the document's own file without a dialog once it has one.
  void titleAndCtrlS() {
    CommandFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.main.windowTitle(), QStringLiteral("VERSTAK"));
    f.FillDocument();
    f.prompter.saveAnswers = {f.Path("mine.skw")};
    QTest::keyClick(&f.Bar1(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.prompter.fileDialogCalls.size(), std::size_t{1});
    QCOMPARE(f.main.windowTitle(), QStringLiteral("VERSTAK — mine.skw"));
    QCOMPARE(f.editor.currentTool, 23);  // Ctrl+S picked no tool

    f.document.gridWidth = 3;
    QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, {}, QPoint(20, 60));  // the picture tool on (1, 2)
    QCOMPARE(f.main.windowTitle(), QStringLiteral("VERSTAK — mine.skw*"));
    QTest::keyClick(&f.Bar1(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.prompter.fileDialogCalls.size(), std::size_t{1});  // no dialog the second time
    QCOMPARE(TempFileBytes(f.Path("mine.skw")), ScanwordFileBytes(f.document));
    QCOMPARE(f.main.windowTitle(), QStringLiteral("VERSTAK — mine.skw"));

    f.Reopen(f.Path("mine.skw"));
    QCOMPARE(f.main.windowTitle(), QStringLiteral("VERSTAK — mine.skw"));
  }

  // After any command, dialog or click on the grid the one-key commands work
  // at once.
  void keysWorkAfterEveryCommand() {
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const auto toolKeyWorks = [&](int tool, Qt::Key key) {
      QWidget* focus = f.main.focusWidget();
      if (focus) QTest::keyClick(focus, key);
      return f.editor.currentTool == tool;
    };
    QTimer::singleShot(0, &f.windows.about, [&] { f.windows.about.reject(); });
    f.Click("Button12");
    QVERIFY(toolKeyWorks(5, Qt::Key_5));
    f.prompter.saveAnswers = {f.Path("keys.skw")};
    f.Click("Button4");
    QVERIFY(toolKeyWorks(6, Qt::Key_6));
    f.Child<QPushButton>("Button12")->setFocus();  // as a click on a button leaves it
    QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(toolKeyWorks(7, Qt::Key_7));
  }

  // "О программе" shows the about window modally and changes nothing.
  void aboutIsShownModally() {
    CommandFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const ScanwordDocument before = f.document;
    bool modal = false;
    QTimer::singleShot(0, &f.windows.about, [&] {
      modal = f.windows.about.isVisible() && QApplication::activeModalWidget() == &f.windows.about;
      QTest::mouseClick(f.windows.about.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    f.Click("Button12");
    QVERIFY(modal);
    QVERIFY(!f.windows.about.isVisible());
    QVERIFY(f.document == before);
    QVERIFY(f.main.isVisible());
  }

 private:
  static std::string TempFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }
};

QTEST_MAIN(MainCommandsTest)
#include "main_commands_test.moc"
