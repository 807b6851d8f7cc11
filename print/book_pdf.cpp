#include "print/book_pdf.h"

#include <algorithm>
#include <cstdio>

#include "document/cp1251.h"
#include "print/answer_key.h"

namespace verstak {
namespace {

std::string Millimetres(double width, double height) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f x %.1f мм", width, height);
  std::string shown(text);
  std::ranges::replace(shown, '.', ',');
  return shown;
}

// Where a drawing's own corner goes so that its extent is centred on `slot`.
PagePoint Centred(const Drawing& drawing, const PageBox& slot) {
  const PageBox extent = DrawingExtent(drawing);
  return {slot.left + (slot.width() - extent.width()) / 2 - extent.left,
          slot.top + (slot.height() - extent.height()) / 2 - extent.top};
}

constexpr double kRounding = 0.001;  // mm left to the rounding of the sizes

}  // namespace

BookPdf::BookPdf(const TypesetFont& font, const TypesetSettings& typeset, PressSettings press, BookSettings book,
                 std::string_view pdfTitle)
    : font_(font),
      typeset_(typeset),
      press_(std::move(press)),
      book_(std::move(book)),
      page_(PageAroundTrim(press_.paper.value_or(PaperSize{210, 297}).width,
                           press_.paper.value_or(PaperSize{210, 297}).height, press_)),
      pdf_(font, pdfTitle, press_) {}

PageBox BookPdf::Room(const PressPage& page) {
  return {page.trim.left + kBookMargin, page.trim.top + kBookMargin, page.trim.right - kBookMargin,
          page.trim.bottom - kBookMargin - kRunningLineBand};
}

bool BookPdf::fitsWith(const Drawing& drawing) const {
  const PageBox room = Room(page_);
  const PageBox extent = DrawingExtent(drawing);
  double height = extent.height();
  for (const Pending& pending : pending_) height += DrawingExtent(pending.drawing).height() + kBookGap;
  return extent.width() <= room.width() + kRounding && height <= room.height() + kRounding;
}

Failure BookPdf::addPuzzle(Drawing puzzle, std::optional<Drawing> key, std::string label) {
  const PageBox room = Room(page_);
  const PageBox extent = DrawingExtent(puzzle);
  if (extent.width() > room.width() + kRounding || extent.height() > room.height() + kRounding) {
    return UserMessage::Error("Сканворд (" + Millimetres(extent.width(), extent.height()) +
                              ") не помещается на страницу: места " + Millimetres(room.width(), room.height()));
  }
  if (!pending_.empty() && (static_cast<int>(pending_.size()) >= book_.perPage || !fitsWith(puzzle))) flush();
  pending_.push_back({std::move(puzzle), std::move(label)});
  if (key) keys_.push_back(std::move(*key));
  ++puzzles_;
  if (static_cast<int>(pending_.size()) >= book_.perPage) flush();
  return std::nullopt;
}

// The puzzles of the page one above the other, the whole stack centred.
void BookPdf::flush() {
  if (pending_.empty()) return;
  const PageBox room = Room(page_);
  double height = -kBookGap;
  for (const Pending& pending : pending_) height += DrawingExtent(pending.drawing).height() + kBookGap;
  double top = room.top + (room.height() - height) / 2;
  std::vector<const Drawing*> drawings;
  std::vector<PagePoint> origins;
  std::string labels;
  for (const Pending& pending : pending_) {
    const double own = DrawingExtent(pending.drawing).height();
    drawings.push_back(&pending.drawing);
    origins.push_back(Centred(pending.drawing, {room.left, top, room.right, top + own}));
    top += own + kBookGap;
    labels += (labels.empty() ? "" : ", ") + pending.label;
  }
  addPage(std::move(drawings), std::move(origins), labels);
  pending_.clear();
}

// Every key in a slot as large as the largest, as many columns and rows as
// the room holds.
void BookPdf::answerPages() {
  if (keys_.empty()) return;
  const PageBox room = Room(page_);
  double slotWidth = 0, slotHeight = 0;
  for (const Drawing& key : keys_) {
    const PageBox extent = DrawingExtent(key);
    slotWidth = std::max(slotWidth, extent.width());
    slotHeight = std::max(slotHeight, extent.height());
  }
  const int columns = std::max(1, static_cast<int>((room.width() + kBookGap + kRounding) / (slotWidth + kBookGap)));
  const int rows = std::max(1, static_cast<int>((room.height() + kBookGap + kRounding) / (slotHeight + kBookGap)));
  const std::size_t perPage = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
  for (std::size_t first = 0; first < keys_.size(); first += perPage) {
    std::vector<const Drawing*> drawings;
    std::vector<PagePoint> origins;
    for (std::size_t i = first; i < std::min(keys_.size(), first + perPage); ++i) {
      const int column = static_cast<int>((i - first) % static_cast<std::size_t>(columns));
      const int row = static_cast<int>((i - first) / static_cast<std::size_t>(columns));
      const double left = room.left + column * (slotWidth + kBookGap), top = room.top + row * (slotHeight + kBookGap);
      drawings.push_back(&keys_[i]);
      origins.push_back(Centred(keys_[i], {left, top, left + slotWidth, top + slotHeight}));
    }
    addPage(std::move(drawings), std::move(origins), "Ответы");
  }
}

Drawing BookPdf::runningLine(const std::string& text) const {
  Drawing line;
  line.pageWidth = page_.trim.width() - 2 * kBookMargin;
  line.pageHeight = kRunningLineBand;
  line.lineWidth = typeset_.lineWidth;
  Shape shape;
  shape.pass = LayerPass::Text;
  shape.form = OneLineText(Utf8ToCp1251(text), {0, 0, line.pageWidth, line.pageHeight}, kRunningLineSize, typeset_,
                           font_);
  line.shapes.push_back(std::move(shape));
  return line;
}

void BookPdf::addPage(std::vector<const Drawing*> drawings, std::vector<PagePoint> origins, const std::string& line) {
  ++pages_;
  std::string text = book_.title.empty() ? std::string{} : book_.title + " — ";
  text += line + " — стр. " + std::to_string(pages_);
  const Drawing foot = runningLine(text);
  std::vector<PlacedDrawing> placed;
  for (std::size_t i = 0; i < drawings.size(); ++i) placed.push_back({drawings[i], origins[i]});
  placed.push_back({&foot, {page_.trim.left + kBookMargin, page_.trim.bottom - kBookMargin - kRunningLineBand}});
  pdf_.addPage(page_, placed);
}

PrintBytes BookPdf::finish() {
  flush();
  answerPages();
  keys_.clear();
  return pdf_.finish();
}

}  // namespace verstak
