// The real file dialogs, driven while they show: each starts where it was
// last left while the program runs, and a save dialog on the name last chosen.

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "widgets/prompter.h"

using namespace verstak;

namespace {

// Runs `inDialog` on the file dialog once it shows, then accepts `pick` in it.
void WhileShown(const std::function<void(QFileDialog&)>& inDialog, const QString& pick) {
  auto* poll = new QTimer;
  poll->setInterval(20);
  QObject::connect(poll, &QTimer::timeout, [=] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(window);
      if (!dialog || !dialog->isVisible()) continue;
      poll->stop();
      poll->deleteLater();
      inDialog(*dialog);
      // As a user would: the name typed into the name field, then Enter.
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      name->setText(pick);
      QTest::keyClick(name, Qt::Key_Return);
      return;
    }
  });
  poll->start();
}

}  // namespace

class PrompterTest : public QObject {
  Q_OBJECT

 private slots:
  void fileDialogsRememberWhereTheyWereLeft() {
    QTemporaryDir one;
    QTemporaryDir two;
    QFile grid(one.filePath(QStringLiteral("grid.txt")));
    QVERIFY(grid.open(QIODevice::WriteOnly));
    grid.close();
    QtPrompter prompter;
    const QString gridFilter = QStringLiteral("Файлы сеток: *.txt (*.txt)");
    const QString macroFilter = QStringLiteral("Файлы  макросов: *.csc (*.csc)");

    WhileShown([](QFileDialog& dialog) { dialog.setDirectory(dialog.directory()); }, one.filePath("grid.txt"));
    QCOMPARE(prompter.openFileName(gridFilter, QStringLiteral("txt")), one.filePath(QStringLiteral("grid.txt")));
    QString startedIn;
    WhileShown([&](QFileDialog& dialog) { startedIn = dialog.directory().absolutePath(); }, one.filePath("grid.txt"));
    prompter.openFileName(gridFilter, QStringLiteral("txt"));
    QCOMPARE(startedIn, QDir(one.path()).absolutePath());

    WhileShown([](QFileDialog&) {}, two.filePath(QStringLiteral("first.csc")));
    QCOMPARE(prompter.saveFileName(macroFilter, QStringLiteral("csc"), true), two.filePath(QStringLiteral("first.csc")));
    QStringList offered;
    WhileShown([&](QFileDialog& dialog) { offered = dialog.selectedFiles(); }, two.filePath("second.csc"));
    prompter.saveFileName(macroFilter, QStringLiteral("csc"), true);
    QCOMPARE(offered, QStringList{two.filePath(QStringLiteral("first.csc"))});
  }

  // With several filters the one the user picks is reported, and a name
  // typed without an extension takes that filter's.
  void theChosenFilterIsReportedAndGivesTheExtension() {
    QTemporaryDir folder;
    QtPrompter prompter;
    const QString filters = QStringLiteral("Файлы  макросов: *.csc (*.csc);;PDF: *.pdf (*.pdf);;SVG: *.svg (*.svg)");
    WhileShown(
        [](QFileDialog& dialog) {
          // The third filter chosen from the keyboard.
          auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
          QTest::keyClick(types, Qt::Key_Down);
          QTest::keyClick(types, Qt::Key_Down);
        },
        folder.filePath(QStringLiteral("puzzle")));
    QString chosen;
    QCOMPARE(prompter.saveFileName(filters, QStringLiteral("csc"), true, &chosen),
             folder.filePath(QStringLiteral("puzzle.svg")));
    QCOMPARE(chosen, QStringLiteral("SVG: *.svg (*.svg)"));

    WhileShown([](QFileDialog&) {}, folder.filePath(QStringLiteral("other")));
    QCOMPARE(prompter.saveFileName(filters, QStringLiteral("csc"), true, &chosen),
             folder.filePath(QStringLiteral("other.csc")));
    QCOMPARE(chosen, QStringLiteral("Файлы  макросов: *.csc (*.csc)"));
  }
};

QTEST_MAIN(PrompterTest)
#include "prompter_test.moc"
