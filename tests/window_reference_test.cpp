// Each window as the user sees it, compared pixel for pixel with a reference
// image that was drawn once and looked at: places, captions, palette
// pictures and colours all at once. VERSTAK_UPDATE_REFERENCES=1 writes the
// images anew (look at every one before committing it).

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "program_fixture.h"

using namespace verstak;

namespace {

QString ReferencePath(const QString& name) {
  return QStringLiteral(VERSTAK_REFERENCE_DIR "/%1.png").arg(name);
}

// Empty when `shown` is the reference image; else what differs, with the
// image written beside the test for a look.
QString CompareWithReference(const QString& name, QWidget& window) {
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (qEnvironmentVariableIsSet("VERSTAK_UPDATE_REFERENCES")) {
    shown.save(ReferencePath(name));
    return {};
  }
  const QImage reference = QImage(ReferencePath(name)).convertToFormat(QImage::Format_RGB32);
  if (reference == shown) return {};
  const QString actual = QDir::current().filePath(name + QStringLiteral("-actual.png"));
  shown.save(actual);
  if (reference.size() != shown.size()) {
    return QStringLiteral("%1: size %2x%3, reference %4x%5; see %6")
        .arg(name)
        .arg(shown.width())
        .arg(shown.height())
        .arg(reference.width())
        .arg(reference.height())
        .arg(actual);
  }
  int differing = 0;
  QPoint first(-1, -1);
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (shown.pixel(x, y) == reference.pixel(x, y)) continue;
      if (differing++ == 0) first = {x, y};
    }
  }
  return QStringLiteral("%1: %2 pixels differ, the first at %3,%4; see %5")
      .arg(name)
      .arg(differing)
      .arg(first.x())
      .arg(first.y())
      .arg(actual);
}

// Runs `dialog` modally and compares it while it shows.
QString CompareDialog(const QString& name, QDialog& dialog, const std::function<void()>& show) {
  QString result = QStringLiteral("%1 was not shown").arg(name);
  QTimer::singleShot(0, &dialog, [&] {
    if (dialog.isVisible()) result = CompareWithReference(name, dialog);
    dialog.reject();
  });
  show();
  return result;
}

}  // namespace

class WindowReferenceTest : public QObject {
  Q_OBJECT

 private slots:
  // A blinking caret would make the pictures depend on timing.
  void initTestCase() { QApplication::setCursorFlashTime(0); }

  void mainWindowAtStart() {
    ProgramFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.main.devicePixelRatio(), 1.0);
    const QString differs = CompareWithReference(QStringLiteral("main-window"), f.main);
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
  }

  // A small grid with every tool's cell, in clue editing: the memo, its
  // guide bars, the step buttons and the clue commands in place of the palette.
  void mainWindowInClueEditing() {
    ProgramFixture f;
    QVERIFY(f.Start());
    f.document.gridWidth = 5;
    f.document.gridHeight = 5;
    f.document.cells.at(1, 1).kind = CellKind::ClueSplitHorizontal;
    f.document.cells.at(2, 1).kind = CellKind::ArrowFromLeftRight;
    f.document.cells.at(3, 2).kind = CellKind::Clue;
    f.document.cells.at(4, 3) = {CellKind::ArrowFromLeftDown, 17};
    f.document.cells.at(5, 4).kind = CellKind::Picture;
    f.document.cells.at(2, 5).kind = CellKind::ClueSplitVertical;
    f.document.definitions.slot(1).line(1).assign("Text");
    QTest::mouseClick(f.Child<QPushButton>("Button6"), Qt::LeftButton);
    const QString differs = CompareWithReference(QStringLiteral("main-window-clue-editing"), f.main);
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
  }

  void dialogs_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("open-dialog") << "Button3";
    QTest::newRow("new-grid-dialog") << "Button2";
    QTest::newRow("settings-dialog") << "Button7";
    QTest::newRow("export-dialog") << "Button1";
    QTest::newRow("about-window") << "Button12";
  }
  void dialogs() {
    QFETCH(QString, button);
    ProgramFixture f;
    QVERIFY(f.Start());
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QDialog* dialogs[] = {&f.windows.open, &f.windows.newGrid, &f.windows.settingsDialog, &f.windows.exportDialog,
                          &f.windows.about};
    QDialog* dialog = dialogs[QStringList{"open-dialog", "new-grid-dialog", "settings-dialog", "export-dialog",
                                          "about-window"}
                                  .indexOf(name)];
    const QString differs = CompareDialog(name, *dialog, [&] {
      QTest::mouseClick(f.Child<QPushButton>(qPrintable(button)), Qt::LeftButton);
    });
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
  }

  void splashWindow() {
    ProgramFixture f;
    const QString differs =
        CompareDialog(QStringLiteral("splash-window"), f.windows.splash, [&] { f.windows.splash.exec(); });
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
  }
};

QTEST_MAIN(WindowReferenceTest)
#include "window_reference_test.moc"
