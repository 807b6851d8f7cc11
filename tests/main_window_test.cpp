#include <QPushButton>
#include <QtTest>

#include "dialogs/print_settings.h"
#include "editor/editor_state.h"
#include "editor/osnova.h"
#include "recording_prompter.h"

using namespace verstak;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void captionColourAndExit() {
    ScanwordDocument document;
    EditorState editor;
    PrintSettings settings;
    RecordingPrompter prompter;
    MainWindow window(document, editor, settings, prompter);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("VERSTAK"));
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 0, 128));

    auto* exit = window.findChild<QPushButton*>(QStringLiteral("Button5"));
    QVERIFY(exit);
    QCOMPARE(exit->text(), QStringLiteral("Выход"));
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(prompter.messages.empty());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
