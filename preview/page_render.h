#pragma once
// The preview's page made away from the window: the PDF of the puzzle (or
// of its answer key), the clues that do not fit and where they lie, and the
// part of the page in sight rendered at the scale it is shown at. A job
// holds copies of everything it reads, so that a worker thread can make it
// while the window goes on changing the document.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <string>
#include <vector>

#include "document/scanword_document.h"
#include "print/answer_key.h"
#include "print/fit_report.h"
#include "print/press_settings.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "script/export_choice.h"
#include "settings/print_settings.h"

class QPdfDocument;

namespace verstak {

// How the page is scaled in the window: `zoom` per cent of its true size,
// or with 0 as large as fits `room` (pixels).
struct PageScaling {
  int zoom = 0;
  double pixelsPerMillimetreAt100 = 1;
  QSize room;
  // Of the page at the scale shown when the job was taken, in pixels: what
  // is rendered at a zoom (at the fit the page is in sight whole).
  QRect inSight;
  qreal pixelRatio = 1;
};

struct PageRenderJob {
  ScanwordDocument document;
  PrintSettings settings;
  TypesetSettings typeset;
  TypesetFont font;
  ExportChoice choice;
  std::string title;    // UTF-8, the PDF's title
  std::string caption;  // UTF-8, the answer key's
  PressSettings press;
  bool answers = false;  // the answer key instead of the puzzle
  double answerCell = kDefaultAnswerCell;
  PageScaling scaling;
};

struct RenderedPage {
  QString problem;  // why there is no page, shown instead of one
  QByteArray pdf;
  QSizeF pageSize;             // mm
  std::vector<QRectF> marks;   // the clues that do not fit, mm from the page's corner
  FitReport fits;              // every clue that does not fit, whatever the layout shows
  double scale = 0;            // pixels per mm of `image`
  QRect part;                  // of the page at `scale`, pixels; empty: nothing rendered
  QImage image;
  bool answers = false;  // the page is the answer key's
};

RenderedPage RenderPage(const PageRenderJob& job);

// Pixels per millimetre of a page of `pageSize` mm.
double PageScale(QSizeF pageSize, const PageScaling& scaling);

// The page's size in pixels at `scale`.
QSize PagePixels(QSizeF pageSize, double scale);

// `part` of the first page of `pdf` rendered whole at `pagePixels` (logical
// pixels, `pixelRatio` device pixels each), on white paper.
QImage RenderPagePart(QPdfDocument& pdf, QSize pagePixels, const QRect& part, qreal pixelRatio);

// Rendered beyond what is in sight, so that scrolling a little renders nothing.
inline constexpr int kRenderAhead = 256;

}  // namespace verstak
