#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include "widgets/ui_font.h"
#include "program_fixture.h"

using namespace verstak;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void captionColourAndExit() {
    ProgramFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.main.windowTitle(), QStringLiteral("VERSTAK"));
    QCOMPARE(f.main.objectName(), QStringLiteral("Form1"));
    QCOMPARE(f.main.palette().color(QPalette::Window), QColor(0, 0, 128));

    auto* exit = f.Child<QPushButton>("Button5");
    QVERIFY(exit);
    QCOMPARE(exit->text(), QStringLiteral("Выход"));
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!f.main.isVisible());
    QVERIFY(f.prompter.messages.empty());
  }

  void firstActivationLaysOutAndResets() {
    ProgramFixture f;
    f.editor.currentTool = 5;
    f.editor.viewOriginX = 9;
    f.settings.cornerRadius = 20000;
    f.document.cells.at(1, 1).kind = CellKind::Clue;
    QCOMPARE(f.main.leftPanel().width(), 212);
    QVERIFY(f.Start());

    QCOMPARE(f.Child("Splitter1")->geometry(), QRect(0, 0, 2, 570));
    QCOMPARE(f.main.leftPanel().geometry(), QRect(2, 0, 255, 570));
    QCOMPARE(f.Child("Panel2")->geometry(), QRect(257, 0, 543, 570));
    QCOMPARE(f.Child("Panel3")->pos(), QPoint(6, 12));
    QCOMPARE(f.Child("Panel3")->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(f.Child("Panel2")->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(f.Child("Bevel1")->geometry(), QRect(8, 14, 245, 375));
    // Its top follows the memo's lines (theGuideBarStandsUnderTheFifthLine).
    QCOMPARE(f.Child("Panel4")->geometry().left(), 28);
    QCOMPARE(f.Child("Panel4")->geometry().size(), QSize(125, 5));
    QCOMPARE(f.Child("Panel5")->geometry(), QRect(130, 25, 5, 125));
    QCOMPARE(f.Child("Panel4")->palette().color(QPalette::Window), QColor(255, 0, 0));
    for (const char* hidden : {"Memo1", "Panel4", "Panel5", "Label20", "Label21", "SpeedButton26", "SpeedButton27"}) {
      QVERIFY2(!f.Child(hidden)->isVisible(), hidden);
    }
    QCOMPARE(f.Child<QLabel>("Label20")->text(), QStringLiteral("PgUp"));
    QCOMPARE(f.Child<QLabel>("Label21")->text(), QStringLiteral("PgDn"));

    QCOMPARE(f.editor.currentTool, 23);
    QCOMPARE(f.editor.viewOriginX, 1);
    QVERIFY(f.settings == PrintSettings{});
    QCOMPARE(f.document.cells.at(1, 1), GridCell{});
    QCOMPARE(f.main.focusWidget(), &f.Bar1());
    QCOMPARE(QColor(f.ViewPixel(20, 20)), QColor(128, 128, 128));  // no grid yet

    // Later activations do not start the document again.
    f.document.cells.at(1, 1).kind = CellKind::Clue;
    f.main.FirstActivation();
    QCOMPARE(f.document.cells.at(1, 1).kind, CellKind::Clue);
  }

  // Only the navy background shows behind the splash window; the view is
  // fitted when it has closed.
  void splashShowsOverTheNavyBackground() {
    ScanwordDocument document;
    EditorState editor;
    PrintSettings settings;
    RecordingPrompter prompter;
    DocumentSession session(document, settings);
    ProgramWindows windows(session, editor, settings, prompter, StartupSplash::Show);
    bool splashShown = false;
    bool panelsHidden = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &windows.splash, [&] {
      if (!windows.splash.isVisible()) return;
      poll.stop();
      splashShown = windows.splash.isModal();
      panelsHidden = !windows.main.leftPanel().isVisible() && !windows.main.findChild<QWidget*>("Panel2")->isVisible();
      QTest::mouseClick(windows.splash.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    poll.start();
    windows.main.resize(800, 570);
    windows.main.show();
    QTRY_VERIFY(splashShown);
    QVERIFY(panelsHidden);
    QTRY_VERIFY(windows.main.leftPanel().isVisible());
    QCOMPARE(editor.visibleColumns, 12);
    QCOMPARE(windows.main.findChild<QWidget*>("Panel3")->size(), QSize(507, 507));
  }

  // Esc on the splash closes the main window before it is shown in full.
  void escOnTheSplashEndsTheProgram() {
    ScanwordDocument document;
    EditorState editor;
    PrintSettings settings;
    RecordingPrompter prompter;
    DocumentSession session(document, settings);
    ProgramWindows windows(session, editor, settings, prompter, StartupSplash::Show);
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &windows.splash, [&] {
      if (!windows.splash.isVisible()) return;
      poll.stop();
      QTest::keyClick(&windows.splash, Qt::Key_Escape);
    });
    poll.start();
    windows.main.show();
    QTRY_VERIFY(!windows.main.isVisible());
    QVERIFY(!windows.main.leftPanel().isVisible());
  }

  void sevenWindowsKeptHidden() {
    ProgramFixture f;
    QVERIFY(f.Start());
    struct Expected {
      QDialog* dialog;
      const char* name;
      const char* caption;
      QSize size;
    };
    const Expected expected[] = {
        {&f.windows.splash, "Form2", "VERSTAK", {488, 326}},
        {&f.windows.open, "Form3", "Открыть...", {490, 248}},
        {&f.windows.exportDialog, "Form5", "Записать...", {369, 304}},
        {&f.windows.newGrid, "nov", "Новый...", {462, 199}},
        {&f.windows.settingsDialog, "Form4", "Установки...", {271, 323}},
        {&f.windows.about, "Form6", "О программе...", {385, 328}},
    };
    for (const Expected& e : expected) {
      QCOMPARE(e.dialog->objectName(), QLatin1String(e.name));
      QCOMPARE(e.dialog->windowTitle(), QString::fromUtf8(e.caption));
      QCOMPARE(e.dialog->size(), e.size);
      QVERIFY(e.dialog->isModal());
      QVERIFY(!e.dialog->isVisible());
    }
  }

  // Windows fonts are missing here; their stand-ins must keep the pixel size
  // and show Cyrillic.
  void fontsShowCyrillic_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << 10;
    QTest::newRow("Arial Cyr") << "Arial Cyr" << 19;
  }
  void fontsShowCyrillic() {
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    const QFont font = UiFont(family, pixelSize);
    QCOMPARE(font.pixelSize(), pixelSize);
    const QString used = QFontInfo(font).family();
    QVERIFY2(QFontDatabase::writingSystems(used).contains(QFontDatabase::Cyrillic), qPrintable(used));
    const QFontMetrics metrics(font);
    for (QChar c : QStringLiteral("ВыходРедакторОпрограммеШрифтЁё")) {
      QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    }
  }

  void windowFontsFollowTheDesign() {
    ProgramFixture f;
    QCOMPARE(f.Child<QPushButton>("Button2")->font().pixelSize(), 10);
    QCOMPARE(f.main.memo().font().pixelSize(), 19);
    QCOMPARE(f.windows.newGrid.font().pixelSize(), 10);
  }

  // After the open or settings dialog the grid is repainted on the first
  // mouse movement over the navy background, not over a control.
  void deferredRepaintOverTheBackground() {
    ProgramFixture f;
    QVERIFY(f.Start());
    f.document.gridWidth = f.document.gridHeight = 3;
    f.main.gridView().ClearPaintArea();
    f.editor.GridPainted = false;

    QTest::mouseMove(f.Child<QPushButton>("Button2"), QPoint(5, 5));
    QCOMPARE(QColor(f.ViewPixel(20, 20)), QColor(128, 128, 128));
    QVERIFY(!f.editor.GridPainted);

    QTest::mouseMove(f.Child("Panel2"), QPoint(100, 540));
    QTRY_VERIFY(f.editor.GridPainted);
    QCOMPARE(QColor(f.ViewPixel(20, 20)), QColor(255, 255, 255));

    // Once painted, further movements leave the view alone.
    f.main.gridView().ClearPaintArea();
    QTest::mouseMove(&f.main.leftPanel(), QPoint(100, 560));
    QTest::mouseMove(&f.main.leftPanel(), QPoint(120, 562));
    QCOMPARE(QColor(f.ViewPixel(20, 20)), QColor(128, 128, 128));
    f.editor.GridPainted = false;
    QTest::mouseMove(&f.main.leftPanel(), QPoint(100, 560));
    QTRY_VERIFY(f.editor.GridPainted);
  }

  // The red bar lies between the memo's fifth and sixth lines, below the
  // fifth's baseline and above the sixth's capitals, in the memo's font and
  // in a larger one.
  void theGuideBarStandsUnderTheFifthLine_data() {
    QTest::addColumn<int>("pixels");
    QTest::newRow("memo font") << 0;
    QTest::newRow("larger") << 26;
  }
  void theGuideBarStandsUnderTheFifthLine() {
    QFETCH(int, pixels);
    ProgramFixture f;
    QVERIFY(f.Start());
    QPlainTextEdit& memo = f.main.memo();
    if (pixels > 0) memo.setFont(UiFont(QStringLiteral("Arial Cyr"), pixels));
    QCoreApplication::processEvents();  // the bar follows the font once the memo has laid it out
    memo.setPlainText(QStringLiteral("ОДИН\nДВА\nТРИ\nЧЕТЫРЕ\nПЯТЬ\nШЕСТЬ"));
    memo.show();
    QWidget& bar = *f.Child("Panel4");
    const auto lineRect = [&memo, &f](int block) {
      QTextCursor cursor(memo.document()->findBlockByNumber(block));
      const QRect rect = memo.cursorRect(cursor);
      return QRect(memo.viewport()->mapTo(&f.main.leftPanel(), rect.topLeft()), rect.size());
    };
    const QFontMetrics metrics(memo.font());
    const QRect fifth = lineRect(4);
    const QRect sixth = lineRect(5);
    const int fifthBaseline = fifth.top() + metrics.ascent();
    QVERIFY2(bar.geometry().top() > fifthBaseline, qPrintable(QStringLiteral("bar %1, fifth baseline %2")
                                                                  .arg(bar.geometry().top()).arg(fifthBaseline)));
    const int sixthCapitalsTop = sixth.top() + metrics.ascent() - metrics.capHeight();
    QVERIFY2(bar.geometry().bottom() < sixthCapitalsTop,
             qPrintable(QStringLiteral("bar ends %1, capitals at %2").arg(bar.geometry().bottom()).arg(sixthCapitalsTop)));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
