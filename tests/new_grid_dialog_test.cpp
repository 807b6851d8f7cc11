#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "program_fixture.h"

using namespace verstak;

namespace {

struct DialogFixture : ProgramFixture {
  NewGridDialog& dialog = windows.newGrid;
  QLineEdit& Width() { return *dialog.findChild<QLineEdit*>(QStringLiteral("MaskEdit1")); }
  QLineEdit& Height() { return *dialog.findChild<QLineEdit*>(QStringLiteral("MaskEdit2")); }
  QPushButton& Ok() { return *dialog.findChild<QPushButton*>(QStringLiteral("Button1")); }
  QPushButton& Cancel() { return *dialog.findChild<QPushButton*>(QStringLiteral("Button5")); }

  // "Новый" with `inDialog` run while the dialog shows; a dialog left open
  // is cancelled so that the test goes on.
  void RunNewCommand(const std::function<void()>& inDialog) {
    QTimer::singleShot(0, &dialog, [&] {
      inDialog();
      if (dialog.isVisible()) dialog.reject();
    });
    QTest::mouseClick(Child<QPushButton>("Button2"), Qt::LeftButton);
  }

  // A document with something in every part that the reset clears.
  void FillDocument() {
    document.gridWidth = 20;
    document.gridHeight = 20;
    main.ResetDocument();
    document.cells.at(3, 4) = {CellKind::ArrowFromTopRight, 18};
    document.cells.at(99, 99).kind = CellKind::Picture;
    document.definitions.slot(1).line(1).assign("clue");
    settings.blackText = "55";
    editor.currentTool = 7;
    main.memo().setPlainText(QStringLiteral("текст"));
  }
};

}  // namespace

class NewGridDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void frameFieldsAndFirstValues() {
    DialogFixture f;
    QCOMPARE(f.dialog.objectName(), QStringLiteral("nov"));
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Новый..."));
    QCOMPARE(f.dialog.size(), QSize(462, 199));
    QCOMPARE(f.Width().text(), QStringLiteral("9"));
    QCOMPARE(f.Height().text(), QStringLiteral("13"));
    QCOMPARE(f.Width().geometry(), QRect(288, 32, 50, 28));
    QCOMPARE(f.Height().geometry(), QRect(288, 80, 50, 28));
    QCOMPARE(f.Ok().text(), QStringLiteral("ОК"));
    QCOMPARE(f.Ok().geometry(), QRect(88, 143, 113, 25));
    QCOMPARE(f.Cancel().text(), QStringLiteral("Отмена"));
    QCOMPARE(f.Cancel().geometry(), QRect(248, 143, 113, 25));
    QCOMPARE(f.dialog.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Ширина кроссворда:"));
    QCOMPARE(f.dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Высота кроссворда:"));
  }

  void firstValuesStartAnEmpty9By13Grid() {
    DialogFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    f.RunNewCommand([&] { QTest::mouseClick(&f.Ok(), Qt::LeftButton); });

    QVERIFY(f.prompter.messages.empty());
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.document.gridWidth, 9);
    QCOMPARE(f.document.gridHeight, 13);
    QCOMPARE(f.document.cells.at(3, 4), GridCell{});
    QCOMPARE(f.document.cells.at(99, 99), GridCell{});
    QCOMPARE(f.document.definitions.lastSlotWithText(), 0);
    QVERIFY(f.settings == PrintSettings{});
    QCOMPARE(f.editor.currentTool, 23);
    QVERIFY(f.main.memo().toPlainText().isEmpty());
    QCOMPARE(f.Bar1().maximum(), 1);
    QCOMPARE(f.Bar2().maximum(), 2);
    QCOMPARE(f.main.focusWidget(), &f.Bar1());
  }

  void badSizesAreReportedAndChangeNothing_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    QTest::newRow("width 100") << "100" << "13" << " Ширина не может быть более 99 клеток! ";
    QTest::newRow("width 12a") << "12a" << "13" << " В поле \"Ширина...\" ошибка! ";
    QTest::newRow("width negative") << "-4" << "13" << " В поле \"Ширина...\" ошибка! ";
    QTest::newRow("height 0") << "9" << "0" << " Высота не может быть равна 0 клеток! ";
    QTest::newRow("height negative") << "9" << "-1" << " В поле \"Высота...\" ошибка! ";
    QTest::newRow("empty width") << "" << "13" << " В поле \"Ширина...\" ошибка! ";
    QTest::newRow("empty height") << "9" << " " << " В поле \"Высота...\" ошибка! ";
  }
  void badSizesAreReportedAndChangeNothing() {
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, message);
    DialogFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const ScanwordDocument before = f.document;
    const PrintSettings settingsBefore = f.settings;
    bool stayedOpen = false;
    f.RunNewCommand([&] {
      f.Width().setText(width);
      f.Height().setText(height);
      QTest::mouseClick(&f.Ok(), Qt::LeftButton);
      stayedOpen = f.dialog.isVisible();
    });

    if (message.isEmpty()) {
      QVERIFY(f.prompter.messages.empty());
    } else {
      QCOMPARE(f.prompter.messages.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(f.prompter.messages[0].text), message);
      QCOMPARE(f.prompter.messages[0].kind, MessageKind::Error);
    }
    QVERIFY(stayedOpen);
    QVERIFY(f.document == before);
    QVERIFY(f.settings == settingsBefore);
    QCOMPARE(f.editor.currentTool, 7);
    QCOMPARE(f.Width().text(), width);  // the input stays for correcting
  }

  void blanksAroundNumbersAreIgnored() {
    DialogFixture f;
    QVERIFY(f.Start());
    f.RunNewCommand([&] {
      f.Width().setText(QStringLiteral(" 12 "));
      f.Height().setText(QStringLiteral("99"));
      QTest::mouseClick(&f.Ok(), Qt::LeftButton);
    });
    QVERIFY(f.prompter.messages.empty());
    QCOMPARE(f.document.gridWidth, 12);
    QCOMPARE(f.document.gridHeight, 99);
    QCOMPARE(f.Bar2().maximum(), 88);
  }

  // Enter in a field is OK.
  void enterConfirms() {
    DialogFixture f;
    QVERIFY(f.Start());
    f.RunNewCommand([&] {
      f.Width().setText(QStringLiteral("7"));
      QTest::keyClick(&f.Height(), Qt::Key_Return);
    });
    QCOMPARE(int(f.document.gridWidth), 7);
    QCOMPARE(int(f.document.gridHeight), 13);
  }

  void cancelAndEscapeLeaveTheDocumentAndKeepTheFields() {
    DialogFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const ScanwordDocument before = f.document;
    f.RunNewCommand([&] {
      f.Width().setText(QStringLiteral("30"));
      QTest::mouseClick(&f.Cancel(), Qt::LeftButton);
    });
    QVERIFY(!f.dialog.isVisible());
    QVERIFY(f.document == before);
    QCOMPARE(f.main.focusWidget(), &f.Bar1());

    QString kept;
    f.RunNewCommand([&] {
      kept = f.Width().text();
      QTest::keyClick(&f.Width(), Qt::Key_Escape);
    });
    QCOMPARE(kept, QStringLiteral("30"));
    QVERIFY(!f.dialog.isVisible());
    QVERIFY(f.document == before);
  }

  // "Новый" greys the view, runs the dialog modally and repaints after it.
  void newCommandRunsTheDialogOverTheGreyView() {
    DialogFixture f;
    QVERIFY(f.Start());
    f.document.gridWidth = f.document.gridHeight = 5;
    f.main.gridView().RepaintGrid();
    QRgb duringDialog = 0;
    bool modal = false;
    QTimer::singleShot(0, &f.dialog, [&] {
      modal = f.dialog.isVisible() && f.dialog.isModal();
      duringDialog = f.ViewPixel(20, 20);
      f.Width().setText(QStringLiteral("3"));
      f.Height().setText(QStringLiteral("2"));
      QTest::mouseClick(&f.Ok(), Qt::LeftButton);
    });
    QTest::mouseClick(f.Child<QPushButton>("Button2"), Qt::LeftButton);

    QVERIFY(modal);
    QCOMPARE(QColor(duringDialog), QColor(128, 128, 128));
    QCOMPARE(f.document.gridWidth, 3);
    QCOMPARE(f.document.gridHeight, 2);
    QCOMPARE(QColor(f.ViewPixel(20, 20)), QColor(255, 255, 255));
    QCOMPARE(QColor(f.ViewPixel(2 * 40 + 20, 40 + 20)), QColor(255, 255, 255));
    QCOMPARE(QColor(f.ViewPixel(3 * 40 + 20, 20)), QColor(128, 128, 128));
    QCOMPARE(QColor(f.ViewPixel(20, 2 * 40 + 20)), QColor(128, 128, 128));
  }
};

QTEST_MAIN(NewGridDialogTest)
#include "new_grid_dialog_test.moc"
