#include "preview/page_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <cmath>

#include "widgets/screen_colours.h"

namespace verstak {
namespace {

// Rendered beyond what is in sight, so that scrolling a little renders nothing.
constexpr int kRenderAhead = 256;

}  // namespace

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

QRect PageView::pageRect() const {
  return {kMargin, kMargin, static_cast<int>(std::lround(pageSize_.width() * scale_)),
          static_cast<int>(std::lround(pageSize_.height() * scale_))};
}

QRectF PageView::markRect(const QRectF& mark) const {
  return {kMargin + mark.left() * scale_, kMargin + mark.top() * scale_, mark.width() * scale_, mark.height() * scale_};
}

void PageView::Forget() {
  rendered_ = QImage();
  renderedPart_ = QRect();
}

QImage PageView::RenderPart(const QRect& part) const {
  const qreal ratio = devicePixelRatioF();
  const QSize whole = (QSizeF(pageRect().size()) * ratio).toSize();
  const QRect clip((QPointF(part.topLeft()) * ratio).toPoint(), (QSizeF(part.size()) * ratio).toSize());
  QPdfDocumentRenderOptions options;
  options.setScaledSize(whole);
  options.setScaledClipRect(clip);
  // What the page leaves unpainted is paper.
  QImage image(clip.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter(&image).drawImage(0, 0, pdf_->render(0, clip.size(), options));
  image.setDevicePixelRatio(ratio);
  return image;
}

void PageView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), ScreenColour::Grey);
  if (!pdf_ || pageRect().isEmpty()) return;
  const QRect page = pageRect();
  const QRect onPage(QPoint(0, 0), page.size());
  const QRect needed = (event->rect() & page).translated(-page.topLeft());
  if (!needed.isEmpty() && !renderedPart_.contains(needed)) {
    const QRect inSight = (visibleRegion().boundingRect() & page).translated(-page.topLeft());
    renderedPart_ = (needed | inSight).adjusted(-kRenderAhead, -kRenderAhead, kRenderAhead, kRenderAhead) & onPage;
    rendered_ = RenderPart(renderedPart_);
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
