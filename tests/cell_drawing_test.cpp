#include <QPainter>
#include <QtTest>
#include <array>
#include <string_view>

#include "cell_probes.h"
#include "editor/cell_drawing.h"
#include "editor/cell_pictures.h"
#include "editor/grid_canvas.h"

using namespace verstak;
using namespace verstak::probes;

namespace {

constexpr QRgb kOutside = qRgb(255, 0, 255);  // what lies around the cell
constexpr int kCellLeft = 40;
constexpr int kCellTop = 40;

// One 40 x 40 cell at (40, 40) of a 120 x 120 image: its base, then each code.
QImage RenderCell(std::initializer_list<std::uint8_t> codes, CellHighlight highlight = {}) {
  QImage image(120, 120, QImage::Format_RGB32);
  image.fill(kOutside);
  QPainter painter(&image);
  GridCanvas canvas(painter);
  const CellBox box{kCellLeft, kCellTop, 40, 40};
  DrawCellBase(canvas, box);
  for (std::uint8_t code : codes) DrawCell(canvas, box, code, highlight);
  return image;
}

int BlackPixels(const QImage& picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == 0xFF000000 ? 1 : 0;
  }
  return count;
}

// Every pixel is opaque black or fully transparent.
bool OnlyInkAndAir(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      if (p != 0xFF000000 && qAlpha(p) != 0) return false;
    }
  }
  return true;
}

QString Row(const QImage& picture, int row) {
  QString text;
  for (int x = 0; x < picture.width(); ++x) text += picture.pixel(x, row) == 0xFF000000 ? '#' : '.';
  return text;
}

}  // namespace

class CellDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void wordPictures() {
    const CellPictures& p = Pictures();
    QCOMPARE(p.textWord.size(), QSize(30, 10));
    QVERIFY(OnlyInkAndAir(p.textWord));
    const char* rows[] = {
        "..............................", "..#####.###.#..#..##..#####...", "....#...#...#..#.#..#...#.....",
        "....#...#...#.#..#......#.....", "....#...###.##...#......#.....", "....#...#...#.#..#......#.....",
        "....#...#...#..#.#..#...#.....", "....#...###.#..#..##....#.....", "..............................",
        "..............................",
    };
    for (int row = 0; row < 10; ++row) QCOMPARE(Row(p.textWord, row), QString::fromLatin1(rows[row]));

    // Upright: the word read from the bottom up, column c holding row c - 1.
    QCOMPARE(p.textWordUpwards.size(), QSize(10, 30));
    QVERIFY(OnlyInkAndAir(p.textWordUpwards));
    QCOMPARE(BlackPixels(p.textWordUpwards), BlackPixels(p.textWord));
    for (int row = 0; row < 30; ++row) QCOMPARE(p.textWordUpwards.pixel(0, row), 0u);  // column 0 stays empty
    // The top stroke of Т (row 1, columns 2..6) becomes column 2, rows 22..26.
    for (int row = 22; row <= 26; ++row) QCOMPARE(p.textWordUpwards.pixel(2, row), 0xFF000000u);
    QCOMPARE(p.textWordUpwards.pixel(2, 21), 0u);
    QCOMPARE(p.textWordUpwards.pixel(2, 27), 0u);
    // The stem of the last Т (column 24, rows 1..7) becomes row 4, columns 2..8.
    QCOMPARE(Row(p.textWordUpwards, 4), QStringLiteral("..#######."));
  }

  void everyCodeAtItsDistinguishingPixels_data() {
    QTest::addColumn<int>("code");
    for (const CodeProbes& entry : kKindProbes) QTest::addRow("code %d", entry.code) << int(entry.code);
  }
  void everyCodeAtItsDistinguishingPixels() {
    QFETCH(int, code);
    const QImage image = RenderCell({static_cast<std::uint8_t>(code)});
    QCOMPARE(Mismatch(image, kCellLeft, kCellTop, kFrame), QString());
    QCOMPARE(Mismatch(image, kCellLeft, kCellTop, ProbesOf(kKindProbes, static_cast<std::uint8_t>(code))), QString());
    // Nothing spills into the neighbours, not even the arrows that start on
    // the far edge of the cell.
    for (int i = 0; i < 42; ++i) {
      QCOMPARE(image.pixel(kCellLeft - 1, kCellTop - 1 + i), kOutside);
      QCOMPARE(image.pixel(kCellLeft + 40, kCellTop - 1 + i), kOutside);
      QCOMPARE(image.pixel(kCellLeft - 1 + i, kCellTop - 1), kOutside);
      QCOMPARE(image.pixel(kCellLeft - 1 + i, kCellTop + 40), kOutside);
    }
  }

  void barMarkDrawsOnlyTheBar_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("arrow");
    QTest::newRow("17 on 1") << 17 << 1;
    QTest::newRow("18 on 2") << 18 << 2;
    QTest::newRow("21 on 2") << 21 << 2;
    QTest::newRow("22 on 1") << 22 << 1;
  }
  void barMarkDrawsOnlyTheBar() {
    QFETCH(int, bar);
    QFETCH(int, arrow);
    QImage image = RenderCell({static_cast<std::uint8_t>(arrow)});
    {
      QPainter painter(&image);
      GridCanvas canvas(painter);
      DrawBarMark(canvas, {kCellLeft, kCellTop, 40, 40}, static_cast<std::uint8_t>(bar));
    }
    QCOMPARE(Mismatch(image, kCellLeft, kCellTop, ProbesOf(kBarMarkProbes, static_cast<std::uint8_t>(bar))), QString());
    // The arrow stays: unlike a bar cell, the mark does not whiten the cell.
    QCOMPARE(Mismatch(image, kCellLeft, kCellTop, ProbesOf(kKindProbes, static_cast<std::uint8_t>(arrow)), true),
             QString());
  }

  void missingVariantsAreRedAndHighlightIsYellow() {
    QCOMPARE(QColor(RenderCell({106}).pixel(kCellLeft + 2, kCellTop + 2)), QColor(255, 0, 0));
    QCOMPARE(QColor(RenderCell({16}).pixel(kCellLeft + 2, kCellTop + 2)), QColor(128, 128, 128));
    for (std::uint8_t code : {19, 109, 25, 105}) {
      QCOMPARE(QColor(RenderCell({code}, {true, 1}).pixel(kCellLeft + 2, kCellTop + 2)), QColor(255, 255, 0));
    }
    // A half clue keeps its white half when highlighted.
    const QImage half = RenderCell({24}, {true, 1});
    QCOMPARE(Mismatch(half, kCellLeft, kCellTop, {{2, 37, Y}, {30, 20, W}, {7, 31, K}}), QString());
  }

  // Of a two-clue cell only the selected half turns yellow; the other keeps
  // the colour it was drawn in.
  void highlightOfATwoClueCellTakesOneHalf_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("half");
    QTest::addColumn<QString>("yellowAt");
    QTest::addColumn<QString>("plainAt");
    QTest::addColumn<QRgb>("plain");
    QTest::newRow("16 bottom") << 16 << 2 << "2,22" << "2,2" << G;
    QTest::newRow("16 top") << 16 << 1 << "2,2" << "2,22" << G;
    QTest::newRow("106 bottom") << 106 << 2 << "2,22" << "2,2" << R;
    QTest::newRow("20 left") << 20 << 1 << "2,37" << "37,37" << G;
    QTest::newRow("102 right") << 102 << 2 << "37,37" << "2,37" << R;
  }
  void highlightOfATwoClueCellTakesOneHalf() {
    QFETCH(int, code);
    QFETCH(int, half);
    QFETCH(QString, yellowAt);
    QFETCH(QString, plainAt);
    QFETCH(QRgb, plain);
    const auto c = static_cast<std::uint8_t>(code);
    QImage image = RenderCell({c});
    {
      QPainter painter(&image);
      GridCanvas canvas(painter);
      DrawCell(canvas, {kCellLeft, kCellTop, 40, 40}, c, {true, half});
    }
    auto at = [&](const QString& xy) {
      const QStringList parts = xy.split(',');
      return image.pixel(kCellLeft + parts[0].toInt(), kCellTop + parts[1].toInt()) | 0xFF000000;
    };
    QCOMPARE(QColor(at(yellowAt)), QColor(Y));
    QCOMPARE(QColor(at(plainAt)), QColor(plain));
  }

  // Two marks on one cell: the arrow from the left turning down, then the
  // straight arrow from the left.
  void secondArrowDrawsOverTheFirst() {
    const QImage image = RenderCell({3, 1});
    QCOMPARE(Mismatch(image, kCellLeft, kCellTop, ProbesOf(kKindProbes, 3), true), QString());
    QCOMPARE(Mismatch(image, kCellLeft, kCellTop, ProbesOf(kKindProbes, 1), true), QString());
  }

  // The routines draw on any canvas and at any cell size: the palette's
  // button pictures use them on their own images.
  void drawsOnAnyImageWithScaledSharesAndFixedOffsets() {
    QImage image(60, 60, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      GridCanvas canvas(painter);
      const CellBox box{0, 0, 60, 60};
      DrawCellBase(canvas, box);
      DrawCell(canvas, box, 17);
    }
    QCOMPARE(QColor(image.pixel(30, 55)), QColor(Qt::black));  // the bar stays 5 pixels thick
    QCOMPARE(QColor(image.pixel(30, 54)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(59, 59)), QColor(Qt::black));
  }
};

QTEST_MAIN(CellDrawingTest)
#include "cell_drawing_test.moc"
