#pragma once
// Printing the preview's page: the PDF's own rendering at the printer's
// resolution, at the page's true size and centred on the paper. A page
// larger than the printable area is scaled down to it, never up.

#include <QRectF>

class QPdfDocument;
class QPrinter;

namespace verstak {

// How much a page of `pageSize` points is scaled down to fit the printable
// area: 1 when it fits at its true size.
double PrintShrink(QSizeF pageSize, const QPrinter& printer);

// Where the page goes on the paper, in the printer's device pixels from the
// paper's top-left corner, for a page of `pageSize` points.
QRectF PrintedPageRect(QSizeF pageSize, const QPrinter& printer);

// Prints page 1 of `pdf`; false when the printer could not be started.
bool PrintPdfPage(QPdfDocument& pdf, QPrinter& printer);

}  // namespace verstak
