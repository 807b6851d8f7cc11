#include "print/print_drawing.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "print/arrow_start.h"
#include "print/puzzle_typesetting.h"
#include "script/cell_layout.h"
#include "script/clue_emitters.h"
#include "script/one_layer_layout.h"
#include "script/subroutine_library.h"

namespace verstak {
namespace {

constexpr double kUnitsPerMillimetre = 10000;

// One object the macro makes in a cell, in the order it makes them, so that
// the selections by index (alignment, deletion) name what they name there.
struct MadeObject {
  enum class Type { Rectangle, Curve, Text } type;
  PageBox box;                    // rectangles
  std::vector<PagePoint> points;  // curves
  Fill fill = Fill::None;         // rectangles
  int partner = 0;                // texts: the object they are aligned with, from 1
  int slot = 0;                   // texts
  bool upright = false;           // texts
  std::uint8_t arrow = 0;         // curves: the arrow code (1..14) of the subroutine that drew it
  bool deleted = false;
};

// Walks one layout over the grid, as the macro's body does, and turns what
// each cell makes into shapes.
class DrawingWalk {
 public:
  DrawingWalk(const ScanwordDocument& document, const PrintSettings& settings, const TypesetSettings& typeset,
              const TypesetFont& font)
      : document_(document),
        settings_(settings),
        typeset_(typeset),
        font_(font),
        clue_(ClueColour(settings)),
        links_(document) {}

  // `pass` is nullopt for the one-layer layout.
  void walk(const CellLayout& layout, std::optional<LayerPass> pass, std::vector<Shape>& shapes) {
    const CellLayoutLookup lookup(layout);
    pass_ = pass;
    for (int y = 1; y <= document_.gridHeight; ++y) {
      for (int x = 1; x <= document_.gridWidth; ++x) {
        startCell(x, y);
        lookup.forCell(document_.cells.at(x, y), [&](std::initializer_list<CellStep> steps, std::uint8_t code) {
          for (const CellStep& step : steps) take(step, code);
        });
        finishCell(shapes);
      }
    }
  }

 private:
  // The macro's cell: Lear puts it on the grid's top-left cell, each column
  // step moves it by xstep, each row step by ystep down.
  void startCell(int x, int y) {
    row_ = y;
    column_ = x;
    cell_ = {ScriptOriginX + (x - 1) * static_cast<long long>(settings_.cellWidth),
             ScriptOriginY - (y - 1) * static_cast<long long>(settings_.cellHeight), settings_.cellWidth,
             settings_.cellHeight};
    objects_.clear();
    nob_ = 1;
  }

  double pageX(long long units) const {
    return typeset_.pageMargin + static_cast<double>(units - ScriptOriginX) / kUnitsPerMillimetre;
  }
  double pageY(long long units) const {
    return typeset_.pageMargin + static_cast<double>(ScriptOriginY - units) / kUnitsPerMillimetre;
  }
  PagePoint point(const CellPoint& p) const { return {pageX(cell_(p.x)), pageY(cell_(p.y))}; }

  void make(const CellShape& shape, std::uint8_t arrow = 0) {
    MadeObject object{};
    object.arrow = arrow;
    if (shape.type == CellShape::Type::Rectangle) {
      object.type = MadeObject::Type::Rectangle;
      const double left = pageX(cell_(shape.left)), right = pageX(cell_(shape.right));
      const double top = pageY(cell_(shape.top)), bottom = pageY(cell_(shape.bottom));
      object.box = {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    } else {
      object.type = MadeObject::Type::Curve;
      for (int i = 0; i < shape.pointCount; ++i)
        object.points.push_back(point(shape.points[static_cast<std::size_t>(i)]));
    }
    objects_.push_back(std::move(object));
  }

  // A fill applies to the object selected: the one made last.
  void fillSelected(Fill fill) {
    if (objects_.empty() || objects_.back().type != MadeObject::Type::Rectangle) {
      throw std::logic_error("a fill without a rectangle selected");
    }
    objects_.back().fill = fill;
  }

  void call(int number, bool counted) {
    const Subroutine* subroutine = FindSubroutine(number);
    if (subroutine == nullptr) return;
    const std::uint8_t arrow = number >= 1 && number <= 14 ? static_cast<std::uint8_t>(number) : 0;
    for (const SubroutineLine& line : subroutine->lines) {
      if (line.shape.createsObject()) make(line.shape, arrow);
      if (line.fill != Fill::None) fillSelected(line.fill);
    }
    if (counted) nob_ += subroutine->objectsCreated();
  }

  // The object nob-<back> of this cell, counted from 1.
  int selectBack(int back) const {
    const int index = nob_ - back;
    if (index < 1 || index > static_cast<int>(objects_.size())) {
      throw std::logic_error("a selection by index outside the cell");
    }
    return index;
  }

  void emit(ClueEmitter emitter) {
    const EmitterShape& shape = ShapeOf(emitter);
    for (int clue = 0; clue < shape.clueSlots; ++clue) {
      MadeObject text{};
      text.type = MadeObject::Type::Text;
      text.partner = selectBack(shape.partnerBack);
      text.slot = definitionCursor_++;
      text.upright = shape.upright;
      objects_.push_back(std::move(text));
      nob_ += 1;
    }
  }

  void take(const CellStep& step, std::uint8_t code) {
    switch (step.action) {
      case CellStep::Action::WriteLine:
        if (step.shape.createsObject()) make(step.shape);
        break;
      case CellStep::Action::CallSubroutine: call(step.number, false); break;
      case CellStep::Action::CallCounted: call(step.number, true); break;
      case CellStep::Action::CallCountedOfCode: call(code, true); break;
      case CellStep::Action::AdvanceCounter: nob_ += step.number; break;
      case CellStep::Action::EmitClue: emit(step.emitter); break;
      case CellStep::Action::DeleteObject:
        objects_[static_cast<std::size_t>(selectBack(step.number) - 1)].deleted = true;
        break;
    }
  }

  Cmyk fillColour(Fill fill) const {
    switch (fill) {
      case Fill::ClueFill:
      case Fill::ClueFillNarrow: return clue_;
      case Fill::GreyFill: return kPictureGrey;
      case Fill::BlackFill:
      case Fill::None: break;
    }
    return kBlack;
  }

  // In the one-layer layout a shape belongs to the pass that would draw it.
  LayerPass passOf(const MadeObject& object) const {
    if (pass_) return *pass_;
    switch (object.type) {
      case MadeObject::Type::Text: return LayerPass::Text;
      case MadeObject::Type::Curve: return LayerPass::Arrows;
      case MadeObject::Type::Rectangle: break;
    }
    if (object.fill == Fill::ClueFill || object.fill == Fill::ClueFillNarrow) return LayerPass::FullSquares;
    if (object.fill == Fill::GreyFill) return LayerPass::Pictures;
    return LayerPass::AllSquares;
  }

  ClueHalf halfOf(const PageBox& box) const {
    const PageBox cell{pageX(cell_.xn), pageY(cell_.yn), pageX(cell_.xn + cell_.xstep), pageY(cell_.yn - cell_.ystep)};
    constexpr double close = 1e-6;
    if (box.width() < cell.width() - close)
      return std::abs(box.left - cell.left) < close ? ClueHalf::Left : ClueHalf::Right;
    if (box.height() < cell.height() - close)
      return std::abs(box.top - cell.top) < close ? ClueHalf::Top : ClueHalf::Bottom;
    return ClueHalf::Whole;
  }

  std::optional<std::array<PagePoint, 3>> arrowhead(const std::vector<PagePoint>& points) const {
    if (!typeset_.arrowheads || points.size() < 2) return std::nullopt;
    const PagePoint tip = points.back();
    const PagePoint from = points[points.size() - 2];
    const double dx = tip.x - from.x, dy = tip.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0) return std::nullopt;
    const double ux = dx / length, uy = dy / length;
    const PagePoint base{tip.x - ux * kArrowheadLength, tip.y - uy * kArrowheadLength};
    const double half = kArrowheadWidth / 2;
    return std::array<PagePoint, 3>{tip, PagePoint{base.x - uy * half, base.y + ux * half},
                                    PagePoint{base.x + uy * half, base.y - ux * half}};
  }

  void finishCell(std::vector<Shape>& shapes) {
    for (const MadeObject& object : objects_) {
      if (object.deleted) continue;
      Shape shape;
      shape.row = row_;
      shape.column = column_;
      shape.pass = passOf(object);
      switch (object.type) {
        case MadeObject::Type::Rectangle:
          shape.colour = object.fill == Fill::None ? kBlack : fillColour(object.fill);
          shape.form =
              RectangleShape{object.box, settings_.cornerRadius / kUnitsPerMillimetre, object.fill != Fill::None};
          break;
        case MadeObject::Type::Curve: {
          const std::vector<PagePoint> points = movedApart(object);
          shape.form = ArrowShape{points, arrowhead(points)};
          break;
        }
        case MadeObject::Type::Text: shape.form = placeText(object, shapes.size()); break;
      }
      shapes.push_back(std::move(shape));
    }
  }

  // Print only: an arrow from a split clue cell starts in its own half, and
  // two from one point start apart (see arrow_start.h).
  std::vector<PagePoint> movedApart(const MadeObject& curve) const {
    std::vector<PagePoint> points = curve.points;
    if (curve.arrow == 0) return points;
    const PagePoint shift = ArrowStartShift(document_, links_, column_, row_, curve.arrow);
    const double dx = shift.x * settings_.cellWidth / kUnitsPerMillimetre;
    const double dy = shift.y * settings_.cellHeight / kUnitsPerMillimetre;
    for (PagePoint& p : points) p = {p.x + dx, p.y + dy};
    return points;
  }

  // The clue's place; it is set with the puzzle's other clues once all are known.
  TextBlock placeText(const MadeObject& text, std::size_t shape) {
    TextBlock block;
    block.box = objects_[static_cast<std::size_t>(text.partner - 1)].box;
    block.upright = text.upright;
    block.fit.slot = text.slot;
    block.fit.row = row_;
    block.fit.column = column_;
    block.fit.half = halfOf(block.box);
    texts_.push_back(shape);
    clues_.push_back({&document_.definitions.slotOrEmpty(text.slot), block.box, block.upright});
    return block;
  }

 public:
  // Sets the clues placed, in the shapes they were placed in.
  void setTexts(std::vector<Shape>& shapes) const {
    std::vector<TextBlock> blocks = SetPuzzleClues(clues_, typeset_, font_);
    for (std::size_t i = 0; i < texts_.size(); ++i) {
      TextBlock& placed = std::get<TextBlock>(shapes[texts_[i]].form);
      const ClueFit place = placed.fit;
      placed = std::move(blocks[i]);
      placed.fit.slot = place.slot;
      placed.fit.row = place.row;
      placed.fit.column = place.column;
      placed.fit.half = place.half;
    }
  }

 private:
  const ScanwordDocument& document_;
  const PrintSettings& settings_;
  const TypesetSettings& typeset_;
  const TypesetFont& font_;
  const Cmyk clue_;
  const ClueLinks links_;
  std::optional<LayerPass> pass_;
  int definitionCursor_ = 1;
  int row_ = 0;
  int column_ = 0;
  MacroCell cell_;
  std::vector<MadeObject> objects_;
  int nob_ = 1;
  std::vector<std::size_t> texts_;  // the shapes of the clues placed
  std::vector<ClueToSet> clues_;
};

}  // namespace

Drawing PrintDrawing(const ScanwordDocument& document, const PrintSettings& settings, const TypesetSettings& typeset,
                     const TypesetFont& font, const ExportChoice& choice) {
  Drawing drawing;
  drawing.pageWidth = document.gridWidth * (settings.cellWidth / kUnitsPerMillimetre) + 2 * typeset.pageMargin;
  drawing.pageHeight = document.gridHeight * (settings.cellHeight / kUnitsPerMillimetre) + 2 * typeset.pageMargin;
  drawing.layout = choice.layerMode;
  drawing.lineWidth = typeset.lineWidth;
  DrawingWalk walk(document, settings, typeset, font);
  drawing.shapes.reserve(std::size_t{document.gridWidth} * document.gridHeight * 4);
  if (choice.layerMode == LayerMode::OneLayer) {
    walk.walk(OneLayerLayout(), std::nullopt, drawing.shapes);
    walk.setTexts(drawing.shapes);
    return drawing;
  }
  // Painted layer by layer. Only the text pass takes clue slots, so walking
  // the passes in this order hands out the slots as the macro does.
  std::vector<const PassTable*> ticked;
  for (const PassTable& pass : LayerPassTables()) {
    if (Ticked(pass, choice.passes)) ticked.push_back(&pass);
  }
  std::ranges::sort(ticked, {}, &PassTable::layerRank);
  for (const PassTable* pass : ticked) walk.walk(pass->cells, pass->pass, drawing.shapes);
  walk.setTexts(drawing.shapes);
  return drawing;
}

std::vector<PagePoint> StrokePoints(const ArrowShape& arrow) {
  std::vector<PagePoint> points = arrow.points;
  if (arrow.head) {
    const auto& [tip, left, right] = *arrow.head;
    points.back() = {(left.x + right.x) / 2, (left.y + right.y) / 2};
  }
  return points;
}

std::vector<ClueFit> ClueFits(const Drawing& drawing) {
  std::vector<ClueFit> fits;
  for (const Shape& shape : drawing.shapes) {
    if (const auto* text = std::get_if<TextBlock>(&shape.form)) fits.push_back(text->fit);
  }
  std::ranges::sort(fits, {}, &ClueFit::slot);
  return fits;
}

std::string_view LayerName(LayerPass pass) {
  for (const PassTable& table : LayerPassTables()) {
    if (table.pass == pass) return table.layer;
  }
  return {};
}

}  // namespace verstak
