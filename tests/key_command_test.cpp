#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "editing_support.h"
#include "editor/tool_palette.h"

using namespace verstak;
using namespace verstak::editing;

namespace {

// Closes whatever modal window opens, and says whether one did.
class ModalWatch {
 public:
  ModalWatch() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = true;
        modal->close();
      }
    });
    timer_.start();
  }
  bool opened = false;

 private:
  QTimer timer_;
};

}  // namespace

class KeyCommandTest : public QObject {
  Q_OBJECT

 private slots:
  // Every key of the table, Latin and Cyrillic, both cases, in each control
  // the one-key commands listen to.
  void keysChooseTools_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("tool");
    const struct {
      const char* keys;
      int tool;
    } rows[] = {
        {" ", 0},     {"0", 10},    {"1", 1},     {"2", 2},     {"3", 3},     {"4", 4},     {"5", 5},
        {"6", 6},     {"7", 7},     {"8", 8},     {"9", 9},     {"QqЙй", 11}, {"WwЦц", 12}, {"EeУу", 13},
        {"RrКк", 14}, {"AaФф", 19}, {"SsЫы", 16}, {"DdВв", 20}, {"ZzЯя", 23},
    };
    for (const char* control : {"ScrollBar1", "ScrollBar2", "Button2"}) {
      for (const auto& row : rows) {
        for (QChar key : QString::fromUtf8(row.keys)) {
          const QString name = key == QLatin1Char(' ') ? QStringLiteral("space") : QString(key);
          QTest::addRow("%s %s", control, qPrintable(name)) << control << QString(key) << row.tool;
        }
      }
    }
  }
  void keysChooseTools() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(int, tool);
    ProgramFixture f;
    QVERIFY(f.Start());
    f.main.toolPalette().SelectTool(tool == 5 ? 6 : 5);
    ModalWatch watch;
    Type(f.Child(qPrintable(control)), typed);
    QCOMPARE(f.editor.currentTool, tool);
    QVERIFY(f.main.toolPalette().ButtonOfTool(tool)->isChecked());
    // Space on "Новый" chooses the clear tool and does not press the button
    // (its dialog would have opened while the key was handled).
    QVERIFY(!watch.opened);
    QVERIFY(f.main.isVisible());
  }

  void otherKeysDoNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("x") << "x";
    QTest::newRow("Ж") << "Ж";
    QTest::newRow("э") << "э";
    QTest::newRow("+") << "+";
    QTest::newRow("€") << "€";
    QTest::newRow("Chinese") << "中";
  }
  void otherKeysDoNothing() {
    QFETCH(QString, typed);
    ProgramFixture f;
    QVERIFY(f.Start());
    f.main.toolPalette().SelectTool(7);
    Type(&f.Bar1(), typed);
    QCOMPARE(f.editor.currentTool, 7);
    QVERIFY(f.main.isVisible());
  }

  // Outside clue editing "%" and "'" step nowhere and store nothing: the
  // hidden memo must never empty a clue text.
  void clueStepsDoNothingInLayoutEditing() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 3, 1);
    ChooseTool(f, 16);
    ClickCell(f, 1, 1);
    SetSlotLine(f, 1, 1, QStringLiteral("Река"));
    SetSlotLine(f, 2, 1, QStringLiteral("Озеро"));
    f.MarkSaved();
    for (const char* step : {"'", "%", "'", "'"}) Type(&f.Bar1(), QString::fromLatin1(step));
    QCOMPARE(SlotLine(f, 1), QStringLiteral("Река"));
    QCOMPARE(SlotLine(f, 2), QStringLiteral("Озеро"));
    QCOMPARE(f.editor.cursorX, 1);
    QCOMPARE(f.editor.cursorY, 1);
    QCOMPARE(f.editor.selectedHalf, 1);
    QVERIFY(!f.session.modified());
    QCOMPARE(f.editor.mode, EditorMode::Idle);
  }

  void escapeClosesTheMainWindow_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("ScrollBar1") << "ScrollBar1";
    QTest::newRow("ScrollBar2") << "ScrollBar2";
    QTest::newRow("Button2") << "Button2";
  }
  void escapeClosesTheMainWindow() {
    QFETCH(QString, control);
    ProgramFixture f;
    QVERIFY(f.Start());
    QTest::keyClick(f.Child(qPrintable(control)), Qt::Key_Escape);
    QVERIFY(!f.main.isVisible());
  }
};

QTEST_MAIN(KeyCommandTest)
#include "key_command_test.moc"
