#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "preview/print_export.h"
#include "program_fixture.h"
#include "script/corel_script_writer.h"

using namespace verstak;

namespace {

// The check boxes with the pass each of them stands for.
const std::pair<const char*, bool PassChoices::*> kBoxes[] = {
    {"CheckBox1", &PassChoices::arrows},     {"CheckBox2", &PassChoices::text},
    {"CheckBox5", &PassChoices::allSquares}, {"CheckBox6", &PassChoices::pictures},
    {"CheckBox4", &PassChoices::fullSquares}, {"CheckBox3", &PassChoices::emptySquares},
};

struct ExportFixture : ProgramFixture {
  ExportDialog& dialog = windows.exportDialog;
  QTemporaryDir folder;

  QRadioButton& Radio(const char* name) { return *dialog.findChild<QRadioButton*>(QLatin1String(name)); }
  QCheckBox& Box(const char* name) { return *dialog.findChild<QCheckBox*>(QLatin1String(name)); }
  QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }
  // A layout button clicked with the mouse: pressed and released over it.
  void ClickLayout(const char* name) { QTest::mouseClick(&Radio(name), Qt::LeftButton, {}, QPoint(6, 8)); }

  // "Mакрос" with `inDialog` run while the dialog shows; OK unless it closed the dialog itself.
  void RunExportCommand(const std::function<void()>& inDialog) {
    QTimer::singleShot(0, &dialog, [&] {
      inDialog();
      if (dialog.isVisible()) QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>("Button1"), Qt::LeftButton);
  }

  void SmallDocument() {
    document.gridWidth = 3;
    document.gridHeight = 2;
    document.cells.at(1, 1) = {CellKind::Clue, 0};
    document.cells.at(2, 1) = {CellKind::ArrowFromTopRight, 0};
    document.cells.at(3, 2) = {CellKind::Picture, 0};
    document.definitions.slot(1).line(1).assign("clue");
  }

  static std::string Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  }
};

}  // namespace

class ExportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Dated as the export's writer dates by default.
  void initTestCase() { qputenv("SOURCE_DATE_EPOCH", "0"); }

  void firstState() {
    ExportFixture f;
    QCOMPARE(f.dialog.findChild<QGroupBox*>(QStringLiteral("RadioGroup1"))->title(),
             QStringLiteral("  Создать  макрос   для ...  "));
    QCOMPARE(f.dialog.findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(), QStringLiteral(" Выводить... "));
    QCOMPARE(f.Radio("RadioButton3").text(), QStringLiteral("CorelDRAW  9"));
    QCOMPARE(f.Radio("RadioButton1").text(), QStringLiteral("CorelDRAW  7"));
    QCOMPARE(f.Radio("RadioButton6").text(), QStringLiteral("CorelDRAW  10"));
    QCOMPARE(f.Radio("RadioButton1").geometry(), QRect(212, 34, 114, 13));
    QVERIFY(f.Radio("RadioButton3").isChecked());
    QVERIFY(f.Radio("RadioButton2").isChecked());
    QCOMPARE(f.Radio("RadioButton5").text(), QStringLiteral("По слоям"));
    QCOMPARE(f.Radio("RadioButton4").mapTo(&f.dialog, QPoint(0, 0)), QPoint(28 + 10, 110 + 54));
    QCOMPARE(f.dialog.findChild<QGroupBox*>(QStringLiteral("GroupBox2"))->geometry(), QRect(168, 10, 151, 147));
    for (const auto& [name, pass] : kBoxes) {
      QVERIFY2(f.Box(name).isChecked() && !f.Box(name).isEnabled(), name);
    }
    QCOMPARE(f.Box("CheckBox4").text(), QStringLiteral("Полные (квадраты)"));
    QCOMPARE(f.Box("CheckBox3").pos(), QPoint(10, 122));
    QVERIFY(f.dialog.choice() == ExportChoice{});
  }

  // Off, the boxes' captions keep a contrast of at least 3:1 to the teal
  // behind them (the contrast ratio of relative luminances), and still look
  // unlike the live ones.
  void disabledCaptionsStayReadable() {
    ExportFixture f;
    const auto luminance = [](const QColor& c) {
      const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
      return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const QColor background = f.dialog.palette().color(QPalette::Window);
    QCOMPARE(background, QColor(0, 128, 128));
    for (const auto& [name, pass] : kBoxes) {
      const QColor off = f.Box(name).palette().color(QPalette::Disabled, QPalette::WindowText);
      const double a = luminance(off) + 0.05;
      const double b = luminance(background) + 0.05;
      QVERIFY2(std::max(a, b) / std::min(a, b) >= 3.0, name);
      QVERIFY(off != f.Box(name).palette().color(QPalette::Active, QPalette::WindowText));
    }
  }

  // The boxes follow a layout chosen with the mouse; their ticks stay.
  void checkBoxesFollowTheLayoutByMouse() {
    ExportFixture f;
    f.dialog.show();
    f.ClickLayout("RadioButton5");
    QVERIFY(f.Radio("RadioButton5").isChecked());
    for (const auto& [name, pass] : kBoxes) QVERIFY2(f.Box(name).isEnabled(), name);
    QTest::mouseClick(&f.Box("CheckBox2"), Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(!f.Box("CheckBox2").isChecked());

    f.ClickLayout("RadioButton2");
    for (const auto& [name, pass] : kBoxes) QVERIFY2(!f.Box(name).isEnabled(), name);
    QVERIFY(!f.Box("CheckBox2").isChecked());
    QVERIFY(f.Box("CheckBox1").isChecked());

    f.ClickLayout("RadioButton4");
    QVERIFY(f.Box("CheckBox3").isEnabled());
    QCOMPARE(f.dialog.choice().layerMode, LayerMode::SeparatelyOnOneLayer);
    QVERIFY(!f.dialog.choice().passes.text);

    // Chosen with the keys, a layout leaves the boxes as they were.
    f.Radio("RadioButton2").setFocus();
    QTest::keyClick(&f.Radio("RadioButton2"), Qt::Key_Space);
    QVERIFY(f.Radio("RadioButton2").isChecked());
    QVERIFY(f.Box("CheckBox3").isEnabled());
    // A press that slides off the one-layer button before release does
    // nothing either: released over it, it would turn the boxes off.
    QTest::mousePress(&f.Radio("RadioButton2"), Qt::LeftButton, {}, QPoint(6, 8));
    QTest::mouseRelease(&f.Radio("RadioButton2"), Qt::LeftButton, {}, QPoint(6, 200));
    QVERIFY(f.Box("CheckBox3").isEnabled());
    QTest::mousePress(&f.Radio("RadioButton2"), Qt::LeftButton, {}, QPoint(6, 8));
    QTest::mouseRelease(&f.Radio("RadioButton2"), Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(!f.Box("CheckBox3").isEnabled());
  }

  // What the dialog shows is what the writer gets: the file is the writer's
  // macro for the same choice, with "Выполнено!" after it.
  void okWritesTheChosenMacro() {
    ExportFixture f;
    QVERIFY(f.Start());
    f.SmallDocument();
    f.settings.cellWidth = 100000;
    f.prompter.saveAnswers = {f.Path("scan.csc")};
    f.RunExportCommand([&] {
      QTest::mouseClick(&f.Radio("RadioButton1"), Qt::LeftButton, {}, QPoint(6, 6));
      f.ClickLayout("RadioButton5");
      QTest::mouseClick(&f.Box("CheckBox6"), Qt::LeftButton, {}, QPoint(6, 8));
      QTest::mouseClick(&f.Box("CheckBox3"), Qt::LeftButton, {}, QPoint(6, 8));
    });
    ExportChoice expected;
    expected.version = CorelVersion::Draw7;
    expected.layerMode = LayerMode::ByLayers;
    expected.passes.pictures = false;
    expected.passes.emptySquares = false;
    QCOMPARE(ExportFixture::Bytes(f.Path("scan.csc")), CorelScriptWriter(f.document, f.settings).write(expected));
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Success);
    QCOMPARE(f.main.focusWidget(), &f.Bar1());
    const RecordingPrompter::FileDialogCall& call = f.prompter.fileDialogCalls.at(0);
    QCOMPARE(call.filter, QStringLiteral("Файлы  макросов: *.csc (*.csc);;PDF: *.pdf (*.pdf);;SVG: *.svg (*.svg)"));
    QCOMPARE(call.defaultSuffix, QStringLiteral("csc"));
    QVERIFY(call.save && call.confirmOverwrite);
  }

  // The save dialog's name decides the format by its extension, else the
  // filter left chosen; the layout and the ticked passes apply to the SVG
  // as to the macro, the typesetting is the preview's.
  void printFilesByNameOrFilter() {
    ExportFixture f;
    QVERIFY(f.Start());
    f.SmallDocument();
    f.windows.preview.controls().size->setValue(6);
    const QString pdfFilter = QStringLiteral("PDF: *.pdf (*.pdf)");
    const QString svgFilter = QStringLiteral("SVG: *.svg (*.svg)");
    f.prompter.saveAnswers = {f.Path("a.PDF"), f.Path("b"), f.Path("c.csc")};
    f.prompter.saveFilterAnswers = {QString(), svgFilter, pdfFilter};
    const auto layersWithoutText = [&] {
      f.ClickLayout("RadioButton5");
      QTest::mouseClick(&f.Box("CheckBox2"), Qt::LeftButton, {}, QPoint(6, 8));
    };
    f.RunExportCommand(layersWithoutText);
    f.RunExportCommand([] {});
    f.RunExportCommand([] {});
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Выполнено!", "Выполнено!", "Выполнено!"}));

    ExportChoice choice;
    choice.layerMode = LayerMode::ByLayers;
    choice.passes.text = false;
    TypesetSettings typeset;
    typeset.size = 6;
    const PrintWriter writer(f.document, f.settings, typeset, *LoadTypesetFont(typeset.font).font);
    QCOMPARE(ExportFixture::Bytes(f.Path("a.PDF")), writer.pdf(choice, "Сканворд").bytes);
    const std::string svg = ExportFixture::Bytes(f.Path("b"));
    QCOMPARE(svg, writer.svg(choice, "Сканворд"));
    QVERIFY(svg.find("inkscape:groupmode=\"layer\"") != std::string::npos);
    QVERIFY(svg.find("<text") == std::string::npos);
    QCOMPARE(ExportFixture::Bytes(f.Path("c.csc")), CorelScriptWriter(f.document, f.settings).write(choice));

    QCOMPARE(ChosenExportFormat(QStringLiteral("/a.b/name"), pdfFilter), OutputFormat::Pdf);
    QCOMPARE(ChosenExportFormat(QStringLiteral("name.txt"), QString()), OutputFormat::Macro);
    QCOMPARE(ChosenExportFormat(QStringLiteral("name.Svg"), pdfFilter), OutputFormat::Svg);
  }

  // "Строгая проверка" refuses a PDF or SVG of a puzzle not ready for the
  // press, naming each cause, and writes nothing; unticked the file is
  // written and the causes are warnings under "Выполнено!". The macro is
  // written either way.
  void strictExportRefusesAPuzzleNotReady() {
    ExportFixture f;
    QVERIFY(f.Start());
    f.SmallDocument();  // its arrow comes from outside the grid; the clue cell leads to no word
    QCheckBox& strict = f.Box("CheckBox7");
    QCOMPARE(strict.text(), QStringLiteral("Строгая проверка"));
    QVERIFY(!strict.isChecked());
    f.prompter.saveAnswers = {f.Path("strict.pdf"), f.Path("strict.csc"), f.Path("loose.svg")};
    f.RunExportCommand([&] { QTest::mouseClick(&strict, Qt::LeftButton, {}, QPoint(6, 8)); });
    QVERIFY(f.dialog.strict());
    f.RunExportCommand([] {});
    f.RunExportCommand([&] { QTest::mouseClick(&strict, Qt::LeftButton, {}, QPoint(6, 8)); });
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Файл не записан: сканворд не готов к печати.",
                                                           "Выполнено!", "Выполнено!"}));
    const std::string causes = f.prompter.messages[0].details;
    QVERIFY2(causes.find("строка 1, столбец 2: стрелка вправо не от клетки с определением") != std::string::npos,
             causes.c_str());
    QVERIFY(causes.find("строка 1, столбец 1: мест для определений 1, слов 0") != std::string::npos);
    QVERIFY(!QFile::exists(f.Path("strict.pdf")));
    QVERIFY(QFile::exists(f.Path("strict.csc")));
    QVERIFY(QFile::exists(f.Path("loose.svg")));
    QVERIFY(f.prompter.messages[2].details.starts_with("Предупреждение: строка 1, столбец 1: "));
  }

  void version10Header() {
    ExportFixture f;
    QVERIFY(f.Start());
    f.SmallDocument();
    f.prompter.saveAnswers = {f.Path("ten.csc"), f.Path("nine.csc")};
    f.RunExportCommand([&] { QTest::mouseClick(&f.Radio("RadioButton6"), Qt::LeftButton, {}, QPoint(6, 6)); });
    f.RunExportCommand([&] { QTest::mouseClick(&f.Radio("RadioButton3"), Qt::LeftButton, {}, QPoint(6, 6)); });
    const std::string ten = ExportFixture::Bytes(f.Path("ten.csc"));
    const std::string nine = ExportFixture::Bytes(f.Path("nine.csc"));
    const std::string head = "\r\nREM \xCC\xE0\xEA\xF0\xEE\xF1 \xF1\xEE\xE7\xE4\xE0\xED \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xEE\xE9 "
                             "\"VERSTAK\"\r\n\r\n\r\nWITHOBJECT \"CorelDraw.Automation.";
    QVERIFY(ten.starts_with(head + "10\"\r\n .StartOfRecording\r\n"));
    QVERIFY(nine.starts_with(head + "9\"\r\n"));
    std::string nineAsTen = nine.substr(0, head.size());
    nineAsTen.append("10").append(nine, head.size() + 1);
    QVERIFY(nineAsTen == ten);
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Выполнено!", "Выполнено!"}));
  }

  // Without a file name nothing is written and nothing announced, even after
  // an earlier export that was.
  void cancelledFileDialogWritesNothing() {
    ExportFixture f;
    QVERIFY(f.Start());
    f.prompter.saveAnswers = {f.Path("first.csc"), QString()};
    f.RunExportCommand([] {});
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    f.RunExportCommand([] {});
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("first.csc")});
    QVERIFY(!f.dialog.isVisible());

    // Cancel in the dialog itself: no file dialog at all.
    f.RunExportCommand([&] { QTest::mouseClick(f.dialog.findChild<QPushButton*>(QStringLiteral("Button5")), Qt::LeftButton); });
    QCOMPARE(f.prompter.fileDialogCalls.size(), std::size_t{2});
    QCOMPARE(f.prompter.texts().size(), std::size_t{1});
  }

  // A macro that cannot be written is reported and never announced as done.
  void aFailedExportIsReported() {
    ExportFixture f;
    QVERIFY(f.Start());
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("taken.csc")));
    f.prompter.saveAnswers = {f.Path("taken.csc")};
    f.RunExportCommand([] {});
    QCOMPARE(f.prompter.texts(),
             std::vector<std::string>{" Не удалось записать файл макроса! \n" + f.Path("taken.csc").toStdString() + ": это папка"});
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Error);
    QVERIFY(QFileInfo(f.Path("taken.csc")).isDir());
  }
};

QTEST_MAIN(ExportDialogTest)
#include "export_dialog_test.moc"
