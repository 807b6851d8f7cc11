#include "script/subroutine_library.h"

namespace verstak {
namespace {

constexpr SubroutineLine kClueFill{{}, {}, Fill::ClueFill};
constexpr SubroutineLine kClueFillNarrow{{}, {}, Fill::ClueFillNarrow};
constexpr SubroutineLine kBlackFill{{}, {}, Fill::BlackFill};
constexpr SubroutineLine kGreyFill{{}, {}, Fill::GreyFill};

// Points of the arrows, named as the layout guide describes them.
constexpr CellCoordinate kMiddleRow = yn - half(ystep);
constexpr CellCoordinate kMiddleColumn = xn + half(xstep);

// Every subroutine of the macro, written once: each line's text and, beside
// it, what that line draws. Halves and tenths of the cell are expressions of
// the macro: the writer computes nothing.
const Subroutine kSubroutines[] = {
    // Straight arrows.
    {1, {{"Klet_1:.UnSelectAll"},
         {"       .BeginDrawCurve xn,yn-(ystep/2)", Curve({xn, kMiddleRow}, {xn + h1, kMiddleRow})},
         {"       .DrawCurveLineTo xn+h1,yn-(ystep/2)"},
         {"       .EndDrawCurve"},
         {"RETURN"}}},
    {2, {{"Klet_2:.UnSelectAll"},
         {"   .BeginDrawCurve xn+(xstep/2),yn", Curve({kMiddleColumn, yn}, {kMiddleColumn, yn - h1})},
         {"   .DrawCurveLineTo xn+(xstep/2),yn-h1"},
         {"   .EndDrawCurve"},
         {"RETURN"}}},
    // Bent arrows: a first segment to the bend, then the new curve, selected
    // by its index, gets the second segment appended.
    {3, {{"Klet_3:.UnSelectAll"},
         {"   .BeginDrawCurve xn,yn-(ystep/2)",
          Curve({xn, kMiddleRow}, {xn + h2, kMiddleRow}, {xn + h2, kMiddleRow - h3})},
         {"   .DrawCurveLineTo xn+h2,yn-(ystep/2)"},
         {"   .EndDrawCurve"},
         {"   .RecorderSelectObjectByIndex TRUE,nob"},
         {"   .AppendCurveLine xn+h2,yn-(ystep/2),xn+h2,yn-(ystep/2)-h3"},
         {"RETURN"}}},
    {4, {{"Klet_4:.UnSelectAll"},
         {"   .BeginDrawCurve xn+(xstep/2),yn",
          Curve({kMiddleColumn, yn}, {kMiddleColumn, yn - h2}, {kMiddleColumn + h3, yn - h2})},
         {"   .DrawCurveLineTo xn+(xstep/2),yn-h2"},
         {"   .EndDrawCurve"},
         {"   .RecorderSelectObjectByIndex TRUE,nob"},
         {"   .AppendCurveLine xn+(xstep/2),yn-h2,xn+(xstep/2)+h3,yn-h2"},
         {"RETURN"}}},
    {5, {{"Klet_5:.UnSelectAll"},
         {"   .BeginDrawCurve xn,yn",
          Curve({xn, yn}, {kMiddleColumn, yn - h4}, {kMiddleColumn, yn - h4 - h3})},
         {"   .DrawCurveLineTo xn+(xstep/2),yn-h4"},
         {"   .EndDrawCurve"},
         {"   .RecorderSelectObjectByIndex TRUE,nob"},
         {"   .AppendCurveLine xn+(xstep/2),yn-h4,xn+(xstep/2),yn-h4-h3"},
         {"RETURN"}}},
    {6, {{"Klet_6:.UnSelectAll"},
         {"   .BeginDrawCurve xn,yn", Curve({xn, yn}, {xn + h4, kMiddleRow}, {xn + h4 + h3, kMiddleRow})},
         {"   .DrawCurveLineTo xn+h4,yn-(ystep/2)"},
         {"   .EndDrawCurve"},
         {"   .RecorderSelectObjectByIndex TRUE,nob"},
         {"   .AppendCurveLine xn+h4,yn-(ystep/2),xn+h4+h3,yn-(ystep/2)"},
         {"RETURN"}}},
    {7, {{"Klet_7:.UnSelectAll"},
         {"   .BeginDrawCurve xn+xstep,yn",
          Curve({xk, yn}, {kMiddleColumn, yn - h4}, {kMiddleColumn, yn - h4 - h3})},
         {"   .DrawCurveLineTo xn+(xstep/2),yn-h4"},
         {"   .EndDrawCurve"},
         {"   .RecorderSelectObjectByIndex TRUE,nob"},
         {"   .AppendCurveLine xn+(xstep/2),yn-h4,xn+(xstep/2),yn-h4-h3"},
         {"RETURN"}}},
    {8, {{"Klet_8:.UnSelectAll"},
         {"   .BeginDrawCurve xn+(xstep),yn",
          Curve({xk, yn}, {kMiddleColumn, kMiddleRow}, {kMiddleColumn + h3, kMiddleRow})},
         {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
         {"   .EndDrawCurve"},
         {"   .RecorderSelectObjectByIndex TRUE,nob"},
         {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2)+h3,yn-(ystep/2)"},
         {"RETURN"}}},
    {9, {{"Klet_9:.UnSelectAll"},
         {"   .BeginDrawCurve xn+(xstep/2),yn-ystep",
          Curve({kMiddleColumn, yk}, {kMiddleColumn, yk + h2}, {kMiddleColumn + h3, yk + h2})},
         {"   .DrawCurveLineTo xn+(xstep/2),yn-ystep+h2"},
         {"   .EndDrawCurve"},
         {"   .RecorderSelectObjectByIndex TRUE,nob"},
         {"   .AppendCurveLine xn+(xstep/2),yn-ystep+h2,xn+(xstep/2)+h3,yn-ystep+h2"},
         {"RETURN"}}},
    {10, {{"Klet_10:.UnSelectAll"},
          {"   .BeginDrawCurve xn,yn-ystep", Curve({xn, yk}, {xn + h4, kMiddleRow}, {xn + h4 + h3, kMiddleRow})},
          {"   .DrawCurveLineTo xn+h4,yn-(ystep/2)"},
          {"   .EndDrawCurve"},
          {"   .RecorderSelectObjectByIndex TRUE,nob"},
          {"   .AppendCurveLine xn+h4,yn-(ystep/2),xn+h4+h3,yn-(ystep/2)"},
          {"RETURN"}}},
    {11, {{"Klet_11:.UnSelectAll"},
          {"   .BeginDrawCurve xn,yn-ystep",
           Curve({xn, yk}, {kMiddleColumn, kMiddleRow}, {kMiddleColumn, kMiddleRow - h3})},
          {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
          {"   .EndDrawCurve"},
          {"   .RecorderSelectObjectByIndex TRUE,nob"},
          {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2),yn-(ystep/2)-h3"},
          {"RETURN"}}},
    {12, {{"Klet_12:.UnSelectAll"},
          {"   .BeginDrawCurve xn+xstep,yn-ystep",
           Curve({xk, yk}, {kMiddleColumn, kMiddleRow}, {kMiddleColumn + h3, kMiddleRow})},
          {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
          {"   .EndDrawCurve"},
          {"   .RecorderSelectObjectByIndex TRUE,nob"},
          {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2)+h3,yn-(ystep/2)"},
          {"RETURN"}}},
    {13, {{"Klet_13:.UnSelectAll"},
          {"   .BeginDrawCurve xn+xstep,yn-ystep",
           Curve({xk, yk}, {kMiddleColumn, kMiddleRow}, {kMiddleColumn, kMiddleRow - h3})},
          {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
          {"   .EndDrawCurve"},
          {"   .RecorderSelectObjectByIndex TRUE,nob"},
          {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2),yn-(ystep/2)-h3"},
          {"RETURN"}}},
    {14, {{"Klet_14:.UnSelectAll"},
          {"   .BeginDrawCurve xn+xstep,yn-(ystep/2)",
           Curve({xk, kMiddleRow}, {xk - h2, kMiddleRow}, {xk - h2, kMiddleRow - h3})},
          {"   .DrawCurveLineTo xn+xstep-h2,yn-(ystep/2)"},
          {"   .EndDrawCurve"},
          {"   .RecorderSelectObjectByIndex TRUE,nob"},
          {"   .AppendCurveLine xn+xstep-h2,yn-(ystep/2),xn+xstep-h2,yn-(ystep/2)-h3"},
          {"RETURN"}}},
    // Rectangles and fills.
    {15, {{"Klet_15:.UnSelectAll"},
          {"    .CreateRectangle yn, xn, yk, xk , okr", Rectangle(yn, xn, yk, xk)},
          {"RETURN"}}},
    {16, {{"Klet_16:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr", Rectangle(yn, xn, kMiddleRow, xk)},
          kClueFill,
          {"   .CreateRectangle yn-(ystep/2), xn, yk, xk , okr", Rectangle(kMiddleRow, xn, yk, xk)},
          kClueFill,
          {"RETURN"}}},
    {17, {{"Klet_17:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yk, xk , okr", Rectangle(yn, xn, yk, xk)},
          {"   .CreateRectangle yn-9*(ystep/10), xn, yk, xk , okr", Rectangle(yn - tenths(9, ystep), xn, yk, xk)},
          kBlackFill,
          {"RETURN"}}},
    {18, {{"Klet_18:.UnSelectAll"},
          {"    .CreateRectangle yn, xn, yk, xk , okr", Rectangle(yn, xn, yk, xk)},
          {"   .CreateRectangle yn, xn, yk, xn+(xstep/10) , okr", Rectangle(yn, xn, yk, xn + tenths(1, xstep))},
          kBlackFill,
          {"RETURN"}}},
    // 19 and 23 fill the frame selected when they are called.
    {19, {{"Klet_19:"},
          kClueFillNarrow,
          {"RETURN"}}},
    {20, {{"Klet_20:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr", Rectangle(yn, xn, yk, kMiddleColumn)},
          kClueFill,
          {"   .CreateRectangle yn, xn+(xstep/2), yk, xk , okr", Rectangle(yn, kMiddleColumn, yk, xk)},
          kClueFill,
          {"RETURN"}}},
    {21, {{"Klet_21:.UnSelectAll"},
          {"   .CreateRectangle yn, xn+9*(xstep/10), yk, xk , okr", Rectangle(yn, xn + tenths(9, xstep), yk, xk)},
          kBlackFill,
          {"RETURN"}}},
    {22, {{"Klet_22:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yk, xk , okr", Rectangle(yn, xn, yk, xk)},
          {"   .CreateRectangle yn, xn, yn-(ystep/10), xk , okr", Rectangle(yn, xn, yn - tenths(1, ystep), xk)},
          kBlackFill,
          {"RETURN"}}},
    {23, {{"Klet_23:"},
          kGreyFill,
          {"RETURN"}}},
    {24, {{"Klet_24:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr", Rectangle(yn, xn, yk, kMiddleColumn)},
          kClueFill,
          {"RETURN"}}},
    {25, {{"Klet_25:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr", Rectangle(yn, xn, kMiddleRow, xk)},
          kClueFill,
          {"RETURN"}}},
    // Unfilled halves and filled halves of the layered layouts.
    {34, {{"Klet_34:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr", Rectangle(yn, xn, yk, kMiddleColumn)},
          {"RETURN"}}},
    {35, {{"Klet_35:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr", Rectangle(yn, xn, kMiddleRow, xk)},
          {"RETURN"}}},
    {36, {{"Klet_36:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr", Rectangle(yn, xn, kMiddleRow, xk)},
          {"   .CreateRectangle yn-(ystep/2), xn, yk, xk , okr", Rectangle(kMiddleRow, xn, yk, xk)},
          {"RETURN"}}},
    {37, {{"Klet_37:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr", Rectangle(yn, xn, yk, kMiddleColumn)},
          kClueFill,
          {"RETURN"}}},
    {38, {{"Klet_38:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr", Rectangle(yn, xn, kMiddleRow, xk)},
          kClueFill,
          {"RETURN"}}},
    {40, {{"Klet_40:.UnSelectAll"},
          {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr", Rectangle(yn, xn, yk, kMiddleColumn)},
          {"   .CreateRectangle yn, xn+(xstep/2), yk, xk , okr", Rectangle(yn, kMiddleColumn, yk, xk)},
          {"RETURN"}}},
    {44, {{"Klet_44:.UnSelectAll"},
          {"   .CreateRectangle yn, xn+(xstep/2), yk, xk, okr", Rectangle(yn, kMiddleColumn, yk, xk)},
          {"RETURN"}}},
    {45, {{"Klet_45:.UnSelectAll"},
          {"   .CreateRectangle yn-(ystep/2), xn, yk, xk , okr", Rectangle(kMiddleRow, xn, yk, xk)},
          {"RETURN"}}},
};

struct FillForm {
  std::string_view draw7Command;  // CorelDRAW 7: one line, colour applied at once
  std::string_view fixedColour;   // empty for the clue colour of the settings
};

// In the order of Fill.
constexpr FillForm kFillForms[] = {
    {},                                                     // None
    {"   .ApplyUniformFillColor 5002,", {}},               // ClueFill
    {"  .ApplyUniformFillColor 5002,", {}},                // ClueFillNarrow
    {"   .ApplyUniformFillColor 5002,", " 0, 0, 0, 100"},  // BlackFill
    {"   .ApplyUniformFillColor 5002,", " 0, 0, 0, 50"},   // GreyFill
};

// CorelDRAW 9 and 10 store the colour first, then apply it.
constexpr std::string_view kDraw9Store = "   .StoreColor 5002,";
constexpr std::string_view kDraw9Apply = "   .ApplyUniformFillColor";

// The clue colour's texts carry their own commas, so they are joined as they are.
void WriteColourLine(ScriptWriterState& script, std::string_view command, const FillForm& form) {
  const PrintSettings& s = script.settings;
  if (form.fixedColour.empty()) {
    script.out.line(command, s.cyanText, s.magentaText, s.yellowText, s.blackText);
  } else {
    script.out.line(command, form.fixedColour);
  }
}

void WriteFill(ScriptWriterState& script, Fill fill) {
  const FillForm& form = kFillForms[static_cast<std::size_t>(fill)];
  if (script.dialect == ScriptDialect::Draw7) {
    WriteColourLine(script, form.draw7Command, form);
  } else {
    WriteColourLine(script, kDraw9Store, form);
    script.out.line(kDraw9Apply);
  }
}

}  // namespace

int Subroutine::objectsCreated() const {
  int objects = 0;
  for (const SubroutineLine& line : lines) objects += line.shape.createsObject() ? 1 : 0;
  return objects;
}

const Subroutine* FindSubroutine(int number) {
  for (const Subroutine& subroutine : kSubroutines) {
    if (subroutine.number == number) return &subroutine;
  }
  return nullptr;
}

void WriteSubroutine(ScriptWriterState& script, const Subroutine& subroutine) {
  for (const SubroutineLine& line : subroutine.lines) {
    if (line.fill == Fill::None) {
      script.out.line(line.text);
    } else {
      WriteFill(script, line.fill);
    }
  }
}

void WriteSubroutineLibrary(ScriptWriterState& script) {
  for (std::size_t number = 1; number < script.usedSubroutines.size(); ++number) {
    const Subroutine* subroutine = FindSubroutine(static_cast<int>(number));
    if (script.usedSubroutines.test(number) && subroutine != nullptr) WriteSubroutine(script, *subroutine);
  }
}

}  // namespace verstak
