#pragma once
// Pixels that tell the cell pictures apart, worked out by hand from the
// drawing tables for a 40 x 40 cell (half 20, quarter 10), relative to the
// cell's top-left pixel.

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace verstak::probes {

inline const QRgb K = qRgb(0, 0, 0);
inline const QRgb W = qRgb(255, 255, 255);
inline const QRgb G = qRgb(128, 128, 128);
inline const QRgb R = qRgb(255, 0, 0);
inline const QRgb Y = qRgb(255, 255, 0);
inline const QRgb S = qRgb(192, 192, 192);

struct Probe {
  int x;
  int y;
  QRgb colour;
};

struct CodeProbes {
  std::uint8_t code;
  std::vector<Probe> probes;
};

// Every cell picture keeps its 1-pixel black frame at the corners.
inline const std::vector<Probe> kFrame = {{0, 0, K}, {39, 0, K}, {0, 39, K}, {39, 39, K}};

// Clue pictures: fill colour `F` (grey, or red for a missing text).
inline std::vector<Probe> SplitHorizontal(QRgb f) {
  // Two boxes (0,0)-(40,20) and (0,20)-(40,40): their outlines meet in rows 19
  // and 20. ТЕКСТ at (5,5) and (5,25): its row 1 starts "..#".
  return {{2, 2, f}, {2, 18, f}, {20, 19, K}, {20, 20, K}, {2, 21, f}, {37, 37, f},
          {7, 6, K}, {5, 6, f},  {15, 9, K},  {7, 26, K},  {5, 26, f}};
}
inline std::vector<Probe> Clue(QRgb f) {
  // One box; ТЕКСТ at (5, 15).
  return {{2, 2, f}, {37, 37, f}, {20, 19, f}, {20, 5, f}, {7, 16, K}, {5, 16, f}};
}
inline std::vector<Probe> SplitVertical(QRgb f) {
  // Boxes (0,0)-(20,40) and (20,0)-(40,40); upright ТЕКСТ at (5,5) and (25,5):
  // its column 2 is row 1 of the word read upwards, black at row 26, not 28.
  return {{2, 37, f}, {19, 30, K}, {20, 30, K}, {37, 37, f}, {7, 31, K}, {7, 33, f}, {27, 31, K}};
}
inline std::vector<Probe> HalfLeft(QRgb f) {
  return {{2, 37, f}, {19, 20, K}, {30, 20, W}, {38, 38, W}, {20, 20, W}, {7, 31, K}};
}
inline std::vector<Probe> HalfTop(QRgb f) {
  return {{2, 2, f}, {37, 18, f}, {20, 19, K}, {20, 30, W}, {2, 21, W}, {7, 6, K}};
}

inline const std::vector<CodeProbes> kKindProbes = {
    {0, {{1, 1, W}, {20, 20, W}, {38, 38, W}, {20, 0, K}, {0, 20, K}}},
    // Arrows: a point on the 2-pixel line, the arrowhead's tip and the pixel
    // beyond it, and a point where a look-alike arrow would be.
    {1, {{3, 20, K}, {3, 19, K}, {3, 21, W}, {3, 18, W}, {16, 19, K}, {17, 19, W}, {8, 15, K}, {10, 15, W}}},
    {2, {{20, 3, K}, {19, 3, K}, {21, 3, W}, {18, 3, W}, {19, 16, K}, {19, 17, W}, {15, 8, K}, {24, 8, K}, {15, 10, W}}},
    {3, {{10, 20, K}, {20, 24, K}, {19, 36, K}, {19, 37, W}, {15, 28, K}, {20, 10, W}}},
    {4, {{20, 10, K}, {24, 20, K}, {36, 19, K}, {37, 19, W}, {28, 15, K}, {10, 20, W}}},
    {5, {{10, 5, K}, {20, 15, K}, {19, 28, K}, {19, 29, W}, {30, 5, W}}},
    {6, {{5, 10, K}, {15, 20, K}, {28, 19, K}, {29, 19, W}, {5, 30, W}}},
    {7, {{30, 5, K}, {20, 15, K}, {19, 28, K}, {19, 29, W}, {10, 5, W}}},
    {8, {{30, 10, K}, {36, 19, K}, {37, 19, W}, {20, 5, W}, {30, 30, W}}},
    {9, {{20, 30, K}, {24, 20, K}, {36, 19, K}, {37, 19, W}, {20, 10, W}}},
    {10, {{5, 30, K}, {15, 20, K}, {28, 19, K}, {29, 19, W}, {5, 10, W}}},
    {11, {{10, 30, K}, {19, 36, K}, {19, 37, W}, {10, 20, W}}},
    {12, {{30, 30, K}, {24, 20, K}, {36, 19, K}, {37, 19, W}, {20, 30, W}}},
    {13, {{30, 30, K}, {20, 24, K}, {19, 36, K}, {19, 37, W}, {24, 20, W}}},
    {14, {{30, 20, K}, {20, 24, K}, {19, 36, K}, {19, 37, W}, {30, 30, W}}},
    {15, {{1, 1, W}, {20, 20, W}, {38, 38, W}}},
    {16, SplitHorizontal(G)},
    // Bars: 5 pixels thick, the rest white.
    {17, {{20, 35, K}, {20, 38, K}, {20, 34, W}, {20, 2, W}, {2, 20, W}}},
    {18, {{1, 20, K}, {4, 20, K}, {5, 20, W}, {20, 20, W}}},
    {19, Clue(G)},
    {20, SplitVertical(G)},
    {21, {{35, 20, K}, {38, 20, K}, {34, 20, W}, {20, 20, W}}},
    {22, {{20, 1, K}, {20, 4, K}, {20, 5, W}, {20, 20, W}}},
    // Picture: silver, a cross from a sixth in from each corner.
    {23, {{2, 2, S}, {20, 2, S}, {2, 20, S}, {20, 30, S}, {20, 20, K}, {10, 10, K}, {30, 10, K}, {10, 30, K}, {30, 30, K}}},
    {24, HalfLeft(G)},
    {25, HalfTop(G)},
    {26, {{1, 1, W}, {20, 20, W}}},
    {102, SplitVertical(R)},
    {104, HalfLeft(R)},
    {105, HalfTop(R)},
    {106, SplitHorizontal(R)},
    {109, Clue(R)},
    {200, {{1, 1, W}, {20, 20, W}}},
};

// A bar mark over an arrow cell: one pixel inside the bar, away from the
// arrows it may join, and the first pixel past the bar.
inline const std::vector<CodeProbes> kBarMarkProbes = {
    {17, {{20, 37, K}, {20, 35, K}, {20, 34, W}}},
    {18, {{2, 30, K}, {4, 30, K}, {5, 30, W}}},
    {21, {{37, 30, K}, {35, 30, K}, {34, 30, W}}},
    {22, {{30, 2, K}, {30, 4, K}, {30, 5, W}}},
};

inline const std::vector<Probe>& ProbesOf(const std::vector<CodeProbes>& table, std::uint8_t code) {
  for (const CodeProbes& entry : table) {
    if (entry.code == code) return entry.probes;
  }
  static const std::vector<Probe> none;
  return none;
}

// The first probe of `probes` (only the black ones, if `blackOnly`) that the
// cell at (left, top) of `image` does not show; empty when all match.
inline QString Mismatch(const QImage& image, int left, int top, const std::vector<Probe>& probes,
                        bool blackOnly = false) {
  for (const Probe& p : probes) {
    if (blackOnly && p.colour != K) continue;
    const QRgb seen = image.pixel(left + p.x, top + p.y) | 0xFF000000;
    if (seen != p.colour) {
      return QStringLiteral("pixel (%1,%2) is %3, expected %4")
          .arg(p.x)
          .arg(p.y)
          .arg(QColor(seen).name(), QColor(p.colour).name());
    }
  }
  return {};
}

}  // namespace verstak::probes
