#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTextBlock>
#include <QtTest>

#include "dialogs/Help1.h"
#include "dialogs/artwork.h"
#include "dialogs/logo.h"

using namespace verstak;

class InfoWindowsTest : public QObject {
  Q_OBJECT

  // Runs the splash modally and presses `key` (or clicks OK when key is 0) once it shows.
  static int RunSplash(int key) {
    SplashWindow splash;
    QTimer::singleShot(0, &splash, [&splash, key] {
      QWidget* ok = splash.findChild<QPushButton*>(QStringLiteral("Button1"));
      if (key == 0)
        QTest::mouseClick(ok, Qt::LeftButton);
      else
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : ok, static_cast<Qt::Key>(key));
    });
    return splash.exec();
  }

 private slots:
  void splashLeadsOnWithEnterOrOkAndEndsWithEsc() {
    QCOMPARE(RunSplash(Qt::Key_Return), int(QDialog::Accepted));
    QCOMPARE(RunSplash(0), int(QDialog::Accepted));
    QCOMPARE(RunSplash(Qt::Key_Escape), int(QDialog::Rejected));
  }

  void splashLayout() {
    SplashWindow splash;
    QCOMPARE(splash.size(), QSize(488, 326));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    auto* version = splash.findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Ver. 3.2"));
    QCOMPARE(version->pos(), QPoint(56, 148));
    auto* ok = splash.findChild<QPushButton*>(QStringLiteral("Button1"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(366, 269, 77, 23));
    auto* picture = splash.findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(picture->geometry(), QRect(0, 0, 488, 326));
  }

  void artworkIsOurOwnAndOfTheRightShape() {
    const QImage picture = DrawSplashPicture();
    QCOMPARE(picture.size(), QSize(550, 370));
    QCOMPARE(picture.depth(), 24);
    const QImage icon = DrawProgramIcon();
    QCOMPARE(icon.size(), QSize(32, 32));
    // Not a blank square: the clue half is grey and the letter half white.
    QCOMPARE(icon.pixelColor(4, 20), QColor(128, 128, 128));
    QCOMPARE(icon.pixelColor(28, 4), QColor(Qt::white));
  }

  void aboutTextLineByLine() {
    AboutWindow about;
    QCOMPARE(about.windowTitle(), QStringLiteral("О программе..."));
    QCOMPARE(about.size(), QSize(385, 328));
    auto* memo = about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QVERIFY(memo && memo->isReadOnly());
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines[0], QStringLiteral("С помощью этой программы можно "));
    QCOMPARE(lines[2], QStringLiteral("в \u0421orelDRAW  7 (или 9) любое количество "));  // Cyrillic С
    QVERIFY(lines[6].isEmpty());
    QVERIFY(lines[11].isEmpty());
    QCOMPARE(lines[13], QStringLiteral("\"Запустить макрос...\" "));
    QCOMPARE(lines[20], QStringLiteral("программа \"VERSTAK\"."));
    auto* title = about.findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(title->text(), QStringLiteral("Программа «VERSTAK»  Версия 3.2"));
  }

  // Each line of the text stays one line: nothing wraps, nothing is cut.
  void aboutLinesAreNotBrokenAgain() {
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* memo = about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QCOMPARE(memo->document()->blockCount(), 21);
    for (QTextBlock block = memo->document()->firstBlock(); block.isValid(); block = block.next()) {
      QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
    const int room = memo->viewport()->width() - 2 * int(memo->document()->documentMargin());
    const QFontMetrics metrics(memo->font());
    for (const QString& line : AboutWindow::AboutText()) {
      QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(line));
    }
    QVERIFY(memo->font().pixelSize() >= 12);  // still readable
  }

  void aboutClosesWithExit() {
    AboutWindow about;
    QTimer::singleShot(0, &about, [&about] {
      QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
  }
};

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
