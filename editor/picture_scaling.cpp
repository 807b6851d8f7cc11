#include "editor/picture_scaling.h"

#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

namespace verstak {
namespace {

// What one result pixel takes from the picture's pixels along an axis, in
// units that make a picture pixel `to` long and a result pixel `from`: the
// overlaps of [i*to, (i+1)*to) with [j*from, (j+1)*from), adding up to
// `from`. A result pixel overlaps at most three picture pixels (the cell of
// 40 shrinks to 20 at the least).
struct Shares {
  static constexpr int kMost = 3;
  int first = 0;  // the first picture pixel
  int count = 0;
  int weight[kMost] = {};
};

std::vector<Shares> SharesAlong(int start, int resultLength, int to, int from) {
  std::vector<Shares> shares(static_cast<std::size_t>(resultLength));
  for (int j = 0; j < resultLength; ++j) {
    Shares& share = shares[static_cast<std::size_t>(j)];
    const int begin = j * from;
    const int end = begin + from;
    share.first = start + begin / to;
    for (int i = begin / to; i * to < end && share.count < Shares::kMost; ++i) {
      share.weight[share.count++] = std::min(end, (i + 1) * to) - std::max(begin, i * to);
    }
  }
  return shares;
}

// Row `y` of `result` from the channel sums of its pixels, each over `total`, rounded.
void WriteMeans(QImage& result, int y, const std::vector<int>& sum, int total) {
  auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
  const int* at = sum.data();
  for (int x = 0; x < result.width(); ++x, at += 3) {
    out[x] = qRgb((at[0] + total / 2) / total, (at[1] + total / 2) / total, (at[2] + total / 2) / total);
  }
}

QImage AreaMean(const QImage& picture, const QRect& area, int to, int from) {
  const int width = area.width() * to / from;
  const int height = area.height() * to / from;
  const std::vector<Shares> across = SharesAlong(area.left(), width, to, from);
  const std::vector<Shares> down = SharesAlong(area.top(), height, to, from);
  QImage result(width, height, QImage::Format_RGB32);
  // Per result column and channel, the weighted sum over the rows so far.
  std::vector<int> sum(static_cast<std::size_t>(width) * 3);
  const int total = from * from;
  for (int y = 0; y < height; ++y) {
    std::fill(sum.begin(), sum.end(), 0);
    const Shares& rows = down[static_cast<std::size_t>(y)];
    for (int r = 0; r < rows.count; ++r) {
      const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(rows.first + r));
      const int rowWeight = rows.weight[r];
      int* at = sum.data();
      for (const Shares& columns : across) {
        int red = 0, green = 0, blue = 0;
        for (int c = 0; c < columns.count; ++c) {
          const QRgb pixel = line[columns.first + c];
          red += qRed(pixel) * columns.weight[c];
          green += qGreen(pixel) * columns.weight[c];
          blue += qBlue(pixel) * columns.weight[c];
        }
        at[0] += red * rowWeight;
        at[1] += green * rowWeight;
        at[2] += blue * rowWeight;
        at += 3;
      }
    }
    WriteMeans(result, y, sum, total);
  }
  return result;
}

// The same when a result pixel is exactly `block` x `block` picture pixels
// (50 %), without weights: the zoom most used for a whole large grid.
QImage BlockMean(const QImage& picture, const QRect& area, int block) {
  const int width = area.width() / block;
  const int height = area.height() / block;
  QImage result(width, height, QImage::Format_RGB32);
  const int total = block * block;
  std::vector<int> sum(static_cast<std::size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    std::fill(sum.begin(), sum.end(), 0);
    for (int r = 0; r < block; ++r) {
      const auto* pixel = reinterpret_cast<const QRgb*>(picture.constScanLine(area.top() + y * block + r)) + area.left();
      int* at = sum.data();
      for (int x = 0; x < width; ++x, at += 3) {
        for (int c = 0; c < block; ++c, ++pixel) {
          at[0] += qRed(*pixel);
          at[1] += qGreen(*pixel);
          at[2] += qBlue(*pixel);
        }
      }
    }
    WriteMeans(result, y, sum, total);
  }
  return result;
}

QImage Nearest(const QImage& picture, const QRect& area, int to, int from) {
  const int width = area.width() * to / from;
  const int height = area.height() * to / from;
  // The centre of result pixel j lies (2j + 1) / 2 result pixels in.
  const auto under = [&](int j) { return ((2 * j + 1) * from) / (2 * to); };
  std::vector<int> columns(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) columns[static_cast<std::size_t>(x)] = area.left() + under(x);
  QImage result(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(area.top() + under(y)));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < width; ++x) out[x] = line[columns[static_cast<std::size_t>(x)]];
  }
  return result;
}

}  // namespace

QImage ScaledPicture(const QImage& picture, const QRect& area, int to, int from) {
  if (to >= from) return Nearest(picture, area, to, from);
  return from % to == 0 ? BlockMean(picture, area, from / to) : AreaMean(picture, area, to, from);
}

}  // namespace verstak
