#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "dialogs/colour_grid.h"
#include "settings/colour_presets.h"
#include "program_fixture.h"

using namespace verstak;

namespace {

struct SettingsFixture : ProgramFixture {
  SettingsDialog& dialog = windows.settingsDialog;

  QLineEdit& Field(const char* name) { return *dialog.findChild<QLineEdit*>(QLatin1String(name)); }
  ColourGrid& Swatches() { return *dialog.findChild<ColourGrid*>(QStringLiteral("ColorGrid1")); }
  QRadioButton& Radio(const char* name) { return *dialog.findChild<QRadioButton*>(QLatin1String(name)); }
  void Ok() { QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton); }
  void Cancel() { QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button5")), Qt::LeftButton); }
  void ClickSwatch(int index) { QTest::mouseClick(&Swatches(), Qt::LeftButton, {}, Swatches().swatchRect(index).center()); }

  // "Установки" with `inDialog` run while the dialog shows; a dialog left
  // open is cancelled so that the test goes on.
  void RunSettingsCommand(const std::function<void()>& inDialog) {
    QTimer::singleShot(0, &dialog, [&] {
      inDialog();
      if (dialog.isVisible()) Cancel();
    });
    QTest::mouseClick(Child<QPushButton>("Button7"), Qt::LeftButton);
  }

  // The six fields in the order of SettingsFieldTexts.
  SettingsFieldTexts Shown() {
    return {Field("MaskEdit3").text().toStdString(), Field("MaskEdit4").text().toStdString(),
            Field("MaskEdit5").text().toStdString(), Field("MaskEdit6").text().toStdString(),
            Field("MaskEdit1").text().toStdString(), Field("MaskEdit2").text().toStdString()};
  }
};

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void groupsAndFirstTexts() {
    SettingsFixture f;
    const std::pair<const char*, const char*> groups[] = {
        {"GroupBox2", " Цвет фона определений ... "},
        {"GroupBox1", " Размеры клетки ... "},
        {"GroupBox3", " Углы  клеток ...  "},
    };
    for (const auto& [name, caption] : groups) {
      QCOMPARE(f.dialog.findChild<QGroupBox*>(QLatin1String(name))->title(), QString::fromUtf8(caption));
    }
    QVERIFY(!f.dialog.findChild<QGroupBox*>(QStringLiteral("GroupBox2"))->font().bold());
    QVERIFY(f.dialog.findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->font().bold());
    QVERIFY(f.Shown() == SettingsFieldTexts{});
    QCOMPARE(f.Field("MaskEdit3").text(), QStringLiteral("0  "));
    QCOMPARE(f.Field("MaskEdit1").text(), QStringLiteral("12,636"));
    QCOMPARE(f.Field("MaskEdit1").font().pixelSize(), 15);
    QVERIFY(f.Radio("RadioButton2").isChecked());
    QCOMPARE(f.Radio("RadioButton2").text(), QStringLiteral("Не закруглять"));
    QCOMPARE(f.Radio("RadioButton1").text(), QStringLiteral("Закруглять"));
    QCOMPARE(f.Swatches().size(), QSize(100, 100));
    QCOMPARE(f.Swatches().selected(), 7);
    // Every control lies inside the dialog's client area.
    for (QWidget* child : f.dialog.findChildren<QWidget*>()) {
      const QRect place(child->mapTo(&f.dialog, QPoint(0, 0)), child->size());
      QVERIFY2(f.dialog.rect().contains(place), qPrintable(child->objectName()));
    }
  }

  // The swatches show the 16 colours row by row; a click fills the four
  // colour fields from its preset and applies nothing.
  void swatchPresets() {
    SettingsFixture f;
    QVERIFY(f.Start());
    f.dialog.show();
    const QImage picture = f.Swatches().grab().toImage();
    for (int index = 0; index < 16; ++index) {
      const ColourPreset& preset = kColourPresets[index];
      QCOMPARE(f.Swatches().swatchRect(index).topLeft(), QPoint(index % 4 * 25, index / 4 * 25));
      if (index != f.Swatches().selected()) {
        QCOMPARE(picture.pixelColor(f.Swatches().swatchRect(index).center()),
                 QColor(preset.red, preset.green, preset.blue));
      }
      f.ClickSwatch(index);
      QCOMPARE(f.Swatches().selected(), index);
      QCOMPARE(f.Field("MaskEdit3").text().toStdString(), preset.cyan);
      QCOMPARE(f.Field("MaskEdit4").text().toStdString(), preset.magenta);
      QCOMPARE(f.Field("MaskEdit5").text().toStdString(), preset.yellow);
      QCOMPARE(f.Field("MaskEdit6").text().toStdString(), preset.black);
      QCOMPARE(f.Field("MaskEdit1").text(), QStringLiteral("12,636"));
    }
    QVERIFY(f.settings == PrintSettings{});
    f.Cancel();
    // Red, then OK: the fill colour of the macro.
    f.RunSettingsCommand([&] {
      f.ClickSwatch(9);
      f.Ok();
    });
    QCOMPARE(f.settings.cyanText, std::string("0,"));
    QCOMPARE(f.settings.magentaText, std::string("100,"));
    QCOMPARE(f.settings.yellowText, std::string("100,"));
    QCOMPARE(f.settings.blackText, std::string("0"));
    QVERIFY(!f.dialog.isVisible());
  }

  // The fields show the settings in force, however they came to be; OK
  // without a change keeps them.
  void okWithoutChangesKeepsTheSettingsInForce() {
    SettingsFixture f;
    QVERIFY(f.Start());
    f.settings.cellWidth = 1;
    f.settings.cornerRadius = 20000;
    f.settings.blackText = "100";
    QString widthShown;
    f.RunSettingsCommand([&] {
      widthShown = f.Field("MaskEdit1").text();
      f.Ok();
    });
    QCOMPARE(widthShown, QStringLiteral("0,0001"));
    QVERIFY(f.prompter.messages.empty());
    QCOMPARE(f.settings.cellWidth, 1);
    QCOMPARE(f.settings.cornerRadius, 20000);
    QCOMPARE(f.settings.blackText, std::string("100"));
    QVERIFY(!f.editor.GridPainted);
  }

  // Enter in a field is OK.
  void enterConfirms() {
    SettingsFixture f;
    QVERIFY(f.Start());
    f.RunSettingsCommand([&] {
      f.Field("MaskEdit1").setText(QStringLiteral("10"));
      QTest::keyClick(&f.Field("MaskEdit1"), Qt::Key_Enter, Qt::KeypadModifier);
    });
    QVERIFY(f.prompter.messages.empty());
    QCOMPARE(f.settings.cellWidth, 100000);
  }

  void roundedCornersAndSizes() {
    SettingsFixture f;
    QVERIFY(f.Start());
    f.RunSettingsCommand([&] {
      QTest::mouseClick(&f.Radio("RadioButton1"), Qt::LeftButton);
      f.Field("MaskEdit1").setText(QStringLiteral("10"));
      f.Field("MaskEdit2").setText(QStringLiteral(" 0,5 "));
      f.Ok();
    });
    QVERIFY(f.prompter.messages.empty());
    QCOMPARE(f.settings.cornerRadius, 20000);
    QCOMPARE(f.settings.cellWidth, 100000);
    QCOMPARE(f.settings.cellHeight, 5000);
  }

  // A sign or a blank after the comma is no millimetre text.
  void signOrBlankAfterTheCommaIsRefused() {
    SettingsFixture f;
    f.dialog.show();
    for (const char* typed : {",+6", ", 16"}) {
      f.prompter.messages.clear();
      f.Field("MaskEdit1").setText(QString::fromUtf8(typed));
      f.Ok();
      QCOMPARE(f.prompter.texts(), std::vector<std::string>{" В поле \"Ширина...\" ошибка! "});
      QVERIFY(f.dialog.isVisible());
      QCOMPARE(f.settings.cellWidth, PrintSettings{}.cellWidth);
    }
  }

  // The width is taken over before the height fails; Cancel keeps it, and
  // the close shows the accepted width and the height as it was.
  void partialOkThenCancelKeepsTheAppliedFields() {
    SettingsFixture f;
    QVERIFY(f.Start());
    bool stayedOpen = false;
    QString heightLeft;
    f.RunSettingsCommand([&] {
      f.Field("MaskEdit1").setText(QStringLiteral("10"));
      f.Field("MaskEdit2").setText(QStringLiteral("abc"));
      f.Field("MaskEdit3").setText(QStringLiteral("50"));
      f.Ok();
      stayedOpen = f.dialog.isVisible();
      heightLeft = f.Field("MaskEdit2").text();
      f.editor.GridPainted = true;
      f.Cancel();
    });
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{" В поле \"Высота...\" ошибка! "});
    QVERIFY(stayedOpen);
    QCOMPARE(heightLeft, QStringLiteral("abc"));  // left for correcting
    QCOMPARE(f.settings.cyanText, std::string("0,"));  // after the failing field: not taken
    QVERIFY(!f.dialog.isVisible());
    QVERIFY(!f.editor.GridPainted);
    QCOMPARE(f.settings.cellWidth, 100000);
    QCOMPARE(f.Field("MaskEdit1").text(), QStringLiteral("10"));
    QCOMPARE(f.Field("MaskEdit2").text(), QStringLiteral("12,636"));
    QCOMPARE(f.Field("MaskEdit3").text(), QStringLiteral("0  "));
    QCOMPARE(f.dialog.SavedFieldTexts().width, std::string("10"));
  }

  // Whatever closes the dialog, the fields show the texts of its showing.
  void fieldTextsRestoredOnClose() {
    SettingsFixture f;
    f.dialog.show();
    f.Field("MaskEdit6").setText(QStringLiteral("70"));
    f.ClickSwatch(2);
    f.dialog.close();  // the close box
    QVERIFY(f.Shown() == SettingsFieldTexts{});
    QVERIFY(f.settings == PrintSettings{});

    f.dialog.show();
    f.Field("MaskEdit4").setText(QStringLiteral("30"));
    QTest::keyClick(&f.Field("MaskEdit4"), Qt::Key_Escape);
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.Field("MaskEdit4").text(), QStringLiteral("0  "));
  }

  // A new grid puts the settings back to their defaults, and the dialog
  // shows the defaults then: what it shows is what prints.
  void settingsBackToDefaultsAfterANewGrid() {
    SettingsFixture f;
    QVERIFY(f.Start());
    QTimer::singleShot(0, &f.dialog, [&] {
      f.Field("MaskEdit1").setText(QStringLiteral("10"));
      f.Field("MaskEdit6").setText(QStringLiteral("45"));
      f.Ok();
    });
    QTest::mouseClick(f.Child<QPushButton>("Button7"), Qt::LeftButton);
    QCOMPARE(f.settings.cellWidth, 100000);
    QCOMPARE(f.main.focusWidget(), &f.Bar1());
    QVERIFY(!f.editor.GridPainted);

    QTimer::singleShot(0, &f.windows.newGrid, [&] {
      QTest::mouseClick(f.windows.newGrid.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QTest::mouseClick(f.Child<QPushButton>("Button2"), Qt::LeftButton);
    QVERIFY(f.settings == PrintSettings{});

    QString widthShown;
    QTimer::singleShot(0, &f.dialog, [&] {
      widthShown = f.Field("MaskEdit1").text();
      f.Ok();
    });
    QTest::mouseClick(f.Child<QPushButton>("Button7"), Qt::LeftButton);
    QCOMPARE(widthShown, QStringLiteral("12,636"));
    QVERIFY(f.settings == PrintSettings{});
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
