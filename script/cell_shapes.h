#pragma once
// What a line of the macro draws, as data beside its text and in its own
// terms: every coordinate is the current cell's left edge xn or top edge yn,
// plus a whole share of the cell step (xstep/2, 9*(xstep/10)), plus the fixed
// arrow lengths h1..h4. Evaluated as the macro evaluates it, in integer units
// of 0.0001 mm with the y axis pointing up, so that the print output and the
// macro cannot drift apart.

#include <array>
#include <cstdint>

namespace verstak {

// The fills a subroutine applies to the object selected at that moment.
enum class Fill : std::uint8_t {
  None,            // a plain line
  ClueFill,        // the clue background colour of the print settings
  ClueFillNarrow,  // the same; its CorelDRAW 7 line has two leading blanks, not three
  BlackFill,       // bars
  GreyFill,        // picture cells
};

enum class Axis : std::uint8_t { X, Y };

// times * (step / share), the division an integer one as in the macro.
struct StepShare {
  Axis axis = Axis::X;
  int times = 0;
  int share = 1;
};

struct ArrowLength {
  int units;
};

// base + times * (step / share) + fixed, base being xn or yn by the axis.
struct CellCoordinate {
  Axis axis = Axis::X;
  int stepTimes = 0;
  int stepShare = 1;
  int fixed = 0;

  friend bool operator==(const CellCoordinate&, const CellCoordinate&) = default;
};

inline constexpr CellCoordinate xn{Axis::X};
inline constexpr CellCoordinate yn{Axis::Y};
inline constexpr StepShare xstep{Axis::X, 1, 1};
inline constexpr StepShare ystep{Axis::Y, 1, 1};
inline constexpr ArrowLength h1{34750};
inline constexpr ArrowLength h2{41070};
inline constexpr ArrowLength h3{25270};
inline constexpr ArrowLength h4{37910};

consteval StepShare half(StepShare step) { return {step.axis, step.times, step.share * 2}; }
// n*(step/10)
consteval StepShare tenths(int n, StepShare step) { return {step.axis, step.times * n, step.share * 10}; }

// Each coordinate holds one share of its own axis' step; anything else is a
// table error and stops the build.
consteval CellCoordinate operator+(CellCoordinate c, StepShare s) {
  if (c.stepTimes != 0 || c.axis != s.axis) throw "one share of the cell's own step per coordinate";
  return {c.axis, s.times, s.share, c.fixed};
}
consteval CellCoordinate operator-(CellCoordinate c, StepShare s) { return c + StepShare{s.axis, -s.times, s.share}; }
consteval CellCoordinate operator+(CellCoordinate c, ArrowLength h) {
  return {c.axis, c.stepTimes, c.stepShare, c.fixed + h.units};
}
consteval CellCoordinate operator-(CellCoordinate c, ArrowLength h) {
  return {c.axis, c.stepTimes, c.stepShare, c.fixed - h.units};
}

// The right and bottom edges as the macro keeps them: xk = xn + xstep, yk = yn - ystep.
inline constexpr CellCoordinate xk = xn + xstep;
inline constexpr CellCoordinate yk = yn - ystep;

struct CellPoint {
  CellCoordinate x;
  CellCoordinate y;
};

// What one line creates: a rectangle (edges in the order of .CreateRectangle:
// top, left, bottom, right) or a polyline of two or three points.
struct CellShape {
  enum class Type : std::uint8_t { None, Rectangle, Curve };
  Type type = Type::None;
  CellCoordinate top{Axis::Y}, left{Axis::X}, bottom{Axis::Y}, right{Axis::X};
  std::array<CellPoint, 3> points{};
  int pointCount = 0;

  bool createsObject() const { return type != Type::None; }
};

consteval CellShape Rectangle(CellCoordinate top, CellCoordinate left, CellCoordinate bottom, CellCoordinate right) {
  if (top.axis != Axis::Y || bottom.axis != Axis::Y || left.axis != Axis::X || right.axis != Axis::X) {
    throw "rectangle edges: top, left, bottom, right";
  }
  return {CellShape::Type::Rectangle, top, left, bottom, right, {}, 0};
}
consteval CellShape Curve(CellPoint from, CellPoint to) {
  return {CellShape::Type::Curve, yn, xn, yn, xn, {from, to, CellPoint{}}, 2};
}
consteval CellShape Curve(CellPoint from, CellPoint bend, CellPoint to) {
  return {CellShape::Type::Curve, yn, xn, yn, xn, {from, bend, to}, 3};
}

// The current cell as the macro holds it, and the step, in 0.0001 mm.
struct MacroCell {
  long long xn = 0;
  long long yn = 0;
  long long xstep = 0;
  long long ystep = 0;

  long long operator()(const CellCoordinate& c) const {
    const bool x = c.axis == Axis::X;
    const long long step = x ? xstep : ystep;
    return (x ? xn : yn) + c.stepTimes * (step / c.stepShare) + c.fixed;
  }
};

}  // namespace verstak
