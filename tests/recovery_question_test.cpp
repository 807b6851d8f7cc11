// The question about left-over work, asked with the real message box and
// answered from the keyboard: Esc puts it off and keeps the work for the next
// start; only Нет removes it.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "program_recovery.h"
#include "program_windows.h"
#include "widgets/prompter.h"

using namespace verstak;

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Answer = std::function<void(QMessageBox&)>;

void PressEscape(QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }

void ClickNo(QMessageBox& box) {
  for (QAbstractButton* button : box.buttons()) {
    if (button->text() == QStringLiteral("Нет")) QTest::mouseClick(button, Qt::LeftButton);
  }
}

// Once the question box shows, records its buttons and answers it.
void AnswerOnceShown(const Answer& answer, QStringList& buttons, bool& answered) {
  auto* poll = new QTimer;
  poll->setInterval(20);
  QObject::connect(poll, &QTimer::timeout, [poll, answer, &buttons, &answered] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    answered = true;
    answer(*box);
  });
  poll->start();
}

}  // namespace

class RecoveryQuestionTest : public QObject {
  Q_OBJECT

 private slots:
  void escapeKeepsTheWorkForLater() {
    QTemporaryDir folder;
    ScanwordDocument left;
    left.gridWidth = 3;
    left.gridHeight = 2;
    const QString orphan = folder.filePath(QStringLiteral("work-1.skw"));
    QVERIFY(!WriteScanwordFile(QFile::encodeName(orphan).toStdString(), left));
    const QByteArray bytes = Bytes(orphan);

    ScanwordDocument document;
    EditorState editor;
    PrintSettings settings;
    QtPrompter prompter;
    DocumentSession session(document, settings);
    ProgramWindows windows(session, editor, settings, prompter, StartupSplash::Skip);
    ProgramRecovery recovery(session, windows.main, prompter, {.folder = folder.path(), .interval = Autosave::kInterval, .sessionId = {}, .clock = nullptr});
    QStringList buttons;
    bool answered = false;
    AnswerOnceShown(PressEscape, buttons, answered);
    windows.main.show();  // the question comes once the window has started up
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QTRY_VERIFY(!QApplication::activeModalWidget());

    QCOMPARE(buttons.size(), 3);
    for (const QString& text : {QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Позже")}) {
      QVERIFY2(buttons.contains(text), qPrintable(buttons.join(QLatin1Char(' '))));
    }
    QCOMPARE(Bytes(orphan), bytes);
    QCOMPARE(int(document.gridWidth), 0);  // not taken back either
    QVERIFY(!session.modified());

    // Offered again at the next start; Нет is the answer that removes it.
    buttons.clear();
    answered = false;
    AnswerOnceShown(ClickNo, buttons, answered);
    QTimer::singleShot(0, &recovery, &ProgramRecovery::OfferLeftOverWork);
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QFile::exists(orphan));
  }
};

QTEST_MAIN(RecoveryQuestionTest)
#include "recovery_question_test.moc"
