#include "preview/page_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPdfDocument>

#include "preview/page_render.h"
#include "widgets/screen_colours.h"

namespace verstak {

PageView::PageView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setScale(scale_);
}

void PageView::setPage(QPdfDocument* pdf, QSizeF pageSize, std::vector<QRectF> marks) {
  pdf_ = pdf;
  pageSize_ = pageSize;
  marks_ = std::move(marks);
  Forget();
  setScale(scale_);
}

void PageView::clearPage() { setPage(nullptr, {}, {}); }

void PageView::setScale(double pixelsPerMillimetre) {
  scale_ = pixelsPerMillimetre;
  Forget();
  setFixedSize(pageRect().size() + QSize(2 * kMargin, 2 * kMargin));
  update();
}

QRect PageView::pageRect() const { return {QPoint(kMargin, kMargin), PagePixels(pageSize_, scale_)}; }

void PageView::keepRendered(QImage image, const QRect& part, double scale) {
  if (!pdf_ || scale != scale_ || image.isNull() || image.devicePixelRatio() != devicePixelRatioF()) return;
  rendered_ = std::move(image);
  renderedPart_ = part;
  update();
}

QRect PageView::inSight() const {
  const QRect page = pageRect();
  return (visibleRegion().boundingRect() & page).translated(-page.topLeft());
}

QRectF PageView::markRect(const QRectF& mark) const {
  return {kMargin + mark.left() * scale_, kMargin + mark.top() * scale_, mark.width() * scale_, mark.height() * scale_};
}

void PageView::Forget() {
  rendered_ = QImage();
  renderedPart_ = QRect();
}

void PageView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), ScreenColour::Grey);
  if (!pdf_ || pageRect().isEmpty()) return;
  const QRect page = pageRect();
  const QRect onPage(QPoint(0, 0), page.size());
  const QRect needed = (event->rect() & page).translated(-page.topLeft());
  if (!needed.isEmpty() && !renderedPart_.contains(needed)) {
    renderedPart_ = (needed | inSight()).adjusted(-kRenderAhead, -kRenderAhead, kRenderAhead, kRenderAhead) & onPage;
    rendered_ = RenderPagePart(*pdf_, page.size(), renderedPart_, devicePixelRatioF());
  }
  painter.drawImage(page.topLeft() + renderedPart_.topLeft(), rendered_);
  painter.setPen(QPen(ScreenColour::Black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(page.adjusted(-1, -1, 0, 0));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ScreenColour::Red, 2));
  for (const QRectF& mark : marks_) painter.drawRect(markRect(mark));
}

}  // namespace verstak
