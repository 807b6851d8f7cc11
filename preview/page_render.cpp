#include "preview/page_render.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <algorithm>
#include <cmath>

#include "print/pdf_writer.h"
#include "print/press_page.h"
#include "print/print_writer.h"

namespace verstak {
namespace {

RenderedPage Problem(const QString& text) {
  RenderedPage page;
  page.problem = text;
  return page;
}

// The part of the page in sight, and a little around it.
QRect PartToRender(const PageRenderJob& job, QSize pagePixels) {
  const QRect onPage(QPoint(0, 0), pagePixels);
  if (job.scaling.zoom == 0) return onPage;
  return job.scaling.inSight.adjusted(-kRenderAhead, -kRenderAhead, kRenderAhead, kRenderAhead) & onPage;
}

void RenderInSight(const PageRenderJob& job, RenderedPage& page) {
  page.scale = PageScale(page.pageSize, job.scaling);
  const QSize pixels = PagePixels(page.pageSize, page.scale);
  const QRect part = PartToRender(job, pixels);
  if (part.isEmpty()) return;
  QBuffer buffer(&page.pdf);
  buffer.open(QIODevice::ReadOnly);
  QPdfDocument pdf;
  pdf.load(&buffer);
  if (pdf.status() != QPdfDocument::Status::Ready || pdf.pageCount() < 1) return;
  page.image = RenderPagePart(pdf, pixels, part, job.scaling.pixelRatio);
  page.part = part;
  pdf.close();
}

}  // namespace

RenderedPage RenderPage(const PageRenderJob& job) {
  if (job.document.gridWidth == 0 || job.document.gridHeight == 0) {
    return Problem(QStringLiteral("Сетки нет: откройте сканворд или создайте новую сетку."));
  }
  const PrintWriter writer(job.document, job.settings, job.typeset, job.font);
  std::optional<Drawing> drawing;
  if (job.answers) {
    AnswerKeyOutcome key =
        AnswerKeyDrawing(job.document, job.settings, job.typeset, job.font, job.answerCell, job.caption);
    if (key.failure) return Problem(QString::fromStdString(key.failure->text));
    drawing = std::move(key.drawing);
  } else {
    drawing = writer.drawing(job.choice);
  }
  const PuzzlePageOutcome placed = PuzzlePageOf(*drawing, job.press);
  if (placed.failure) return Problem(QString::fromStdString(placed.failure->text));
  // The key's title is its caption, as the file saved has it.
  const PrintBytes pdf = PdfBytes(*drawing, job.font, job.answers ? job.caption : job.title, job.press);
  if (pdf.failure) return Problem(QString::fromStdString(pdf.failure->text));

  RenderedPage page;
  page.answers = job.answers;
  page.pdf = QByteArray(pdf.bytes.data(), static_cast<qsizetype>(pdf.bytes.size()));
  page.pageSize = {placed.page->page.mediaWidth, placed.page->page.mediaHeight};
  if (!job.answers) {
    // The layered layouts may leave the texts out; the list has every clue.
    page.fits = job.choice.layerMode == LayerMode::OneLayer ? MakeFitReport(*drawing) : writer.fitReport();
    // The page holds the bleed (and crop marks) around the drawing.
    const PagePoint origin = placed.page->placed.origin;
    for (const Shape& shape : drawing->shapes) {
      const auto* text = std::get_if<TextBlock>(&shape.form);
      if (text && !text->fit.fits) {
        page.marks.emplace_back(QPointF(origin.x + text->box.left, origin.y + text->box.top),
                                QPointF(origin.x + text->box.right, origin.y + text->box.bottom));
      }
    }
  }
  RenderInSight(job, page);
  return page;
}

double PageScale(QSizeF pageSize, const PageScaling& scaling) {
  if (scaling.zoom != 0) return scaling.pixelsPerMillimetreAt100 * scaling.zoom / 100;
  if (pageSize.isEmpty()) return 1;
  return std::max(0.01, std::min(scaling.room.width() / pageSize.width(), scaling.room.height() / pageSize.height()));
}

QSize PagePixels(QSizeF pageSize, double scale) {
  return {static_cast<int>(std::lround(pageSize.width() * scale)),
          static_cast<int>(std::lround(pageSize.height() * scale))};
}

QImage RenderPagePart(QPdfDocument& pdf, QSize pagePixels, const QRect& part, qreal pixelRatio) {
  const QSize whole = (QSizeF(pagePixels) * pixelRatio).toSize();
  const QRect clip((QPointF(part.topLeft()) * pixelRatio).toPoint(), (QSizeF(part.size()) * pixelRatio).toSize());
  QPdfDocumentRenderOptions options;
  options.setScaledSize(whole);
  options.setScaledClipRect(clip);
  // What the page leaves unpainted is paper.
  QImage image(clip.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter(&image).drawImage(0, 0, pdf.render(0, clip.size(), options));
  image.setDevicePixelRatio(pixelRatio);
  return image;
}

}  // namespace verstak
