#include "preview/page_printing.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "preview/page_render.h"

namespace verstak {
namespace {

constexpr double kPointsPerInch = 72;
// Rendered and sent a band at a time: a whole page at 1200 dpi would be
// hundreds of megabytes.
constexpr int kBandHeight = 512;

}  // namespace

double PrintShrink(QSizeF pageSize, const QPrinter& printer) {
  const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
  const QSizeF trueSize = pageSize * (printer.resolution() / kPointsPerInch);
  return std::min({1.0, printable.width() / trueSize.width(), printable.height() / trueSize.height()});
}

QRectF PrintedPageRect(QSizeF pageSize, const QPrinter& printer) {
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QSizeF size = pageSize * (printer.resolution() / kPointsPerInch) * PrintShrink(pageSize, printer);
  return {(paper.width() - size.width()) / 2, (paper.height() - size.height()) / 2, size.width(), size.height()};
}

bool PrintPdfPage(QPdfDocument& pdf, QPrinter& printer) {
  if (pdf.pageCount() < 1) return false;
  // Device pixels from the paper's corner, not from the printable area's.
  printer.setFullPage(true);
  const QRectF place = PrintedPageRect(pdf.pagePointSize(0), printer);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QPoint corner(static_cast<int>(std::lround(place.left())), static_cast<int>(std::lround(place.top())));
  const QSize whole(static_cast<int>(std::lround(place.width())), static_cast<int>(std::lround(place.height())));
  for (int top = 0; top < whole.height(); top += kBandHeight) {
    const QRect band(0, top, whole.width(), std::min(kBandHeight, whole.height() - top));
    // Opaque: what the page leaves unpainted is paper, not a mask for the printer.
    painter.drawImage(corner + band.topLeft(), RenderPagePart(pdf, whole, band, 1));
  }
  return painter.end();
}

}  // namespace verstak
