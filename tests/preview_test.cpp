// The preview window over the program's windows: the page it renders is the
// PDF the export writes, its typesetting is kept and re-renders, the clues
// that do not fit are outlined and a click away from the memo, and what it
// saves and prints is checked with verstak-batch and poppler-utils.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfDocument>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sstream>

#include "cli/batch_run.h"
#include "document/cp1251.h"
#include "document/slot_numbering.h"
#include "every_kind_grid.h"
#include "session/document_history.h"
#include "preview/page_printing.h"
#include "preview/page_render.h"
#include "preview/page_view.h"
#include "preview/print_export.h"
#include "print/font_faces.h"
#include "program_fixture.h"
#include "script/makros.h"

using namespace verstak;

namespace {

// 99 x 99 cells of every kind, every clue slot holding 16 full lines.
void FillLargestGrid(ScanwordDocument& document) {
  testing::FillEveryKind(document);
  const std::string line = Utf8ToCp1251("Клюв \"слова\" 0123456789 abcdefgh");
  for (int slot = 1; slot <= kDefinitionSlots; ++slot) {
    for (int number = 1; number <= kDefinitionLines; ++number) document.definitions.slot(slot).line(number).assign(line);
  }
}

// Too long for a clue cell at 5 pt, short enough at 3 pt; digits have no
// hyphenation points, so no breaking helps.
const char* const kLongWord = "123456789012345678";

struct PreviewFixture : ProgramFixture {
  QTemporaryDir folder;
  PreviewWindow& preview = windows.preview;

  QString Path(const QString& name) const { return folder.filePath(name); }

  // Puzzle `number` of the bundled examples, read through "Открыть".
  void OpenExample(int number) {
    QTimer::singleShot(0, &windows.open, [this, number] {
      const QString examples = QStringLiteral(VERSTAK_EXAMPLES_DIR);
      windows.open.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(examples + "/setki.txt");
      windows.open.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(examples + "/opredeleniya.txt");
      windows.open.findChild<QLineEdit*>(QStringLiteral("MaskEdit1"))->setText(QString::number(number));
      QTest::mouseClick(windows.open.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>("Button3"), Qt::LeftButton);
    // What the open reported is not the preview's.
    prompter.messages.clear();
  }

  // The first (last) clue cell of `kind` in reading order, and its first slot.
  std::pair<QPoint, int> FirstCell(CellKind kind, bool last = false) const {
    std::pair<QPoint, int> found{{0, 0}, 0};
    for (int y = 1; y <= document.gridHeight; ++y) {
      for (int x = 1; x <= document.gridWidth; ++x) {
        if (document.cells.at(x, y).kind != kind) continue;
        const auto numbers = SlotNumbering(document, x, y);
        found = {{x, y}, numbers ? numbers->first : 0};
        if (!last) return found;
      }
    }
    return found;
  }

  void SetClue(int slot, const char* utf8) {
    document.definitions.slot(slot) = DefinitionText{};
    document.definitions.slot(slot).line(1).assign(Utf8ToCp1251(utf8));
  }

  // The bytes the export's writer gives for the document as it is now.
  std::string WriterPdf(const QString& title) {
    const TypesetSettings typeset = preview.typesetting();
    const PrintWriter writer(document, settings, typeset, *LoadTypesetFont(typeset.font).font);
    return writer.pdf(windows.exportDialog.choice(), title.toStdString()).bytes;
  }

  bool WaitForRender() {
    QSignalSpy rendered(&preview, &PreviewWindow::rendered);
    return rendered.wait(5000);
  }

  // Until no change waits to be shown: the worker's page is in the window.
  bool Rendered(int timeout = 10000) {
    return QTest::qWaitFor([this] { return !preview.renderPending(); }, timeout);
  }
  bool Show() {
    preview.ShowPreview();
    return Rendered();
  }

  QImage Page() { return preview.pageView().grab().toImage(); }

  QList<int> FitSlots() const {
    QList<int> listed;
    for (const ClueFit& clue : preview.fitReport().clues) listed << clue.slot;
    return listed;
  }
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A tool of poppler-utils; its standard output.
QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("failed: ") + program;
  return QString::fromUtf8(process.readAllStandardOutput());
}

bool Near(QRgb pixel, QColor expected, int tolerance) {
  return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
         std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
         std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

bool Reddish(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

// The box of the cell's frame (row, column) in the drawing, in mm.
std::optional<PageBox> FrameOf(const Drawing& drawing, int column, int row) {
  for (const Shape& shape : drawing.shapes) {
    const auto* rectangle = std::get_if<RectangleShape>(&shape.form);
    if (rectangle && shape.column == column && shape.row == row) return rectangle->box;
  }
  return std::nullopt;
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    // Dated as the export's writer dates by default.
    qputenv("SOURCE_DATE_EPOCH", "0");
  }

  // F5 opens the preview on the very PDF of the export, rendered: clue
  // backgrounds grey at K 20, letter cells white, frames dark, where the
  // drawing puts them; fitted to the window.
  void rendersThePageOfAnExamplePuzzle() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    QCOMPARE(int{f.document.gridWidth}, 4);
    QTest::keyClick(&f.Bar1(), Qt::Key_F5);
    QVERIFY(f.preview.isVisible());
    QVERIFY(f.Rendered());
    QCOMPARE(f.preview.pdfBytes().toStdString(), f.WriterPdf(QStringLiteral("Сканворд 1")));

    QPdfDocument shown;
    QBuffer buffer;
    buffer.setData(f.preview.pdfBytes());
    buffer.open(QIODevice::ReadOnly);
    shown.load(&buffer);
    QCOMPARE(shown.pageCount(), 1);
    const PageView& view = f.preview.pageView();
    const QSizeF pageMm = view.pageSize();
    QCOMPARE(qRound(shown.pagePointSize(0).width() * 100), qRound(pageMm.width() / kMillimetresPerPoint * 100));
    // Fitted: the whole page in sight.
    const QSize room = f.preview.scrollArea().viewport()->size();
    QVERIFY(view.width() <= room.width() && view.height() <= room.height());

    f.preview.setZoom(200);
    const TypesetSettings typeset = f.preview.typesetting();
    const Drawing drawing =
        PrintWriter(f.document, f.settings, typeset, *LoadTypesetFont(typeset.font).font).drawing(ExportChoice{});
    const auto [clueCell, clueSlot] = f.FirstCell(CellKind::Clue);
    QVERIFY(clueSlot > 0);
    const QImage page = f.Page();
    QCOMPARE(page.devicePixelRatio(), 1.0);
    // The drawing lies inside the bleed of 3 mm and the frame's half line.
    const auto pixelAt = [&](double xMm, double yMm) {
      const QRectF at = view.markRect(QRectF(xMm + 3.1, yMm + 3.1, 0, 0));
      return page.pixel(static_cast<int>(at.x()), static_cast<int>(at.y()));
    };
    const PageBox clue = *FrameOf(drawing, clueCell.x(), clueCell.y());
    const PageBox letter = *FrameOf(drawing, 2, 2);
    QCOMPARE(f.document.cells.at(2, 2).kind, CellKind::Letter);
    QVERIFY(Near(pixelAt(clue.left + 1, clue.top + 1), QColor(204, 204, 204), 12));  // K 20 inside the corner
    QVERIFY(Near(pixelAt(letter.centre().x, letter.centre().y), Qt::white, 0));
    QVERIFY(qGray(pixelAt(letter.left, letter.centre().y)) < 160);  // the frame between them
  }

  // The preview follows the document, the print settings and the export
  // dialog's choice: a change is rendered by the timer, not at once.
  void changesAreRenderedShortlyAfter() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    QVERIFY(f.Show());
    const QByteArray before = f.preview.pdfBytes();

    // "Установки": 20 mm cells.
    QTimer::singleShot(0, &f.windows.settingsDialog, [&] {
      f.windows.settingsDialog.findChild<QLineEdit*>(QStringLiteral("MaskEdit1"))->setText(QStringLiteral("20"));
      QTest::mouseClick(f.windows.settingsDialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QTest::mouseClick(f.Child<QPushButton>("Button7"), Qt::LeftButton);
    QCOMPARE(f.settings.cellWidth, 200000);
    QVERIFY(f.preview.renderPending());
    QVERIFY(f.WaitForRender());
    QVERIFY(f.preview.pdfBytes() != before);
    // The page: the grid, its frame's line and the bleed of 3 mm on each side.
    QVERIFY(std::abs(f.preview.pageView().pageSize().width() - (4 * 20.0 + 0.2 + 6)) < 0.01);

    // A tool applied with the mouse is a step of the history.
    QTest::mouseClick(f.Child<QAbstractButton>("SpeedButton23"), Qt::LeftButton);
    QTest::mouseClick(&f.main.gridView(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    QVERIFY(f.preview.renderPending());
    QVERIFY(f.WaitForRender());
    QCOMPARE(f.preview.pdfBytes().toStdString(), f.WriterPdf(QStringLiteral("Сканворд 1")));
  }

  // "Перенести строки" stores the lines shown in the clue texts, one step
  // that Ctrl+Z takes back whole; a clue whose lines a text cannot hold is
  // said and left.
  void rebreakStoresTheLinesShownAsOneStep() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    const auto [cell, first] = f.FirstCell(CellKind::Clue);
    const auto [last, lastSlot] = f.FirstCell(CellKind::Clue, true);
    QVERIFY(first != lastSlot);
    f.SetClue(first, "Комнатное растение двухколесного транспорта");
    DefinitionText tooMany;
    for (int line = 1; line <= 16; ++line) tooMany.line(line).assign("123456789012345678 123456789012345678");
    f.document.definitions.slot(lastSlot) = tooMany;
    const ScanwordDocument before = f.document;
    QVERIFY(f.Show());
    const int steps = f.session.history().count();

    QTest::mouseClick(f.preview.controls().rebreak, Qt::LeftButton);
    QCOMPARE(f.session.history().count(), steps + 1);
    // The lines are the ones the PDF sets.
    const Drawing drawing =
        PrintWriter(before, f.settings, f.preview.typesetting(), *f.preview.typesetFont().font).drawing(ExportChoice{});
    int compared = 0;
    for (const Shape& shape : drawing.shapes) {
      const auto* block = std::get_if<TextBlock>(&shape.form);
      if (block == nullptr || block->fit.slot != first) continue;
      QVERIFY(block->lines.size() > 1);
      for (std::size_t i = 0; i < block->lines.size(); ++i) {
        QCOMPARE(f.document.definitions.slot(first).line(static_cast<int>(i) + 1).text(), block->lines[i].text);
        ++compared;
      }
    }
    QVERIFY(compared > 1);
    const DefinitionText rebroken = f.document.definitions.slot(first);
    QVERIFY(f.document.definitions.slot(lastSlot) == tooMany);
    QCOMPARE(f.prompter.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(f.prompter.messages.back().details).contains(QStringLiteral("набрано строк")));

    QTest::keyClick(&f.main, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(f.document.definitions == before.definitions);
    QTest::keyClick(&f.main, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(f.document.definitions.slot(first) == rebroken);
  }

  // Changing the size re-renders; a clue made to overflow is listed and
  // outlined in red on the page, never in the file, until a smaller size
  // (the minimum following it down) fits it.
  void fontSizeChangesTheFitList() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    const int slot = f.FirstCell(CellKind::Clue).second;
    f.SetClue(slot, kLongWord);
    QVERIFY(f.Show());
    QCOMPARE(f.FitSlots(), QList<int>{slot});
    QCOMPARE(f.preview.controls().fitList->count(), 1);
    QVERIFY(f.preview.controls().fitList->item(0)->text().contains(QString::fromUtf8(kLongWord)));
    QCOMPARE(f.preview.pageView().marks().size(), std::size_t{1});
    const QRectF mark = f.preview.pageView().markRect(f.preview.pageView().marks()[0]);
    QVERIFY(Reddish(f.Page().pixel(static_cast<int>(mark.left()), static_cast<int>(mark.center().y()))));
    // The outline is the window's: the file is the writer's, which draws no red.
    QCOMPARE(f.preview.pdfBytes().toStdString(), f.WriterPdf(QStringLiteral("Сканворд 1")));

    f.preview.controls().size->setValue(3);
    QCOMPARE(f.preview.controls().minimumSize->value(), 3.0);
    QVERIFY(f.preview.renderPending());
    QVERIFY(f.WaitForRender());
    QCOMPARE(f.FitSlots(), QList<int>{});
    QCOMPARE(f.preview.controls().fitList->count(), 0);
    QVERIFY(f.preview.pageView().marks().empty());
    QVERIFY(!Reddish(f.Page().pixel(static_cast<int>(mark.left()), static_cast<int>(mark.center().y()))));
  }

  // The layout and outputs left in the export dialog are the preview's: by
  // layers without the texts the page has none, yet every clue that does
  // not fit is still listed.
  void followsTheExportDialogsChoice() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    const int slot = f.FirstCell(CellKind::Clue).second;
    f.SetClue(slot, kLongWord);
    ExportDialog& dialog = f.windows.exportDialog;
    QTimer::singleShot(0, &dialog, [&] {
      QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton5")), Qt::LeftButton, {},
                        QPoint(6, 8));
      QTest::mouseClick(dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox2")), Qt::LeftButton, {}, QPoint(6, 8));
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button5")), Qt::LeftButton);  // Отмена
    });
    QTest::mouseClick(f.Child<QPushButton>("Button1"), Qt::LeftButton);  // "Mакрос"
    QCOMPARE(dialog.choice().layerMode, LayerMode::ByLayers);
    QTest::keyClick(&f.Bar1(), Qt::Key_F5);
    QVERIFY(f.Rendered());
    QCOMPARE(f.preview.pdfBytes().toStdString(), f.WriterPdf(QStringLiteral("Сканворд 1")));
    QCOMPARE(f.FitSlots(), QList<int>{slot});
    QVERIFY(f.preview.pageView().marks().empty());

    // Chosen again while the preview is open, the page follows at once.
    const std::string layered = f.preview.pdfBytes().toStdString();
    QTimer::singleShot(0, &dialog, [&] {
      QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton2")), Qt::LeftButton, {},
                        QPoint(6, 8));
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);  // ОК
    });
    QTest::mouseClick(f.Child<QPushButton>("Button1"), Qt::LeftButton);  // "Mакрос", no file named
    QCOMPARE(dialog.choice().layerMode, LayerMode::OneLayer);
    QVERIFY(f.preview.renderPending());
    QVERIFY(f.Rendered());
    QCOMPARE(f.preview.pdfBytes().toStdString(), f.WriterPdf(QStringLiteral("Сканворд 1")));
    QVERIFY(f.preview.pdfBytes().toStdString() != layered);
  }

  // A click on a clue that does not fit enters clue editing on it, in
  // either half of a split cell; shortened and checked, it leaves the list.
  void clickingAFitProblemPutsTheMemoOnThatClue() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    // The last clue cell split in two: no later slot moves.
    const auto [cell, first] = f.FirstCell(CellKind::Clue, true);
    f.document.cells.at(cell.x(), cell.y()).kind = CellKind::ClueSplitHorizontal;
    const int second = first + 1;
    f.SetClue(first, "ПРОСТО");
    f.SetClue(second, kLongWord);
    QVERIFY(f.Show());
    QCOMPARE(f.FitSlots(), QList<int>{second});

    QListWidget& list = *f.preview.controls().fitList;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(list.item(0)).center());
    QCOMPARE(f.editor.mode, EditorMode::ClueEditing);
    QCOMPARE(f.editor.currentSlot, second);
    QCOMPARE(f.editor.selectedHalf, 2);
    QCOMPARE(QPoint(f.editor.cursorX, f.editor.cursorY), cell);
    QCOMPARE(f.main.memo().toPlainText(), QString::fromUtf8(kLongWord) + QLatin1Char('\n'));

    f.main.memo().setPlainText(QStringLiteral("КОРОЧЕ"));
    QTest::mouseClick(f.Child<QPushButton>("Button10"), Qt::LeftButton);  // "Проверить"
    QVERIFY(f.WaitForRender());
    QCOMPARE(f.FitSlots(), QList<int>{});
    QCOMPARE(f.main.memo().toPlainText().trimmed(), QStringLiteral("КОРОЧЕ"));
  }

  // F5 in clue editing, with the focus in the memo: what is typed shows,
  // stored first; pdftotext finds it in the PDF shown.
  void f5InClueEditingShowsTheTextAsTyped() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    QTest::mouseClick(f.Child<QPushButton>("Button6"), Qt::LeftButton);  // "Редактор"
    QCOMPARE(f.editor.mode, EditorMode::ClueEditing);
    QVERIFY(f.Child<QPushButton>("PreviewButton")->isEnabled());
    f.main.memo().setPlainText(QStringLiteral("ВВЕДЕНО"));
    QTest::keyClick(&f.main.memo(), Qt::Key_F5);
    QVERIFY(f.preview.isVisible());
    QVERIFY(f.Rendered());
    QCOMPARE(QString::fromStdString(Cp1251ToUtf8(f.document.definitions.slot(f.editor.currentSlot).line(1).text())),
             QStringLiteral("ВВЕДЕНО"));
    const QString pdf = f.Path(QStringLiteral("shown.pdf"));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(f.preview.pdfBytes());
    file.close();
    QVERIFY(Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains(QStringLiteral("ВВЕДЕНО")));
  }

  // "Сохранить PDF…" and "Сохранить SVG…" write the bytes verstak-batch
  // writes for the saved scanword file with the same settings.
  void savedFilesAreTheBatchExportsBytes() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(2);
    f.SetClue(f.FirstCell(CellKind::Clue).second, kLongWord);
    f.prompter.saveAnswers = {f.Path(QStringLiteral("work.skw"))};
    QTest::mouseClick(f.Child<QPushButton>("Button4"), Qt::LeftButton);
    QVERIFY(QFileInfo::exists(f.Path(QStringLiteral("work.skw"))));
    f.settings.cellHeight = 150000;
    f.settings.cornerRadius = 20000;
    QVERIFY(f.Show());
    f.preview.controls().size->setValue(6.5);
    f.preview.controls().lineSpacing->setValue(1.2);
    f.preview.controls().lineWidth->setValue(0.3);
    f.preview.controls().arrowheads->setChecked(false);
    const int font = f.preview.controls().font->findData(QStringLiteral("PT Serif"));
    QVERIFY(font >= 0);
    f.preview.controls().font->setCurrentIndex(font);

    f.prompter.saveAnswers = {f.Path(QStringLiteral("preview.pdf")), f.Path(QStringLiteral("preview.svg"))};
    QTest::mouseClick(f.preview.controls().savePdf, Qt::LeftButton);
    QTest::mouseClick(f.preview.controls().saveSvg, Qt::LeftButton);
    QCOMPARE(f.prompter.fileDialogCalls.back().filter, QStringLiteral("SVG: *.svg (*.svg)"));
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Выполнено!", "Выполнено!"}));

    for (const char* format : {"pdf", "svg"}) {
      const QString batchFile = f.Path(QStringLiteral("batch.") + QLatin1String(format));
      std::ostringstream out, err;
      const int status =
          batch::RunBatch({"export", "--scanword", f.Path(QStringLiteral("work.skw")).toStdString(), "-o",
                           batchFile.toStdString(), "--cell-height", "15", "--rounded", "--font", "PT Serif",
                           "--font-size", "6.5", "--line-spacing", "1.2", "--line-width", "0.3", "--no-arrowheads"},
                          {out, err, false});
      QCOMPARE(status, 0);
      // What verstak-batch warns of, and the count of clues that do not
      // fit, is said under "Выполнено!".
      QVERIFY(err.str().find("\nНе помещается определений: ") != std::string::npos);
      QVERIFY(err.str().starts_with("Предупреждение: "));
      QCOMPARE(f.prompter.messages[0].details + "\n", err.str());
      const QByteArray batch = ReadAll(batchFile);
      QVERIFY(!batch.isEmpty());
      QVERIFY(ReadAll(f.Path(QStringLiteral("preview.") + QLatin1String(format))) == batch);
    }
  }

  // A file that cannot be written is reported, and the file that was there
  // is left as it was: here a read-only file, which a save refuses to
  // replace (also for root).
  void aFailedWriteLeavesTheOldFile() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    QVERIFY(f.Show());
    const QString name = f.Path(QStringLiteral("kept.pdf"));
    QFile old(name);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    f.prompter.saveAnswers = {name};
    f.preview.SavePdfCommand();
    QCOMPARE(f.prompter.texts(),
             std::vector<std::string>{" Не удалось записать файл! \n" + name.toStdString() + ": файл только для чтения"});
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Error);
    QCOMPARE(ReadAll(name), QByteArray("old contents"));
  }

  // "Ответы" shows the answer key in the puzzle's place: pdftotext reads
  // the grid's letters row by row under its caption. It is saved as PDF
  // and SVG as verstak-batch's export --answers writes it, the PDF the one
  // shown.
  void answersShowAndSaveTheKey() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    f.prompter.saveAnswers = {f.Path(QStringLiteral("work.skw"))};
    QTest::mouseClick(f.Child<QPushButton>("Button4"), Qt::LeftButton);
    QVERIFY(f.Show());
    const QByteArray puzzle = f.preview.pdfBytes();
    QCOMPARE(f.preview.controls().answers->text(), QStringLiteral("Ответы"));
    QTest::mouseClick(f.preview.controls().answers, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(f.preview.showsAnswers());
    QVERIFY(f.preview.renderPending());
    QVERIFY(f.Rendered());
    QVERIFY(f.preview.pdfBytes() != puzzle);
    QCOMPARE(f.preview.controls().summary->text(), QStringLiteral("Ответы к сканворду work"));
    QCOMPARE(f.preview.controls().fitList->count(), 0);

    const QString shown = f.Path(QStringLiteral("shown.pdf"));
    QFile file(shown);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(f.preview.pdfBytes());
    file.close();
    QStringList lines;
    for (QString line : Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), shown, QStringLiteral("-")})
                            .split(QLatin1Char('\n'))) {
      line.remove(QLatin1Char(' ')).remove(QLatin1Char('\f'));
      if (!line.isEmpty()) lines << line;
    }
    QStringList expected{QStringLiteral("Ответыксканвордуwork")};
    for (int y = 1; y <= f.document.gridHeight; ++y) {
      QString row;
      for (int x = 1; x <= f.document.gridWidth; ++x) {
        const std::uint8_t letter = f.document.letters.at(x, y);
        const CellKind kind = f.document.cells.at(x, y).kind;
        if (letter != kNoLetter && !IsClueKind(kind) && kind != CellKind::Picture) {
          row += QString::fromStdString(Cp1251ToUtf8(std::string(1, static_cast<char>(letter)))).toUpper();
        }
      }
      if (!row.isEmpty()) expected << row;
    }
    QVERIFY(expected.size() > 2);
    QCOMPARE(lines, expected);

    f.prompter.saveAnswers = {f.Path(QStringLiteral("key.pdf")), f.Path(QStringLiteral("key.svg"))};
    QTest::mouseClick(f.preview.controls().savePdf, Qt::LeftButton);
    QTest::mouseClick(f.preview.controls().saveSvg, Qt::LeftButton);
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{"Выполнено!", "Выполнено!"}));
    QCOMPARE(ReadAll(f.Path(QStringLiteral("key.pdf"))), f.preview.pdfBytes());
    for (const char* format : {"pdf", "svg"}) {
      const QString batchFile = f.Path(QStringLiteral("batch.") + QLatin1String(format));
      std::ostringstream out, err;
      QCOMPARE(batch::RunBatch({"export", "--scanword", f.Path(QStringLiteral("work.skw")).toStdString(), "--answers",
                                "-o", batchFile.toStdString()},
                               {out, err, false}),
               0);
      QVERIFY(ReadAll(f.Path(QStringLiteral("key.") + QLatin1String(format))) == ReadAll(batchFile));
    }
  }

  // A grid without letters has no key: the refusal shows instead of a page,
  // and a save says it and writes nothing.
  void aGridWithoutLettersHasNoKey() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    for (int y = 1; y <= f.document.gridHeight; ++y) {
      for (int x = 1; x <= f.document.gridWidth; ++x) f.document.letters.set(x, y, kNoLetter);
    }
    f.preview.controls().answers->setChecked(true);
    QVERIFY(f.Show());
    const QString refusal = QStringLiteral("В сетке нет букв: ключ ответов не из чего сделать.");
    QCOMPARE(f.preview.controls().summary->text(), refusal);
    QVERIFY(!f.preview.pageView().hasPage());
    QVERIFY(f.preview.pdfBytes().isEmpty());
    f.prompter.saveAnswers = {f.Path(QStringLiteral("key.pdf")), f.Path(QStringLiteral("key.svg"))};
    f.preview.SavePdfCommand();
    f.preview.SaveSvgCommand();
    QCOMPARE(f.prompter.texts(), (std::vector<std::string>{refusal.toStdString(), refusal.toStdString()}));
    QCOMPARE(f.prompter.messages[0].kind, MessageKind::Error);
    QVERIFY(!QFileInfo::exists(f.Path(QStringLiteral("key.pdf"))));
    QVERIFY(!QFileInfo::exists(f.Path(QStringLiteral("key.svg"))));
    // Unticked, the puzzle is back.
    f.preview.controls().answers->setChecked(false);
    QVERIFY(f.Rendered());
    QVERIFY(f.preview.pageView().hasPage());
  }

  // The largest grid re-renders in the worker: the page before stays shown
  // and the window answers a timer of 5 ms all along; a change made while
  // a render runs supersedes it, which is never shown; closing the window
  // while a render runs, and destroying it, leaves nothing running.
  void largeGridsRenderInTheWorker() {
    PreviewFixture f;
    QVERIFY(f.Start());
    FillLargestGrid(f.document);
    QVERIFY(f.Show());
    const QByteArray before = f.preview.pdfBytes();
    QVERIFY(!before.isEmpty());

    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer ticks;
    ticks.setInterval(5);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
      if (f.preview.renderPending()) longest = std::max(longest, clock.elapsed() - last);
      last = clock.elapsed();
    });
    QSignalSpy rendered(&f.preview, &PreviewWindow::rendered);
    f.preview.controls().size->setValue(6);
    clock.start();
    ticks.start();
    // Under way in the worker: the timer has fired, the page before is shown.
    QTest::qWait(PreviewWindow::kRenderDelay + 100);
    QVERIFY(f.preview.renderPending());
    QCOMPARE(f.preview.pdfBytes(), before);
    QVERIFY(f.preview.pageView().hasPage());
    f.preview.controls().size->setValue(5.5);
    QVERIFY(f.Rendered(30000));
    ticks.stop();
    QCOMPARE(rendered.size(), 1);
    QCOMPARE(f.preview.pdfBytes().toStdString(), f.WriterPdf(QStringLiteral("Сканворд")));
    // A synchronous render of this grid takes most of a second.
    QVERIFY2(longest < 250, qPrintable(QString::number(longest)));

    f.preview.controls().size->setValue(6);
    QTest::qWait(PreviewWindow::kRenderDelay + 100);
    QVERIFY(f.preview.renderPending());
    f.preview.close();
  }

  // At the fit the page is in sight whole and rendered whole, whatever part
  // the window showed before; at a zoom only the part in sight and the
  // margin around it, and those pixels are the whole page's.
  void theWorkerRendersWhatIsInSight() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    auto job = std::make_shared<PageRenderJob>();
    job->document = f.document;
    job->settings = f.settings;
    const FontOutcome font = LoadTypesetFont(job->typeset.font);
    QVERIFY(font.font);
    job->font = *font.font;
    job->scaling.pixelsPerMillimetreAt100 = 4;
    job->scaling.room = QSize(300, 300);
    job->scaling.inSight = QRect(10, 10, 20, 20);

    const RenderedPage fitted = RenderPage(*job);
    const QSize whole = PagePixels(fitted.pageSize, fitted.scale);
    QCOMPARE(fitted.part, QRect(QPoint(0, 0), whole));
    QCOMPARE(fitted.image.size(), whole);

    job->scaling.zoom = 800;
    job->scaling.inSight = QRect(300, 320, 100, 50);
    const RenderedPage zoomed = RenderPage(*job);
    QCOMPARE(zoomed.scale, 32.0);
    const QSize page = PagePixels(zoomed.pageSize, zoomed.scale);
    QVERIFY(page.width() > 300 + 100 + 2 * kRenderAhead && page.height() > 320 + 50 + 2 * kRenderAhead);
    const QRect part = QRect(300 - kRenderAhead, 320 - kRenderAhead, 100 + 2 * kRenderAhead, 50 + 2 * kRenderAhead);
    QCOMPARE(zoomed.part, part);
    QCOMPARE(zoomed.image.size(), part.size());
    QPdfDocument pdf;
    QByteArray bytes = zoomed.pdf;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    pdf.load(&buffer);
    // The whole page rendered at once: the part must match it where it lies,
    // or scrolling past the part rendered would show a seam.
    const QImage full = RenderPagePart(pdf, page, QRect(QPoint(0, 0), page), 1);
    // pdfium smooths a glyph's edge a little differently when it renders a
    // part: each pixel but a few within what the whole page has around the
    // same place (a part one pixel off misses it along every edge).
    const QImage shown = zoomed.image.convertToFormat(QImage::Format_Grayscale8);
    const QImage reference = full.convertToFormat(QImage::Format_Grayscale8);
    int outside = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        int lowest = 255, highest = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int value = qGray(reference.pixel(part.x() + x + dx, part.y() + y + dy));
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
          }
        }
        const int value = qGray(shown.pixel(x, y));
        outside += value < lowest - 16 || value > highest + 16;
      }
    }
    QVERIFY2(outside <= shown.width() * shown.height() / 1000, qPrintable(QString::number(outside)));
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) dark += qGray(shown.pixel(x, y)) < 64;
    }
    QVERIFY(dark > 1000);  // the part holds frames and letters, not paper alone
  }

  // Fit to the window, 100 % and 200 %, + and − and Ctrl+wheel; scrolling
  // once the page is larger than the window.
  void zoomsAndScrolls() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    QVERIFY(f.Show());
    f.preview.resize(600, 450);
    PageView& view = f.preview.pageView();
    const double mm = view.pageSize().width();
    const double at100 = f.preview.logicalDpiX() / 25.4;
    f.preview.setZoom(100);
    QCOMPARE(view.pageRect().width(), qRound(mm * at100));
    f.preview.setZoom(200);
    QCOMPARE(view.pageRect().width(), qRound(mm * at100 * 2));

    f.preview.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.preview));
    QTest::keyClick(&f.preview, Qt::Key_Minus);
    QCOMPARE(f.preview.zoom(), 150);
    QTest::keyClick(&f.preview, Qt::Key_Plus);
    QCOMPARE(f.preview.zoom(), 200);
    QWidget* viewport = f.preview.scrollArea().viewport();
    QWheelEvent wheel(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QCOMPARE(f.preview.zoom(), 300);
    QCOMPARE(f.preview.controls().zoom->currentText(), QStringLiteral("300 %"));
    QVERIFY(f.preview.scrollArea().horizontalScrollBar()->maximum() > 0);
    QVERIFY(f.preview.scrollArea().verticalScrollBar()->maximum() > 0);

    f.preview.setZoom(0);
    const QSize room = viewport->size();
    QVERIFY(view.width() <= room.width() && view.height() <= room.height());
    QVERIFY(view.width() == room.width() || view.height() == room.height());
    // From fit, + goes on to the next step above the size shown.
    const double shown = view.scale() / at100 * 100;
    f.preview.ZoomIn();
    QVERIFY(f.preview.zoom() > shown);
  }

  // A page larger than the paper is printed smaller only when the user says
  // so, told by how much: 23 x 35 cells of 12.636 mm on A4.
  void aShrunkPrintIsSaidAndAsked() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.document.gridWidth = 23;
    f.document.gridHeight = 35;
    f.main.ResetDocument();
    QVERIFY(f.Show());
    const QString printed = f.Path(QStringLiteral("printed.pdf"));
    f.prompter.printerAnswers = {printed, printed};
    f.prompter.questionAnswers = {Prompter::Answer::No, Prompter::Answer::Yes};
    f.preview.PrintCommand();
    QCOMPARE(f.prompter.questions.size(), std::size_t{1});
    QVERIFY2(f.prompter.questions[0].contains(QStringLiteral("уменьшено до 6")), qPrintable(f.prompter.questions[0]));
    QVERIFY(!QFileInfo::exists(printed));
    f.preview.PrintCommand();
    QVERIFY(QFileInfo::exists(printed));
    QVERIFY(f.prompter.messages.empty());
  }

  // "Печать…" prints the page at its true size in the middle of the paper,
  // at the printer's resolution: poppler finds the image where it belongs.
  void printsTheTruePageSizeCentred() {
    PreviewFixture f;
    QVERIFY(f.Start());
    f.OpenExample(1);
    QVERIFY(f.Show());
    const QString printed = f.Path(QStringLiteral("printed.pdf"));
    f.prompter.printerAnswers = {QString(), printed};
    f.preview.PrintCommand();  // cancelled
    QVERIFY(!QFileInfo::exists(printed));
    f.preview.PrintCommand();
    QCOMPARE(f.prompter.printDialogs, 2);
    QVERIFY(f.prompter.messages.empty());

    // A4 paper: 595 x 842 points.
    const QString info = Run(QStringLiteral("pdfinfo"), {printed});
    QVERIFY2(info.contains(QStringLiteral("Page size:       595 x 842 pts")), qPrintable(info));
    // Images at the printer's 300 dpi.
    const QStringList images = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printed})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .mid(2);
    QVERIFY(!images.isEmpty());
    for (const QString& line : images) {
      const QStringList columns = line.simplified().split(QLatin1Char(' '));
      QCOMPARE(columns.value(12), QStringLiteral("300"));  // x-ppi
    }
    // Rendered at 72 dpi, one pixel a point: the drawing's box is the page's
    // true size less its white bleed, centred.
    QVERIFY(Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                             QStringLiteral("-singlefile"), printed, f.Path(QStringLiteral("printed"))})
                .isEmpty());
    const QImage paper(f.Path(QStringLiteral("printed.png")));
    QCOMPARE(paper.size(), QSize(595, 842));
    QRect inked;
    for (int y = 0; y < paper.height(); ++y) {
      for (int x = 0; x < paper.width(); ++x) {
        if (qGray(paper.pixel(x, y)) < 250) inked |= QRect(x, y, 1, 1);
      }
    }
    const QSizeF page = (f.preview.pageView().pageSize() - QSizeF(6, 6)) / kMillimetresPerPoint;
    QVERIFY2(std::abs(inked.width() - page.width()) <= 2, qPrintable(QString::number(inked.width())));
    QVERIFY(std::abs(inked.height() - page.height()) <= 2);
    QVERIFY(std::abs(inked.left() - (paper.width() - 1 - inked.right())) <= 2);
    QVERIFY(std::abs(inked.top() - (paper.height() - 1 - inked.bottom())) <= 2);
  }

  // A page larger than the paper is scaled down to the printable area,
  // keeping its shape; a small one never up.
  void aPageLargerThanThePaperIsScaledDown() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(600);
    printer.setFullPage(true);
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const QRectF small = PrintedPageRect(QSizeF(100, 200), printer);
    QCOMPARE(small.size(), QSizeF(100, 200) * (600.0 / 72));
    const QRectF large = PrintedPageRect(QSizeF(3000, 1500), printer);
    QVERIFY(large.width() <= printable.width() + 0.01);
    QCOMPARE(qRound(large.width() / large.height() * 1000), 2000);
    QCOMPARE(qRound(large.left() * 2 + large.width()), qRound(printer.paperRect(QPrinter::DevicePixel).width()));
  }

  // The typesetting outlives the window: kept in the settings given, every
  // value checked on the way back in, the defaults where none is kept.
  void typesettingIsKeptBetweenRuns() {
    QTemporaryDir folder;
    QSettings kept(folder.filePath(QStringLiteral("kept.ini")), QSettings::IniFormat);
    ScanwordDocument document;
    PrintSettings settings;
    RecordingPrompter prompter;
    {
      PreviewWindow first(document, settings, prompter, &kept);
      QCOMPARE(first.typesetting(), TypesetSettings{});
      QCOMPARE(first.controls().font->currentData().toString(), QStringLiteral("PT Sans Narrow"));
      first.controls().size->setValue(8.25);
      first.controls().minimumSize->setValue(4.5);
      first.controls().lineSpacing->setValue(1.3);
      first.controls().lineWidth->setValue(0.35);
      first.controls().arrowheads->setChecked(false);
      first.controls().font->setCurrentIndex(first.controls().font->findData(QStringLiteral("PT Sans")));
    }
    TypesetSettings expected;
    expected.font = "PT Sans";
    expected.size = 8.25;
    expected.minimumSize = 4.5;
    expected.lineSpacing = 1.3;
    expected.lineWidth = 0.35;
    expected.arrowheads = false;
    {
      PreviewWindow second(document, settings, prompter, &kept);
      QCOMPARE(second.typesetting(), expected);
      QCOMPARE(second.controls().size->value(), 8.25);
      QCOMPARE(second.controls().font->currentText(), QStringLiteral("PT Sans"));
    }
    kept.setValue(QStringLiteral("typesetting/size"), 500);
    kept.setValue(QStringLiteral("typesetting/lineSpacing"), QStringLiteral("много"));
    kept.setValue(QStringLiteral("typesetting/minimumSize"), 9);
    kept.setValue(QStringLiteral("typesetting/font"), QStringLiteral("Нет такого шрифта"));
    PreviewWindow third(document, settings, prompter, &kept);
    QCOMPARE(third.typesetting().size, TypesetSettings{}.size);
    QCOMPARE(third.typesetting().minimumSize, TypesetSettings{}.size);  // never above the size
    QCOMPARE(third.typesetting().lineSpacing, TypesetSettings{}.lineSpacing);
    QCOMPARE(third.controls().font->currentText(), QStringLiteral("Нет такого шрифта"));
    // A font that is not there is said in the window, not in a box.
    document.gridWidth = document.gridHeight = 2;
    third.Render();
    QVERIFY(third.controls().summary->text().contains(QStringLiteral("Нет такого шрифта")));
    QVERIFY(!third.pageView().hasPage());
    QVERIFY(prompter.messages.empty());
  }

  // A damaged font (PT Sans Narrow with more metrics than glyphs) is never
  // the preview's: kept from before, it is the default; chosen, the font
  // kept before stays.
  void aRefusedFontIsNeverKept() {
    QTemporaryDir folder;
    QFile original(QStringLiteral("/usr/share/fonts/truetype/paratype/PTN57F.ttf"));
    if (!original.open(QIODevice::ReadOnly)) QSKIP("fonts-paratype is not installed");
    QByteArray bytes = original.readAll();
    bytes[422] = '\x7F';
    bytes[423] = '\xFF';
    const QString damaged = folder.filePath(QStringLiteral("damaged.ttf"));
    QFile out(damaged);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();

    QSettings kept(folder.filePath(QStringLiteral("kept.ini")), QSettings::IniFormat);
    kept.setValue(QStringLiteral("typesetting/font"), damaged);
    ScanwordDocument document;
    document.gridWidth = document.gridHeight = 2;
    PrintSettings settings;
    RecordingPrompter prompter;
    PreviewWindow preview(document, settings, prompter, &kept);
    QCOMPARE(preview.typesetting().font, TypesetSettings{}.font);
    QCOMPARE(preview.controls().font->findData(damaged), -1);
    preview.Render();
    QVERIFY(preview.pageView().hasPage());

    TypesetStore store(&kept);
    TypesetSettings chosen;
    chosen.font = "PT Sans";
    store.save(chosen);
    chosen.font = damaged.toStdString();
    store.save(chosen);
    QCOMPARE(kept.value(QStringLiteral("typesetting/font")).toString(), QStringLiteral("PT Sans"));
    TypesetStore forTheRun;
    forTheRun.save(chosen);
    QCOMPARE(forTheRun.load().font, TypesetSettings{}.font);
  }

  // The font box lists the print library's faces by caption; the smallest
  // size never goes above the size.
  void boxesOfferOnlyWhatCanBeSet() {
    ScanwordDocument document;
    PrintSettings settings;
    RecordingPrompter prompter;
    PreviewWindow preview(document, settings, prompter);
    const std::vector<FontFace> faces = CyrillicFontFaces();
    QCOMPARE(preview.controls().font->count(), static_cast<int>(faces.size()));
    for (int i = 0; i < preview.controls().font->count(); ++i) {
      QCOMPARE(preview.controls().font->itemText(i), QString::fromStdString(faces[i].caption()));
    }
    preview.controls().minimumSize->setValue(50);
    QCOMPARE(preview.typesetting().minimumSize, preview.typesetting().size);
  }
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
