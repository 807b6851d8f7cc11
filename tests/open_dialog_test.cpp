#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "widgets/up_down.h"
#include "document/cp1251.h"
#include "files/scanword_file.h"
#include "program_fixture.h"

using namespace verstak;

namespace {

// Puzzle 3 of the grid file: `width` x `height`, a clue cell at the start
// of every row; puzzle 5: 2 x 1 without clue cells.
std::string GridFile(int width, int height) {
  std::string row = "\t";
  for (int x = 2; x <= width; ++x) row += x == 2 ? "A" : "\tA";
  std::string text = "\xB9 3\r\n";
  for (int y = 1; y <= height; ++y) text += row + "\r\n";
  return text + "\r\n\xB9 5\r\nA\tB\r\n\r\n";
}

const char kDefinitionsFile[] = "\xB9 3\r\n* First\r\n* Second\r\n\xB9 5\r\n* Fifth\r\n\xB9 6\r\n";

struct OpenFixture : ProgramFixture {
  OpenDialog& dialog = windows.open;
  QTemporaryDir folder;

  QString Write(const char* name, const std::string& bytes) {
    const QString path = folder.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
  }
  QLineEdit& Field(const char* name) { return *dialog.findChild<QLineEdit*>(QLatin1String(name)); }
  QPushButton& Button(const char* name) { return *dialog.findChild<QPushButton*>(QLatin1String(name)); }
  UpDown& Spinner() { return *dialog.findChild<UpDown*>(QStringLiteral("UpDown1")); }

  // "Открыть" with `inDialog` run while the dialog is shown; a dialog left
  // open is cancelled so that the test goes on.
  bool RunOpenCommand(const std::function<void()>& inDialog) {
    bool shownModally = false;
    QTimer::singleShot(0, &dialog, [&] {
      shownModally = dialog.isVisible() && dialog.isModal();
      inDialog();
      if (dialog.isVisible()) dialog.reject();
    });
    QTest::mouseClick(Child<QPushButton>("Button3"), Qt::LeftButton);
    return shownModally;
  }
  void Ok() { QTest::mouseClick(&Button("Button1"), Qt::LeftButton); }

  // A document unlike anything in the files.
  void FillDocument() {
    document.gridWidth = 4;
    document.gridHeight = 4;
    document.cells.at(4, 4) = {CellKind::Picture, 0};
    document.definitions.slot(9).line(1).assign("old");
  }
};

}  // namespace

class OpenDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");
    QTest::newRow("GroupBox1") << "GroupBox1" << " Файлы для нового кроссворда ... " << QRect(10, 13, 470, 113);
    QTest::newRow("MaskEdit1") << "MaskEdit1" << "1   " << QRect(384, 21, 39, 24);
    QTest::newRow("UpDown1") << "UpDown1" << "" << QRect(427, 21, 22, 24);
    QTest::newRow("Edit1") << "Edit1" << "" << QRect(154, 52, 203, 21);
    QTest::newRow("Button2") << "Button2" << "Открыть..." << QRect(367, 52, 92, 20);
    QTest::newRow("Edit2") << "Edit2" << "" << QRect(154, 79, 203, 21);
    QTest::newRow("Button3") << "Button3" << "Открыть..." << QRect(367, 80, 92, 20);
    QTest::newRow("GroupBox2") << "GroupBox2" << " Ранее сохраненный кроссворд ... " << QRect(13, 135, 469, 62);
    QTest::newRow("Edit3") << "Edit3" << "" << QRect(154, 25, 203, 21);
    QTest::newRow("Button4") << "Button4" << "Открыть..." << QRect(367, 24, 92, 21);
    QTest::newRow("Button1") << "Button1" << "ОК" << QRect(150, 212, 91, 20);
    QTest::newRow("Button5") << "Button5" << "Отмена" << QRect(252, 212, 92, 20);
  }
  void controlsAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    OpenFixture f;
    auto* control = f.dialog.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), place);
    if (auto* group = qobject_cast<QGroupBox*>(control)) QCOMPARE(group->title(), text);
    if (auto* field = qobject_cast<QLineEdit*>(control)) QCOMPARE(field->text(), text);
    if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), text);
  }

  void labelsAndFirstState() {
    OpenFixture f;
    const std::pair<const char*, const char*> labels[] = {
        {"Label3", "Номер кроссворда в файле сетки и определений ..."},
        {"Label1", "Файл сетки..."},
        {"Label2", "Файл определений..."},
        {"Label4", "Файл кроссворда ..."},
    };
    for (const auto& [name, text] : labels) {
      QCOMPARE(f.dialog.findChild<QLabel*>(QLatin1String(name))->text(), QString::fromUtf8(text));
    }
    QCOMPARE(f.dialog.findChild<QLabel*>(QStringLiteral("Label2"))->pos(), QPoint(20, 84));
    QVERIFY(f.Field("MaskEdit1").font().bold());
    QCOMPARE(f.dialog.puzzleNumber(), 1);
    QCOMPARE(f.Spinner().position(), 1);
    QCOMPARE(f.dialog.LastPuzzleNumber, 1);
  }

  void numberFieldPresetsAndLimits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("refused");
    QTest::newRow("12 with blanks") << " 12 " << 12 << false;
    QTest::newRow("0") << "0" << 1 << true;
    QTest::newRow("20000") << "20000" << 10000 << true;
    QTest::newRow("empty") << "" << 1 << false;
    QTest::newRow("10000") << "10000" << 10000 << false;
  }
  // The spinner keeps its range while the field is typed in; OK refuses a
  // number outside it, and the dialog stays open with the number's field
  // focused.
  void numberFieldPresetsAndLimits() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(bool, refused);
    OpenFixture f;
    QVERIFY(f.Start());
    f.Field("MaskEdit1").setText(QStringLiteral("77"));
    f.Field("MaskEdit1").setText(text);
    QCOMPARE(f.dialog.puzzleNumber(), number);
    QCOMPARE(f.Spinner().position(), number);

    f.dialog.show();
    f.Field("Edit1").setFocus();
    f.Ok();
    if (refused) {
      QCOMPARE(f.prompter.texts(), std::vector<std::string>{" Номер кроссворда должен быть от 1 до 10000! "});
      QVERIFY(f.dialog.isVisible());
      QCOMPARE(f.dialog.focusWidget(), &f.Field("MaskEdit1"));  // back at the field to mend
      QCOMPARE(f.dialog.LastPuzzleNumber, 1);
      f.dialog.reject();
      return;
    }
    // OK keeps it for the next showing, which shows it in the field.
    QVERIFY(f.prompter.messages.empty());
    QCOMPARE(f.dialog.LastPuzzleNumber, number);
    f.Field("MaskEdit1").setText(QStringLiteral("5"));
    QString presetText;
    f.RunOpenCommand([&] { presetText = f.Field("MaskEdit1").text(); });
    QCOMPARE(presetText, QString::number(number));
    QCOMPARE(f.dialog.puzzleNumber(), number);
  }

  // Only digits and blanks get into the field, so its text is always a
  // number or empty.
  void numberFieldTakesDigitsOnly() {
    OpenFixture f;
    QLineEdit& field = f.Field("MaskEdit1");
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("4a-2.x"));
    QCOMPARE(field.text(), QStringLiteral("42"));
    QCOMPARE(f.dialog.puzzleNumber(), 42);
    QVERIFY(f.prompter.messages.empty());
  }

  void spinnerStepsWithinTheRange() {
    OpenFixture f;
    f.dialog.show();
    QTest::mouseClick(&f.Spinner().upButton(), Qt::LeftButton);
    QCOMPARE(f.dialog.puzzleNumber(), 2);
    QCOMPARE(f.Field("MaskEdit1").text(), QStringLiteral("2"));
    QTest::mouseClick(&f.Spinner().downButton(), Qt::LeftButton);
    QTest::mouseClick(&f.Spinner().downButton(), Qt::LeftButton);
    QCOMPARE(f.dialog.puzzleNumber(), 1);  // no wrapping round to 10000
    QCOMPARE(f.Field("MaskEdit1").text(), QStringLiteral("1"));
    f.dialog.presetPuzzleNumber(10000);
    QTest::mouseClick(&f.Spinner().upButton(), Qt::LeftButton);
    QCOMPARE(f.dialog.puzzleNumber(), 10000);
  }

  void browseButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("missing");
    QTest::newRow("grid") << "Button2" << "Edit1" << "Файлы сеток: *.txt (*.txt)" << "txt" << "Такого файла сетки нет!";
    QTest::newRow("definitions") << "Button3" << "Edit2" << "Файлы определений: *.txt (*.txt)" << "txt"
                                 << "Такого файла определений нет!";
    QTest::newRow("scanword") << "Button4" << "Edit3" << "Файлы сканвордов: *.skw (*.skw)" << "skw"
                              << "Такого файла сканворда нет!";
  }
  void browseButtons() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, filter);
    QFETCH(QString, suffix);
    QFETCH(QString, missing);
    OpenFixture f;
    f.dialog.show();
    const QString picked = f.Write("picked.txt", "x");
    QLineEdit& name = f.Field(field.toLatin1().constData());
    QPushButton& browse = f.Button(button.toLatin1().constData());

    f.prompter.openAnswers = {picked, QString(), f.folder.filePath(QStringLiteral("gone.txt"))};
    QTest::mouseClick(&browse, Qt::LeftButton);
    QCOMPARE(name.text(), picked);
    QVERIFY(f.prompter.messages.empty());
    // Cancelled: nothing said, the field kept; then a name that does not
    // exist: reported, the field kept.
    QTest::mouseClick(&browse, Qt::LeftButton);
    QCOMPARE(name.text(), picked);
    QVERIFY(f.prompter.messages.empty());
    QTest::mouseClick(&browse, Qt::LeftButton);
    QCOMPARE(name.text(), picked);
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{missing.toStdString()});
    QCOMPARE(f.prompter.fileDialogCalls.size(), std::size_t{3});
    QCOMPARE(f.prompter.fileDialogCalls[0].save, false);
    QCOMPARE(f.prompter.fileDialogCalls[0].filter, filter);
    QCOMPARE(f.prompter.fileDialogCalls[0].defaultSuffix, suffix);
  }

  // Read, reported and shown: "Выполнено!", the range rule, the repaint and
  // the focus on the horizontal scroll bar.
  void openingAPuzzleThroughTheCommand() {
    OpenFixture f;
    QVERIFY(f.Start());
    f.document.gridWidth = f.document.gridHeight = 2;
    f.HoldUnsavedWork();
    f.prompter.questionAnswers = {Prompter::Answer::No};
    f.main.gridView().RepaintGrid();
    const QString grid = f.Write("setki.txt", GridFile(30, 20));
    const QString definitions = f.Write("opredeleniya.txt", kDefinitionsFile);
    QRgb duringDialog = 0;
    QVERIFY(f.RunOpenCommand([&] {
      duringDialog = f.ViewPixel(20, 20);
      f.Field("MaskEdit1").setText(QStringLiteral("3"));
      f.Field("Edit1").setText(grid);
      f.Field("Edit2").setText(definitions);
      f.Ok();
    }));
    QCOMPARE(QColor(duringDialog), QColor(128, 128, 128));
    QCOMPARE(f.prompter.messages.size(), std::size_t{1});
    QCOMPARE(f.prompter.messages[0], UserMessage::Success("Выполнено!"));
    QCOMPARE(f.document.gridWidth, 30);
    QCOMPARE(f.document.gridHeight, 20);
    QCOMPARE(f.document.cells.at(1, 20).kind, CellKind::Clue);
    QCOMPARE(f.document.cells.at(2, 20).kind, CellKind::Letter);
    QCOMPARE(f.document.definitions.slot(2).line(1).text(), std::string_view("Second"));
    QCOMPARE(f.Bar1().maximum(), 30 - f.editor.visibleColumns + 1);
    QCOMPARE(f.Bar2().maximum(), 20 - f.editor.visibleRows + 1);
    QVERIFY(!f.editor.GridPainted);
    QCOMPARE(QColor(f.ViewPixel(20, 20)), QColor(128, 128, 128));  // clue cell (1,1)
    QCOMPARE(QColor(f.ViewPixel(60, 20)), QColor(255, 255, 255));  // letter cell (2,1)
    QCOMPARE(f.main.focusWidget(), &f.Bar1());
    QCOMPARE(f.dialog.LastPuzzleNumber, 3);
    QVERIFY(!f.session.modified());  // grid and clue texts both from the files
  }

  // However often files were opened before, nothing named reads nothing and
  // says so, without "Выполнено!".
  void okWithNoFields() {
    OpenFixture f;
    QVERIFY(f.Start());
    const QString grid = f.Write("setki.txt", GridFile(5, 5));
    f.RunOpenCommand([&] {
      f.Field("Edit1").setText(grid);
      f.Ok();
    });
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    const ScanwordDocument before = f.document;
    f.prompter.messages.clear();
    f.RunOpenCommand([&] {
      f.Field("Edit1").clear();
      f.Ok();
    });
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Ни один файл не выбран!"});
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Error);
    QVERIFY(f.document == before);
    QVERIFY(!f.editor.GridPainted);
  }

  void gridAndScanwordBothGivenReadsTheScanword() {
    OpenFixture f;
    QVERIFY(f.Start());
    ScanwordDocument saved;
    saved.gridWidth = 3;
    saved.gridHeight = 1;
    saved.cells.at(1, 1) = {CellKind::ClueSplitVertical, 0};
    saved.cells.at(2, 1) = {CellKind::ArrowFromTopRight, 17};
    saved.definitions.slot(1).line(1).assign("one");
    saved.definitions.slot(2).line(3).assign("two");
    const QString scanword = f.folder.filePath(QStringLiteral("saved.skw"));
    QVERIFY(!WriteScanwordFile(QFile::encodeName(scanword).toStdString(), saved));
    f.FillDocument();
    f.HoldUnsavedWork();
    f.prompter.questionAnswers = {Prompter::Answer::No};
    f.RunOpenCommand([&] {
      f.Field("Edit1").setText(f.Write("setki.txt", GridFile(5, 5)));
      f.Field("Edit3").setText(scanword);
      f.Ok();
    });
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    QCOMPARE(f.document.gridWidth, 3);
    QCOMPARE(f.document.gridHeight, 1);
    QCOMPARE(f.document.cells, saved.cells);
    QCOMPARE(f.document.definitions.slot(1).line(1).text(), std::string_view("one"));
    QCOMPARE(f.document.definitions.slot(2).line(1).text(), std::string_view("two"));  // moved up
    QVERIFY(f.document.definitions.slot(9).isEmpty());
    QVERIFY(!f.session.modified());
  }

  void onlyDefinitionsKeepTheGrid() {
    OpenFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    f.HoldUnsavedWork();
    f.prompter.questionAnswers = {Prompter::Answer::No};
    const CellGrid cells = f.document.cells;
    f.RunOpenCommand([&] {
      f.Field("Edit2").setText(f.Write("opredeleniya.txt", kDefinitionsFile));
      f.Field("MaskEdit1").setText(QStringLiteral("5"));
      f.Ok();
    });
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    QCOMPARE(f.document.gridWidth, 4);
    QVERIFY(f.document.cells == cells);
    QCOMPARE(f.document.definitions.slot(1).line(1).text(), std::string_view("Fifth"));
    QCOMPARE(f.document.definitions.lastSlotWithText(), 1);
    // The grid's edits are still not saved anywhere.
    QVERIFY(f.session.modified());
  }

  void onlyGridKeepsTheClueTexts() {
    OpenFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    f.RunOpenCommand([&] {
      f.Field("Edit1").setText(f.Write("setki.txt", GridFile(5, 5)));
      f.Field("MaskEdit1").setText(QStringLiteral("5"));
      f.Ok();
    });
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    QCOMPARE(f.document.gridWidth, 2);
    QCOMPARE(f.document.gridHeight, 1);
    QCOMPARE(f.document.cells.at(4, 4), GridCell{});
    QCOMPARE(f.document.definitions.slot(9).line(1).text(), std::string_view("old"));
  }

  // A missing grid file is reported and the clue texts are still read.
  void aMissingFileLetsTheOtherBeRead() {
    OpenFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    f.RunOpenCommand([&] {
      f.Field("Edit1").setText(f.folder.filePath(QStringLiteral("gone.txt")));
      f.Field("Edit2").setText(f.Write("opredeleniya.txt", kDefinitionsFile));
      f.Field("MaskEdit1").setText(QStringLiteral("3"));
      f.Ok();
    });
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Такого файла сетки нет!", "Выполнено!"}));
    QCOMPARE(f.document.cells.at(4, 4).kind, CellKind::Picture);
    QCOMPARE(f.document.definitions.slot(1).line(1).text(), std::string_view("First"));
  }

  // Unsaved work is asked about once OK is pressed and something is going to
  // be read: Да saves first (and stops when the save does not happen), Нет
  // reads, Отмена leaves the document as it was.
  void unsavedWorkIsAskedAbout() {
    OpenFixture f;
    QVERIFY(f.Start());
    const QString grid = f.Write("setki.txt", GridFile(5, 5));
    const auto open = [&](const QString& gridName) {
      f.RunOpenCommand([&] {
        f.Field("Edit1").setText(gridName);
        f.Field("MaskEdit1").setText(QStringLiteral("3"));
        f.Ok();
      });
    };
    f.FillDocument();
    f.HoldUnsavedWork();
    const ScanwordDocument before = f.document;

    f.RunOpenCommand([&] { QTest::mouseClick(&f.Button("Button5"), Qt::LeftButton); });
    open(f.folder.filePath(QStringLiteral("gone.txt")));  // nothing to read: not asked
    QVERIFY(f.prompter.questions.empty());
    f.prompter.messages.clear();

    f.prompter.questionAnswers = {Prompter::Answer::Cancel};
    open(grid);
    QCOMPARE(f.prompter.questions, std::vector<QString>{QStringLiteral("Сохранить изменения?")});
    QVERIFY(f.document == before);
    QVERIFY(f.prompter.messages.empty());

    f.prompter.questionAnswers = {Prompter::Answer::Yes};
    f.prompter.saveAnswers = {QString()};  // the save dialog cancelled: nothing read
    open(grid);
    QVERIFY(f.document == before);
    QVERIFY(f.session.modified());

    f.prompter.questionAnswers = {Prompter::Answer::Yes};
    f.prompter.saveAnswers = {f.folder.filePath(QStringLiteral("kept.skw"))};
    open(grid);
    const std::string kept = QFile::encodeName(f.folder.filePath(QStringLiteral("kept.skw"))).toStdString();
    QCOMPARE(int(ReadScanwordFile(kept).width), 4);
    QCOMPARE(f.document.gridWidth, 5);
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    QCOMPARE(f.main.windowTitle(), QStringLiteral("VERSTAK — кроссворд 3"));
  }

  // A puzzle the files do not hold is told at once, without a question
  // about unsaved work that nothing is going to replace.
  void notFoundIsToldWithoutAQuestion() {
    OpenFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    f.HoldUnsavedWork();
    const ScanwordDocument before = f.document;
    f.RunOpenCommand([&] {
      f.Field("Edit1").setText(f.Write("setki.txt", GridFile(5, 5)));
      f.Field("Edit2").setText(f.Write("opredeleniya.txt", kDefinitionsFile));
      f.Field("MaskEdit1").setText(QStringLiteral("7"));
      f.Ok();
    });
    QVERIFY(f.prompter.questions.empty());
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Такой сетки нет!", "Такого кроссворда нет!"}));
    for (const UserMessage& message : f.prompter.messages) QCOMPARE(message.details, std::string("Номер кроссворда: 7"));
    QVERIFY(f.document == before);
    QVERIFY(f.session.modified());
  }

  // A smaller puzzle opened while the view is scrolled far shows from a
  // place inside the new grid, the scroll ranges narrowed to it.
  void theViewFitsTheGridJustOpened() {
    OpenFixture f;
    QVERIFY(f.Start());
    const QString big = f.Write("big.txt", GridFile(99, 99));
    const QString small = f.Write("small.txt", GridFile(20, 15));
    for (const QString& grid : {big, small}) {
      f.RunOpenCommand([&] {
        f.Field("Edit1").setText(grid);
        f.Field("MaskEdit1").setText(QStringLiteral("3"));
        f.Ok();
      });
      if (grid == big) {
        f.Bar1().triggerAction(QAbstractSlider::SliderToMaximum);
        f.Bar2().triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(f.editor.viewOriginX, 99 - f.editor.visibleColumns + 1);
      }
    }
    QCOMPARE(f.Bar1().maximum(), 20 - f.editor.visibleColumns + 1);
    QCOMPARE(f.Bar2().maximum(), std::max(1, 15 - f.editor.visibleRows + 1));
    QCOMPARE(f.editor.viewOriginX, f.Bar1().maximum());
    QCOMPARE(f.editor.viewOriginY, f.Bar2().maximum());
    QCOMPARE(f.Bar1().value(), f.editor.viewOriginX);
    // The last column of the grid stands in the view's last column.
    QCOMPARE(QColor(f.ViewPixel((f.editor.visibleColumns - 1) * 40 + 20, 20)), QColor(255, 255, 255));
  }

  // Enter in a field is OK.
  void enterConfirms() {
    OpenFixture f;
    QVERIFY(f.Start());
    const QString grid = f.Write("setki.txt", GridFile(5, 5));
    f.RunOpenCommand([&] {
      f.Field("Edit1").setText(grid);
      f.Field("MaskEdit1").setText(QStringLiteral("3"));
      QTest::keyClick(&f.Field("Edit1"), Qt::Key_Return);
    });
    QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Выполнено!"});
    QCOMPARE(f.document.gridWidth, 5);
  }

  void cancelReadsNothing() {
    OpenFixture f;
    QVERIFY(f.Start());
    f.FillDocument();
    const ScanwordDocument before = f.document;
    f.RunOpenCommand([&] {
      f.Field("Edit1").setText(f.Write("setki.txt", GridFile(5, 5)));
      f.Field("MaskEdit1").setText(QStringLiteral("3"));
      QTest::mouseClick(&f.Button("Button5"), Qt::LeftButton);
    });
    QVERIFY(f.prompter.messages.empty());
    QVERIFY(f.document == before);
    QVERIFY(!f.editor.GridPainted);
    QCOMPARE(f.dialog.LastPuzzleNumber, 1);
    // The fields keep their texts for the next showing.
    QVERIFY(f.Field("Edit1").text().endsWith(QStringLiteral("setki.txt")));
  }
};

QTEST_MAIN(OpenDialogTest)
#include "open_dialog_test.moc"
