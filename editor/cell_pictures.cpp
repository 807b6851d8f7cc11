#include "editor/cell_pictures.h"

#include <array>
#include <string_view>

namespace verstak {
namespace {

constexpr QRgb kInk = 0xFF000000;

// Right arrowhead: row r is black in columns 0 .. width - 1; row 10 is empty.
constexpr std::array<int, 10> kRightHeadRowWidths = {2, 4, 6, 8, 9, 9, 8, 6, 4, 2};

// Down arrowhead: row r is black in columns first .. last; row 9 is empty.
struct Span {
  int first;
  int last;
};
constexpr std::array<Span, 9> kDownHeadRows = {{{0, 9}, {0, 9}, {1, 8}, {1, 8}, {2, 7}, {2, 7}, {3, 6}, {3, 6}, {4, 5}}};

// The word ТЕКСТ, rows 1..7 of a 30 x 10 picture; rows 0, 8 and 9 are empty.
constexpr std::array<std::string_view, 7> kTextRows = {
    "..#####.###.#..#..##..#####...",
    "....#...#...#..#.#..#...#.....",
    "....#...#...#.#..#......#.....",
    "....#...###.##...#......#.....",
    "....#...#...#.#..#......#.....",
    "....#...#...#..#.#..#...#.....",
    "....#...###.#..#..##....#.....",
};

QImage Transparent(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

QImage RightHead() {
  QImage image = Transparent(11, 11);
  for (int row = 0; row < static_cast<int>(kRightHeadRowWidths.size()); ++row) {
    for (int column = 0; column < kRightHeadRowWidths[row]; ++column) image.setPixel(column, row, kInk);
  }
  return image;
}

QImage DownHead() {
  QImage image = Transparent(10, 10);
  for (int row = 0; row < static_cast<int>(kDownHeadRows.size()); ++row) {
    for (int column = kDownHeadRows[row].first; column <= kDownHeadRows[row].last; ++column) {
      image.setPixel(column, row, kInk);
    }
  }
  return image;
}

QImage Text() {
  QImage image = Transparent(30, 10);
  for (int row = 0; row < static_cast<int>(kTextRows.size()); ++row) {
    for (int column = 0; column < static_cast<int>(kTextRows[row].size()); ++column) {
      if (kTextRows[row][column] == '#') image.setPixel(column, row + 1, kInk);
    }
  }
  return image;
}

// Column c, row r of the upright word is column 28 - r, row c - 1 of the
// horizontal one, so that it reads from the bottom up.
QImage TextUpwards(const QImage& text) {
  QImage image = Transparent(10, 30);
  for (int column = 1; column <= 9; ++column) {
    for (int row = 0; row <= 28; ++row) image.setPixel(column, row, text.pixel(28 - row, column - 1));
  }
  return image;
}

CellPictures Build() {
  CellPictures pictures;
  pictures.rightArrowhead = RightHead();
  pictures.downArrowhead = DownHead();
  pictures.textWord = Text();
  pictures.textWordUpwards = TextUpwards(pictures.textWord);
  // Premultiplied, the form a painter blends fastest; with only opaque black
  // and fully transparent pixels the pictures stay the same.
  for (QImage* picture : {&pictures.rightArrowhead, &pictures.downArrowhead, &pictures.textWord,
                          &pictures.textWordUpwards}) {
    *picture = picture->convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  return pictures;
}

}  // namespace

const CellPictures& Pictures() {
  static const CellPictures pictures = Build();
  return pictures;
}

}  // namespace verstak
