#pragma once
// The scanword as the macro draws it, as a list of shapes on the page: cell
// frames, clue backgrounds, bars and picture fills, arrows and clue texts.
// The geometry is the macro's own: the same layout tables are walked and the
// shapes beside the subroutines' lines evaluated, cell by cell.

#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "document/scanword_document.h"
#include "print/clue_typesetting.h"
#include "print/cmyk.h"
#include "print/print_geometry.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "script/layer_passes.h"
#include "settings/print_settings.h"

namespace verstak {

// Outlined in black at the line width; filled when `filled`, in the shape's colour.
struct RectangleShape {
  PageBox box;
  double cornerRadius = 0;  // mm, as the settings give it
  bool filled = false;
};

// A polyline stroked at the line width, with a filled head at its end.
struct ArrowShape {
  std::vector<PagePoint> points;
  std::optional<std::array<PagePoint, 3>> head;  // tip, then the two base corners
};

// The points the arrow's stroke runs through: with a head it stops at the
// head's base, so that its square end stays under the head.
std::vector<PagePoint> StrokePoints(const ArrowShape& arrow);

struct Shape {
  int row = 0;
  int column = 0;
  LayerPass pass = LayerPass::AllSquares;
  Cmyk colour = kBlack;  // a filled rectangle's fill; otherwise stroke and text
  std::variant<RectangleShape, ArrowShape, TextBlock> form;
};

struct Drawing {
  double pageWidth = 0;  // mm: the grid and the page margin on each side
  double pageHeight = 0;
  LayerMode layout = LayerMode::OneLayer;
  double lineWidth = 0;  // mm
  // In the order they are painted: in the layered layouts layer by layer from
  // the lowest ("Free_kub") to the highest ("Arrows"), so that texts and
  // arrows lie above the fills; otherwise in the order the macro makes them.
  std::vector<Shape> shapes;
};

// Arrowheads: about a millimetre long.
inline constexpr double kArrowheadLength = 1.0;
inline constexpr double kArrowheadWidth = 0.8;

// The drawing of `choice.layerMode` and, in the layered layouts, of the
// ticked passes; the CorelDRAW version does not matter.
Drawing PrintDrawing(const ScanwordDocument& document, const PrintSettings& settings, const TypesetSettings& typeset,
                     const TypesetFont& font, const ExportChoice& choice);

// Every clue of a drawing, in the order of the slots it uses.
std::vector<ClueFit> ClueFits(const Drawing& drawing);

// The layer a pass of the layered layouts draws on, for editors that know layers.
std::string_view LayerName(LayerPass pass);

}  // namespace verstak
