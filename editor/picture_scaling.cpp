#include "editor/picture_scaling.h"

#include <QImage>
#include <vector>

namespace verstak {
namespace {

// What one result pixel takes from one picture pixel along an axis, in units
// that make a picture pixel `to` long and a result pixel `from`: the overlap
// of [i*to, (i+1)*to) with [j*from, (j+1)*from). A pixel's shares add up to
// `from`.
struct Share {
  int source;
  int weight;
};

std::vector<std::vector<Share>> Shares(int resultLength, int to, int from) {
  std::vector<std::vector<Share>> shares(static_cast<std::size_t>(resultLength));
  for (int j = 0; j < resultLength; ++j) {
    const int start = j * from;
    const int end = start + from;
    for (int i = start / to; i * to < end; ++i) {
      const int weight = std::min(end, (i + 1) * to) - std::max(start, i * to);
      if (weight > 0) shares[static_cast<std::size_t>(j)].push_back({i, weight});
    }
  }
  return shares;
}

QImage AreaMean(const QImage& picture, int to, int from) {
  const int width = picture.width() * to / from;
  const int height = picture.height() * to / from;
  const auto across = Shares(width, to, from);
  const auto down = Shares(height, to, from);
  QImage result(width, height, QImage::Format_RGB32);
  // One row of the picture's columns merged, three channels a pixel.
  std::vector<int> merged(static_cast<std::size_t>(width) * 3);
  std::vector<int> sum(static_cast<std::size_t>(width) * 3);
  const int total = from * from;
  for (int y = 0; y < height; ++y) {
    std::fill(sum.begin(), sum.end(), 0);
    for (const Share& row : down[static_cast<std::size_t>(y)]) {
      const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(row.source));
      for (int x = 0; x < width; ++x) {
        int r = 0, g = 0, b = 0;
        for (const Share& column : across[static_cast<std::size_t>(x)]) {
          const QRgb pixel = line[column.source];
          r += qRed(pixel) * column.weight;
          g += qGreen(pixel) * column.weight;
          b += qBlue(pixel) * column.weight;
        }
        int* at = &sum[static_cast<std::size_t>(x) * 3];
        at[0] += r * row.weight;
        at[1] += g * row.weight;
        at[2] += b * row.weight;
      }
    }
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int* at = &sum[static_cast<std::size_t>(x) * 3];
      out[x] = qRgb((at[0] + total / 2) / total, (at[1] + total / 2) / total, (at[2] + total / 2) / total);
    }
  }
  return result;
}

QImage Nearest(const QImage& picture, int to, int from) {
  const int width = picture.width() * to / from;
  const int height = picture.height() * to / from;
  // The centre of result pixel j lies at (2j + 1) / 2 result pixels.
  const auto under = [&](int j) { return ((2 * j + 1) * from) / (2 * to); };
  std::vector<int> columns(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) columns[static_cast<std::size_t>(x)] = under(x);
  QImage result(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(under(y)));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < width; ++x) out[x] = line[columns[static_cast<std::size_t>(x)]];
  }
  return result;
}

}  // namespace

QImage ScaledPicture(const QImage& picture, int to, int from) {
  return to < from ? AreaMean(picture, to, from) : Nearest(picture, to, from);
}

}  // namespace verstak
