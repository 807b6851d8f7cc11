// The print settings kept between runs in the user's settings, each value
// checked on the way in; and the names the save dialogs offer.

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "dialogs/print_settings_store.h"
#include "program_windows.h"
#include "recording_prompter.h"

using namespace verstak;

Q_DECLARE_METATYPE(verstak::DocumentName)

namespace {

// The program's windows over a settings file of the test's own.
struct KeptFixture {
  QTemporaryDir folder;
  QSettings kept{folder.filePath(QStringLiteral("kept.ini")), QSettings::IniFormat};
  ScanwordDocument document;
  EditorState editor;
  PrintSettings settings;
  RecordingPrompter prompter;
  DocumentSession session{document, settings};
  std::unique_ptr<ProgramWindows> windows;

  bool Start() {
    windows = std::make_unique<ProgramWindows>(session, editor, settings, prompter, StartupSplash::Skip, &kept);
    windows->main.resize(800, 570);
    windows->main.show();
    if (!QTest::qWaitForWindowExposed(&windows->main)) return false;
    return QTest::qWaitFor([this] { return windows->main.leftPanel().width() == 255; });
  }
  void Click(const char* name) {
    QTest::mouseClick(windows->main.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
  }
};

const PrintSettings kChosen{150000, 99000, 20000, "40,", "5,", "100,", "0"};

const QStringList kKeys{"print/cellWidth", "print/cellHeight", "print/cornerRadius", "print/cyan",
                        "print/magenta",   "print/yellow",     "print/black"};

// In the order of kKeys.
QStringList Fields(const PrintSettings& settings) {
  return {QString::number(settings.cellWidth),          QString::number(settings.cellHeight),
          QString::number(settings.cornerRadius),       QString::fromStdString(settings.cyanText),
          QString::fromStdString(settings.magentaText), QString::fromStdString(settings.yellowText),
          QString::fromStdString(settings.blackText)};
}

}  // namespace

class KeptSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  // One value stored by hand, the others left out: what is read.
  void eachValueCheckedOnRead_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("read");  // the field read back, as text
    const auto row = [](const char* name, const char* key, QVariant stored, const char* read) {
      QTest::newRow(name) << QString::fromLatin1(key) << stored << QString::fromLatin1(read);
    };
    row("width", "print/cellWidth", 150000, "150000");
    row("width 100 mm", "print/cellWidth", 1000000, "1000000");
    row("width over 100 mm", "print/cellWidth", 1000001, "126360");
    row("width 0", "print/cellWidth", 0, "126360");
    row("width negative", "print/cellWidth", -5, "126360");
    row("width not a number", "print/cellWidth", "12,6", "126360");
    row("height", "print/cellHeight", 5000, "5000");
    row("rounded", "print/cornerRadius", 20000, "20000");
    row("radius of no choice", "print/cornerRadius", 300, "0");
    row("cyan", "print/cyan", "40,", "40,");
    row("cyan 100", "print/cyan", "100,", "100,");
    row("cyan over 100", "print/cyan", "101,", "0,");
    row("cyan without its comma", "print/cyan", "40", "0,");
    row("cyan not a number", "print/cyan", "x,", "0,");
    row("magenta too long", "print/magenta", "00000001,", "0,");
    row("yellow empty", "print/yellow", "", "0,");
    row("black", "print/black", "75", "75");
    row("black with a comma", "print/black", "75,", "20");
    row("black over 100", "print/black", "200", "20");
  }
  void eachValueCheckedOnRead() {
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, read);
    QTemporaryDir folder;
    QSettings kept(folder.filePath(QStringLiteral("kept.ini")), QSettings::IniFormat);
    kept.setValue(key, stored);
    const QStringList fields = Fields(LoadPrintSettings(kept));
    QStringList expected = Fields(PrintSettings{});
    expected[kKeys.indexOf(key)] = read;  // the others stay at their defaults
    QCOMPARE(fields, expected);
  }

  void keptValuesReadBack() {
    QTemporaryDir folder;
    QSettings kept(folder.filePath(QStringLiteral("kept.ini")), QSettings::IniFormat);
    QCOMPARE(LoadPrintSettings(kept), PrintSettings{});
    KeepPrintSettings(kept, kChosen);
    QCOMPARE(LoadPrintSettings(kept), kChosen);
  }

  // Kept from the last run: in force after the start-up and after "Новый";
  // what "Установки" gives is kept for the next.
  void theWindowsStartWithTheKeptSettingsAndKeepTheChosen() {
    KeptFixture f;
    KeepPrintSettings(f.kept, kChosen);
    QVERIFY(f.Start());
    QCOMPARE(f.settings, kChosen);
    f.windows->main.ResetDocument();
    QCOMPARE(f.settings, kChosen);

    SettingsDialog& dialog = f.windows->settingsDialog;
    QTimer::singleShot(0, &dialog, [&] {
      QLineEdit* width = dialog.findChild<QLineEdit*>(QStringLiteral("MaskEdit1"));
      QCOMPARE(width->text(), QStringLiteral("15"));  // the field shows the kept value
      width->setText(QStringLiteral("20"));
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    f.Click("Button7");
    QCOMPARE(f.settings.cellWidth, 200000);
    QCOMPARE(LoadPrintSettings(f.kept).cellWidth, 200000);
    QCOMPARE(LoadPrintSettings(f.kept).cyanText, std::string("40,"));
  }

  // "Сохранить" and "Mакрос" offer the puzzle's number, or the scanword
  // file's name; a document of neither offers none.
  void theSaveDialogsSuggestAName_data() {
    QTest::addColumn<DocumentName>("name");
    QTest::addColumn<QString>("suggested");
    QTest::newRow("puzzle") << DocumentName::OfPuzzle(124) << QStringLiteral("124");
    QTest::newRow("scanword file") << DocumentName::OfScanwordFile(QStringLiteral("/tmp/сканворды/№ 7.skw"))
                                   << QStringLiteral("№ 7");
    QTest::newRow("new") << DocumentName{} << QString();
  }
  void theSaveDialogsSuggestAName() {
    QFETCH(DocumentName, name);
    QFETCH(QString, suggested);
    KeptFixture f;
    QVERIFY(f.Start());
    f.session.setName(name);
    f.Click("Button4");
    QTimer::singleShot(0, &f.windows->exportDialog, [&] {
      QTest::mouseClick(f.windows->exportDialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    f.Click("Button1");
    QCOMPARE(f.prompter.fileDialogCalls.size(), std::size_t{2});
    QCOMPARE(f.prompter.fileDialogCalls[0].suggestedName, suggested);
    QCOMPARE(f.prompter.fileDialogCalls[1].suggestedName, suggested);
  }
};

QTEST_MAIN(KeptSettingsTest)
#include "kept_settings_test.moc"
