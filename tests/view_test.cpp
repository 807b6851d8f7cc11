#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QtTest>

#include "program_fixture.h"

using namespace verstak;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);

// Starts an empty grid of the given size, as the new grid dialog does.
void NewGrid(ProgramFixture& f, int width, int height) {
  f.document.gridWidth = static_cast<std::uint8_t>(width);
  f.document.gridHeight = static_cast<std::uint8_t>(height);
  f.main.ResetDocument();
  f.main.gridView().RepaintGrid();
}

QPoint AddLineArrow(QScrollBar& bar) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.orientation = bar.orientation();
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  option.subControls = QStyle::SC_All;
  return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, &bar).center();
}

}  // namespace

class ViewTest : public QObject {
  Q_OBJECT

 private slots:
  void figuresAtTheSmallestWindow() {
    ProgramFixture f;
    QVERIFY(f.Start({800, 570}));
    QCOMPARE(f.main.size(), QSize(800, 570));
    QCOMPARE(f.editor.visibleColumns, 12);
    QCOMPARE(f.editor.visibleRows, 12);
    QCOMPARE(f.Child("Panel3")->geometry(), QRect(6, 12, 507, 507));
    QCOMPARE(f.Child("PaintBox1")->geometry(), QRect(2, 2, 482, 482));
    QCOMPARE(f.Bar2().x(), 482);
    QCOMPARE(f.Bar2().size(), QSize(25, 482));
    QCOMPARE(f.Bar1().y(), 482);
    QCOMPARE(f.Bar1().size(), QSize(482, 25));
    QCOMPARE(f.Bar1().pageStep(), 10);
    QCOMPARE(f.Bar2().pageStep(), 10);
    QCOMPARE(f.Bar1().minimum(), 1);
    QCOMPARE(f.Bar1().maximum(), 1);
    QCOMPARE(f.main.minimumSize(), QSize(800, 570));
  }

  void rangeRule_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("maximum1");
    QTest::addColumn<int>("maximum2");
    QTest::newRow("15 columns in 12") << 15 << 5 << 4 << 1;
    QTest::newRow("9 x 13 in 12 x 12") << 9 << 13 << 1 << 2;
    QTest::newRow("just fits") << 12 << 12 << 1 << 1;
    QTest::newRow("one more each way") << 13 << 13 << 2 << 2;
    QTest::newRow("largest") << 99 << 99 << 88 << 88;
  }
  void rangeRule() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, maximum1);
    QFETCH(int, maximum2);
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 99, 99);  // a reset starts both bars from 1 whatever they held
    NewGrid(f, width, height);
    QCOMPARE(f.Bar1().maximum(), maximum1);
    QCOMPARE(f.Bar2().maximum(), maximum2);
    QCOMPARE(f.Bar1().minimum(), 1);
    QCOMPARE(f.Bar2().value(), 1);
  }

  // Origin 4 of a 15-column grid shows columns 4 to 15.
  void keysScrollTheView() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 15, 15);
    f.document.cells.at(4, 1).kind = CellKind::Picture;
    f.document.cells.at(15, 1).kind = CellKind::Clue;
    f.document.cells.at(1, 15).kind = CellKind::Picture;
    f.main.FocusScrollBar1();

    QTest::keyClick(&f.Bar1(), Qt::Key_Right);
    QCOMPARE(f.editor.viewOriginX, 2);
    QCOMPARE(QColor(f.ViewPixel(2 * 40 + 2, 2)), kSilver);  // column 4, third on screen
    QTest::keyClick(&f.Bar1(), Qt::Key_End);
    QCOMPARE(f.editor.viewOriginX, 4);
    QCOMPARE(QColor(f.ViewPixel(2, 2)), kSilver);
    QCOMPARE(QColor(f.ViewPixel(11 * 40 + 2, 2)), kGrey);  // column 15, a clue, last on screen
    QCOMPARE(QColor(f.ViewPixel(11 * 40 + 2, 2 * 40 + 2)), kWhite);
    QTest::keyClick(&f.Bar1(), Qt::Key_Left);
    QCOMPARE(f.editor.viewOriginX, 3);
    QTest::keyClick(&f.Bar1(), Qt::Key_Right);
    QCOMPARE(f.editor.viewOriginX, 4);
    QTest::keyClick(&f.Bar1(), Qt::Key_Home);
    QCOMPARE(f.editor.viewOriginX, 1);
    QTest::keyClick(&f.Bar1(), Qt::Key_PageDown);  // one large step of 10, stopped at 4
    QCOMPARE(f.editor.viewOriginX, 4);

    QTest::keyClick(&f.Bar2(), Qt::Key_Down);
    QTest::keyClick(&f.Bar2(), Qt::Key_Down);
    QTest::keyClick(&f.Bar2(), Qt::Key_Down);
    QCOMPARE(f.editor.viewOriginY, 4);
    QCOMPARE(f.editor.viewOriginX, 4);
    QCOMPARE(QColor(f.ViewPixel(2, 11 * 40 + 2)), kWhite);  // row 15 of column 4
    QTest::keyClick(&f.Bar2(), Qt::Key_Up);
    QCOMPARE(f.editor.viewOriginY, 3);
  }

  void theMouseScrollsTheView() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 20, 20);
    f.document.cells.at(2, 1).kind = CellKind::Picture;
    QTest::mouseClick(&f.Bar1(), Qt::LeftButton, Qt::NoModifier, AddLineArrow(f.Bar1()));
    QCOMPARE(f.editor.viewOriginX, 2);
    QCOMPARE(QColor(f.ViewPixel(2, 2)), kSilver);
    QTest::mouseClick(&f.Bar2(), Qt::LeftButton, Qt::NoModifier, AddLineArrow(f.Bar2()));
    QCOMPARE(f.editor.viewOriginY, 2);
    QCOMPARE(QColor(f.ViewPixel(2, 2)), kWhite);
  }

  // The wheel over the grid scrolls like the bars: down, and with Shift (or
  // a sideways wheel) across, three lines a notch, within the ranges.
  void theWheelOverTheGridScrolls() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 30, 30);
    f.document.cells.at(4, 4).kind = CellKind::Picture;
    const auto wheel = [&](QPoint delta, Qt::KeyboardModifiers modifiers) {
      QWheelEvent event(QPointF(30, 30), f.main.gridView().mapToGlobal(QPointF(30, 30)), QPoint(), delta,
                        Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
      QApplication::sendEvent(&f.main.gridView(), &event);
    };
    wheel({0, -120}, Qt::NoModifier);
    QCOMPARE(f.editor.viewOriginY, 1 + QApplication::wheelScrollLines());
    QCOMPARE(f.Bar2().value(), f.editor.viewOriginY);
    wheel({0, -120}, Qt::ShiftModifier);
    QCOMPARE(f.editor.viewOriginX, 1 + QApplication::wheelScrollLines());
    QCOMPARE(QColor(f.ViewPixel(2, 2)), kSilver);  // cell (4, 4) now at the top left
    wheel({120, 0}, Qt::NoModifier);
    QCOMPARE(f.editor.viewOriginX, 1);
    for (int i = 0; i < 20; ++i) wheel({0, -120}, Qt::NoModifier);
    QCOMPARE(f.editor.viewOriginY, f.Bar2().maximum());
  }

  // Once the grid fits, the bars keep their old maxima and the view can be
  // scrolled past the grid's end; a resize always returns to the top left.
  void enlargingKeepsTheOldMaximaAndResetsTheOrigin() {
    ProgramFixture f;
    QVERIFY(f.Start());
    NewGrid(f, 15, 15);
    QTest::keyClick(&f.Bar1(), Qt::Key_End);
    QTest::keyClick(&f.Bar2(), Qt::Key_End);
    QCOMPARE(f.editor.viewOriginX, 4);

    f.main.resize(1090, 890);
    QTRY_COMPARE(f.editor.visibleColumns, 19);
    QCOMPARE(f.editor.visibleRows, 20);
    QCOMPARE(f.editor.viewOriginX, 1);
    QCOMPARE(f.editor.viewOriginY, 1);
    QCOMPARE(f.Bar1().value(), 1);
    QCOMPARE(f.Bar2().value(), 1);
    QCOMPARE(f.Bar1().maximum(), 4);
    QCOMPARE(f.Bar2().maximum(), 4);
    QCOMPARE(f.Bar1().pageStep(), 17);
    QCOMPARE(f.Child("PaintBox1")->size(), QSize(19 * 40 + 2, 20 * 40 + 2));

    QTest::keyClick(&f.Bar1(), Qt::Key_End);
    QCOMPARE(f.editor.viewOriginX, 4);
    QCOMPARE(QColor(f.ViewPixel(11 * 40 + 2, 2)), kWhite);  // column 15
    QCOMPARE(QColor(f.ViewPixel(12 * 40 + 2, 2)), kGrey);   // past the grid
  }
};

QTEST_MAIN(ViewTest)
#include "view_test.moc"
