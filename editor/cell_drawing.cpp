#include "editor/cell_drawing.h"

#include <QImage>
#include <initializer_list>

#include "document/cell_kind.h"
#include "editor/cell_pictures.h"
#include "editor/grid_canvas.h"

namespace verstak {
namespace {

// A coordinate inside a cell: a share of the cell's side plus a fixed number
// of pixels (the fixed offsets do not scale with the cell).
enum class Share { None, Quarter, Half, Whole };

struct Offset {
  Share share;
  int pixels;
};

constexpr Offset Px(int pixels) { return {Share::None, pixels}; }
constexpr Offset Quarter(int pixels = 0) { return {Share::Quarter, pixels}; }
constexpr Offset Half(int pixels = 0) { return {Share::Half, pixels}; }
constexpr Offset Whole(int pixels = 0) { return {Share::Whole, pixels}; }

struct At {
  Offset x;
  Offset y;
};

struct Area {
  Offset x1, y1, x2, y2;  // x1 <= x < x2, y1 <= y < y2
};

constexpr Area kWholeCell{Px(0), Px(0), Whole(), Whole()};
constexpr Area kTopHalf{Px(0), Px(0), Whole(), Half()};
constexpr Area kBottomHalf{Px(0), Half(), Whole(), Whole()};
constexpr Area kLeftHalf{Px(0), Px(0), Half(), Whole()};
constexpr Area kRightHalf{Half(), Px(0), Whole(), Whole()};

int Part(Share share, int side) {
  switch (share) {
    case Share::None: return 0;
    case Share::Quarter: return side / 4;
    case Share::Half: return side / 2;
    case Share::Whole: return side;
  }
  return 0;
}

int X(const CellBox& box, Offset o) { return box.left + Part(o.share, box.width) + o.pixels; }
int Y(const CellBox& box, Offset o) { return box.top + Part(o.share, box.height) + o.pixels; }

void Fill(GridCanvas& canvas, const CellBox& box, const Area& area, const QColor& brush) {
  canvas.SetBrush(brush);
  canvas.Rectangle(X(box, area.x1), Y(box, area.y1), X(box, area.x2), Y(box, area.y2));
}

void Picture(GridCanvas& canvas, const CellBox& box, At at, const QImage& picture) {
  canvas.DrawPicture(X(box, at.x), Y(box, at.y), picture);
}

// Keeps a cell's drawing inside the cell while it lasts. Only lines need it:
// an arrow starting on the far edge or corner of the cell, or the second row
// or column of a 2-pixel stroke, reaches into the neighbour. Everything else
// the tables place inside the cell.
class CellClip {
 public:
  CellClip(GridCanvas& canvas, const CellBox& box) : canvas_(canvas) {
    canvas_.ClipTo(QRect(box.left, box.top, box.width, box.height));
  }
  ~CellClip() { canvas_.ClipTo(QRect()); }
  CellClip(const CellClip&) = delete;
  CellClip& operator=(const CellClip&) = delete;

 private:
  GridCanvas& canvas_;
};

// Arrows 1..14: a 2-pixel line through the points, ending at the base of
// its arrowhead.
enum class Head { Right, Down };

struct ArrowShape {
  std::uint8_t code;
  std::initializer_list<At> line;
  Head head;
  At headAt;
};

constexpr ArrowShape kArrows[] = {
    {1, {{Px(0), Half()}, {Half(-12), Half()}}, Head::Right, {Half(-12), Half(-5)}},
    {2, {{Half(), Px(0)}, {Half(), Half(-12)}}, Head::Down, {Half(-5), Half(-12)}},
    {3, {{Px(0), Half()}, {Half(), Half()}, {Half(), Half(8)}}, Head::Down, {Half(-5), Half(8)}},
    {4, {{Half(), Px(0)}, {Half(), Half()}, {Half(8), Half()}}, Head::Right, {Half(8), Half(-5)}},
    {5, {{Px(0), Px(0)}, {Half(), Quarter()}, {Half(), Half()}}, Head::Down, {Half(-5), Half()}},
    {6, {{Px(0), Px(0)}, {Quarter(), Half()}, {Half(), Half()}}, Head::Right, {Half(), Half(-5)}},
    {7, {{Whole(), Px(0)}, {Half(), Quarter()}, {Half(), Half()}}, Head::Down, {Half(-5), Half()}},
    {8, {{Whole(), Px(0)}, {Half(), Half()}, {Half(8), Half()}}, Head::Right, {Half(8), Half(-5)}},
    {9, {{Half(), Whole()}, {Half(), Half()}, {Half(8), Half()}}, Head::Right, {Half(8), Half(-5)}},
    {10, {{Px(0), Whole()}, {Quarter(), Half()}, {Half(), Half()}}, Head::Right, {Half(), Half(-5)}},
    {11, {{Px(0), Whole()}, {Half(), Half()}, {Half(), Half(8)}}, Head::Down, {Half(-5), Half(8)}},
    {12, {{Whole(), Whole()}, {Half(), Half()}, {Half(8), Half()}}, Head::Right, {Half(8), Half(-5)}},
    {13, {{Whole(), Whole()}, {Half(), Half()}, {Half(), Half(8)}}, Head::Down, {Half(-5), Half(8)}},
    {14, {{Whole(), Half()}, {Half(), Half()}, {Half(), Half(8)}}, Head::Down, {Half(-5), Half(8)}},
};

void DrawArrow(GridCanvas& canvas, const CellBox& box, const ArrowShape& arrow) {
  CellClip clip(canvas, box);
  canvas.SetBrush(ScreenColour::Black);
  canvas.SetPenWidth(2);
  const At* point = arrow.line.begin();
  canvas.MoveTo(X(box, point->x), Y(box, point->y));
  for (++point; point != arrow.line.end(); ++point) canvas.LineTo(X(box, point->x), Y(box, point->y));
  const CellPictures& pictures = Pictures();
  Picture(canvas, box, arrow.headAt, arrow.head == Head::Right ? pictures.rightArrowhead : pictures.downArrowhead);
  canvas.SetPenWidth(1);
}

// Bars: a 5-pixel black strip along one edge.
struct BarShape {
  std::uint8_t code;
  Area bar;
};

constexpr BarShape kBars[] = {
    {17, {Px(0), Whole(-5), Whole(), Whole()}},
    {18, {Px(0), Px(0), Px(5), Whole()}},
    {21, {Whole(-5), Px(0), Whole(), Whole()}},
    {22, {Px(0), Px(0), Whole(), Px(5)}},
};

// Clue cells: grey areas (red for a missing text, yellow when highlighted)
// carrying the word ТЕКСТ. A two-clue cell has two areas.
struct ClueLayout {
  CellKind kind;  // the plain kind; its missing variant looks the same in red
  bool whiteBase;  // the part of the cell outside the clue area stays white
  std::initializer_list<Area> areas;
  QImage CellPictures::*word;
  std::initializer_list<At> wordAt;
};

const ClueLayout kClueLayouts[] = {
    {CellKind::ClueSplitHorizontal, false, {kTopHalf, kBottomHalf}, &CellPictures::textWord,
     {{Px(5), Px(5)}, {Px(5), Px(25)}}},
    {CellKind::Clue, false, {kWholeCell}, &CellPictures::textWord, {{Px(5), Half(-5)}}},
    {CellKind::ClueSplitVertical, false, {kLeftHalf, kRightHalf}, &CellPictures::textWordUpwards,
     {{Px(5), Px(5)}, {Px(25), Px(5)}}},
    {CellKind::ClueHalfLeft, true, {kLeftHalf}, &CellPictures::textWordUpwards, {{Px(5), Px(5)}}},
    {CellKind::ClueHalfTop, true, {kTopHalf}, &CellPictures::textWord, {{Px(5), Px(5)}}},
};

QColor ClueFill(CellKind kind, const CellHighlight& highlight) {
  if (highlight.on) return ScreenColour::Yellow;
  return IsMissingVariant(kind) ? ScreenColour::Red : ScreenColour::Grey;
}

void DrawClue(GridCanvas& canvas, const CellBox& box, CellKind kind, const ClueLayout& layout,
              const CellHighlight& highlight) {
  if (layout.whiteBase) Fill(canvas, box, kWholeCell, ScreenColour::White);
  const QColor fill = ClueFill(kind, highlight);
  if (highlight.on && layout.areas.size() == 2) {
    // Only the selected clue changes colour; the other half keeps what it shows.
    Fill(canvas, box, layout.areas.begin()[highlight.selectedHalf == 2 ? 1 : 0], fill);
  } else {
    for (const Area& area : layout.areas) Fill(canvas, box, area, fill);
  }
  canvas.SetPenWidth(1);
  for (const At& at : layout.wordAt) Picture(canvas, box, at, Pictures().*layout.word);
}

// Picture cells: silver with a 2-pixel diagonal cross, a sixth of the cell
// in from each corner.
void DrawPictureCell(GridCanvas& canvas, const CellBox& box) {
  Fill(canvas, box, kWholeCell, ScreenColour::Silver);
  const int left = box.left + box.width / 6;
  const int right = box.left + box.width - box.width / 6;
  const int top = box.top + box.height / 6;
  const int bottom = box.top + box.height - box.height / 6;
  canvas.SetPenWidth(2);
  canvas.SetBrush(ScreenColour::Black);
  canvas.MoveTo(left, top);
  canvas.LineTo(right, bottom);
  canvas.MoveTo(right, top);
  canvas.LineTo(left, bottom);
  canvas.SetPenWidth(1);
}

template <class Table>
auto Find(const Table& table, std::uint8_t code) -> decltype(&table[0]) {
  for (const auto& row : table) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

const ClueLayout* FindClueLayout(CellKind kind) {
  for (const ClueLayout& layout : kClueLayouts) {
    if (layout.kind == PlainKind(kind)) return &layout;
  }
  return nullptr;
}

}  // namespace

void DrawCellBase(GridCanvas& canvas, const CellBox& box) {
  canvas.SetPenWidth(1);
  Fill(canvas, box, kWholeCell, ScreenColour::White);
}

void DrawCellBases(GridCanvas& canvas, const CellBox& first, int columns, int rows) {
  if (columns <= 0 || rows <= 0) return;
  const int right = first.left + columns * first.width;
  const int bottom = first.top + rows * first.height;
  canvas.SetPenWidth(1);
  canvas.SetBrush(ScreenColour::White);
  canvas.Rectangle(first.left, first.top, right, bottom);
  // The right frame of one cell and the left frame of the next.
  canvas.SetBrush(ScreenColour::Black);
  for (int c = 1; c < columns; ++c) {
    const int x = first.left + c * first.width;
    canvas.Rectangle(x - 1, first.top, x + 1, bottom);
  }
  for (int r = 1; r < rows; ++r) {
    const int y = first.top + r * first.height;
    canvas.Rectangle(first.left, y - 1, right, y + 1);
  }
}

void DrawCell(GridCanvas& canvas, const CellBox& box, std::uint8_t code, const CellHighlight& highlight) {
  const CellKind kind = KindFromCode(code);
  if (const ArrowShape* arrow = Find(kArrows, code)) {
    DrawArrow(canvas, box, *arrow);
  } else if (const BarShape* bar = Find(kBars, code)) {
    Fill(canvas, box, kWholeCell, ScreenColour::White);
    Fill(canvas, box, bar->bar, ScreenColour::Black);
  } else if (const ClueLayout* clue = FindClueLayout(kind)) {
    DrawClue(canvas, box, kind, *clue, highlight);
  } else if (kind == CellKind::Picture) {
    DrawPictureCell(canvas, box);
  }
}

void DrawBarMark(GridCanvas& canvas, const CellBox& box, std::uint8_t code) {
  if (const BarShape* bar = Find(kBars, code)) Fill(canvas, box, bar->bar, ScreenColour::Black);
}

}  // namespace verstak
