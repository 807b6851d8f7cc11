#pragma once
// The page of the preview as the PDF's own renderer draws it, at the scale
// asked for, with red outlines over the clues that do not fit. The outlines
// are the window's marks, never part of the file. Only the part in sight is
// rendered: a large grid at 200 % would not fit in memory whole. A part the
// preview's worker rendered is painted as it is.

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QWidget>
#include <vector>

class QPdfDocument;

namespace verstak {

class PageView : public QWidget {
  Q_OBJECT

 public:
  // Grey around the page, so that its edge shows.
  static constexpr int kMargin = 12;

  explicit PageView(QWidget* parent = nullptr);

  // `pdf` stays loaded while it is shown; `pageSize` and the marks are in
  // millimetres from the page's top-left corner.
  void setPage(QPdfDocument* pdf, QSizeF pageSize, std::vector<QRectF> marks);
  void clearPage();
  bool hasPage() const { return pdf_ != nullptr; }

  // Pixels per millimetre; the widget takes the size of the page at it.
  void setScale(double pixelsPerMillimetre);
  // `part` of the page (pixels at `scale`) rendered already, elsewhere: kept
  // for painting when the page is shown at that scale.
  void keepRendered(QImage image, const QRect& part, double scale);
  double scale() const { return scale_; }
  QSizeF pageSize() const { return pageSize_; }
  const std::vector<QRectF>& marks() const { return marks_; }

  // Where the page lies in the widget, in pixels.
  QRect pageRect() const;
  // The part of the page in sight, in its own pixels.
  QRect inSight() const;
  // A mark's outline in the widget, in pixels.
  QRectF markRect(const QRectF& mark) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Forget();

  QPdfDocument* pdf_ = nullptr;
  QSizeF pageSize_;
  std::vector<QRectF> marks_;
  double scale_ = 1;
  // The part rendered last, reused while it covers what is painted.
  QImage rendered_;
  QRect renderedPart_;
};

}  // namespace verstak
