#include "script/subroutine_library.h"

namespace verstak {
namespace {

constexpr SubroutineLine kClueFill{{}, Fill::ClueFill};
constexpr SubroutineLine kClueFillNarrow{{}, Fill::ClueFillNarrow};
constexpr SubroutineLine kBlackFill{{}, Fill::BlackFill};
constexpr SubroutineLine kGreyFill{{}, Fill::GreyFill};

// Every subroutine of the macro, written once. Halves and tenths of the cell
// are expressions of the macro: the writer computes nothing.
const Subroutine kSubroutines[] = {
    // Straight arrows.
    {1, 1, {{"Klet_1:.UnSelectAll"},
            {"       .BeginDrawCurve xn,yn-(ystep/2)"},
            {"       .DrawCurveLineTo xn+h1,yn-(ystep/2)"},
            {"       .EndDrawCurve"},
            {"RETURN"}}},
    {2, 1, {{"Klet_2:.UnSelectAll"},
            {"   .BeginDrawCurve xn+(xstep/2),yn"},
            {"   .DrawCurveLineTo xn+(xstep/2),yn-h1"},
            {"   .EndDrawCurve"},
            {"RETURN"}}},
    // Bent arrows: a first segment to the bend, then the new curve, selected
    // by its index, gets the second segment appended.
    {3, 1, {{"Klet_3:.UnSelectAll"},
             {"   .BeginDrawCurve xn,yn-(ystep/2)"},
             {"   .DrawCurveLineTo xn+h2,yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+h2,yn-(ystep/2),xn+h2,yn-(ystep/2)-h3"},
             {"RETURN"}}},
    {4, 1, {{"Klet_4:.UnSelectAll"},
             {"   .BeginDrawCurve xn+(xstep/2),yn"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-h2"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-h2,xn+(xstep/2)+h3,yn-h2"},
             {"RETURN"}}},
    {5, 1, {{"Klet_5:.UnSelectAll"},
             {"   .BeginDrawCurve xn,yn"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-h4"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-h4,xn+(xstep/2),yn-h4-h3"},
             {"RETURN"}}},
    {6, 1, {{"Klet_6:.UnSelectAll"},
             {"   .BeginDrawCurve xn,yn"},
             {"   .DrawCurveLineTo xn+h4,yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+h4,yn-(ystep/2),xn+h4+h3,yn-(ystep/2)"},
             {"RETURN"}}},
    {7, 1, {{"Klet_7:.UnSelectAll"},
             {"   .BeginDrawCurve xn+xstep,yn"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-h4"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-h4,xn+(xstep/2),yn-h4-h3"},
             {"RETURN"}}},
    {8, 1, {{"Klet_8:.UnSelectAll"},
             {"   .BeginDrawCurve xn+(xstep),yn"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2)+h3,yn-(ystep/2)"},
             {"RETURN"}}},
    {9, 1, {{"Klet_9:.UnSelectAll"},
             {"   .BeginDrawCurve xn+(xstep/2),yn-ystep"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-ystep+h2"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-ystep+h2,xn+(xstep/2)+h3,yn-ystep+h2"},
             {"RETURN"}}},
    {10, 1, {{"Klet_10:.UnSelectAll"},
             {"   .BeginDrawCurve xn,yn-ystep"},
             {"   .DrawCurveLineTo xn+h4,yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+h4,yn-(ystep/2),xn+h4+h3,yn-(ystep/2)"},
             {"RETURN"}}},
    {11, 1, {{"Klet_11:.UnSelectAll"},
             {"   .BeginDrawCurve xn,yn-ystep"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2),yn-(ystep/2)-h3"},
             {"RETURN"}}},
    {12, 1, {{"Klet_12:.UnSelectAll"},
             {"   .BeginDrawCurve xn+xstep,yn-ystep"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2)+h3,yn-(ystep/2)"},
             {"RETURN"}}},
    {13, 1, {{"Klet_13:.UnSelectAll"},
             {"   .BeginDrawCurve xn+xstep,yn-ystep"},
             {"   .DrawCurveLineTo xn+(xstep/2),yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+(xstep/2),yn-(ystep/2),xn+(xstep/2),yn-(ystep/2)-h3"},
             {"RETURN"}}},
    {14, 1, {{"Klet_14:.UnSelectAll"},
             {"   .BeginDrawCurve xn+xstep,yn-(ystep/2)"},
             {"   .DrawCurveLineTo xn+xstep-h2,yn-(ystep/2)"},
             {"   .EndDrawCurve"},
             {"   .RecorderSelectObjectByIndex TRUE,nob"},
             {"   .AppendCurveLine xn+xstep-h2,yn-(ystep/2),xn+xstep-h2,yn-(ystep/2)-h3"},
             {"RETURN"}}},
    // Rectangles and fills.
    {15, 1, {{"Klet_15:.UnSelectAll"},
             {"    .CreateRectangle yn, xn, yk, xk , okr"},
             {"RETURN"}}},
    {16, 2, {{"Klet_16:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr"},
             kClueFill,
             {"   .CreateRectangle yn-(ystep/2), xn, yk, xk , okr"},
             kClueFill,
             {"RETURN"}}},
    {17, 2, {{"Klet_17:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yk, xk , okr"},
             {"   .CreateRectangle yn-9*(ystep/10), xn, yk, xk , okr"},
             kBlackFill,
             {"RETURN"}}},
    {18, 2, {{"Klet_18:.UnSelectAll"},
             {"    .CreateRectangle yn, xn, yk, xk , okr"},
             {"   .CreateRectangle yn, xn, yk, xn+(xstep/10) , okr"},
             kBlackFill,
             {"RETURN"}}},
    // 19 and 23 fill the frame selected when they are called.
    {19, 0, {{"Klet_19:"},
             kClueFillNarrow,
             {"RETURN"}}},
    {20, 2, {{"Klet_20:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr"},
             kClueFill,
             {"   .CreateRectangle yn, xn+(xstep/2), yk, xk , okr"},
             kClueFill,
             {"RETURN"}}},
    {21, 1, {{"Klet_21:.UnSelectAll"},
             {"   .CreateRectangle yn, xn+9*(xstep/10), yk, xk , okr"},
             kBlackFill,
             {"RETURN"}}},
    {22, 2, {{"Klet_22:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yk, xk , okr"},
             {"   .CreateRectangle yn, xn, yn-(ystep/10), xk , okr"},
             kBlackFill,
             {"RETURN"}}},
    {23, 0, {{"Klet_23:"},
             kGreyFill,
             {"RETURN"}}},
    {24, 1, {{"Klet_24:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr"},
             kClueFill,
             {"RETURN"}}},
    {25, 1, {{"Klet_25:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr"},
             kClueFill,
             {"RETURN"}}},
    // Unfilled halves and filled halves of the layered layouts.
    {34, 1, {{"Klet_34:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr"},
             {"RETURN"}}},
    {35, 1, {{"Klet_35:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr"},
             {"RETURN"}}},
    {36, 2, {{"Klet_36:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr"},
             {"   .CreateRectangle yn-(ystep/2), xn, yk, xk , okr"},
             {"RETURN"}}},
    {37, 1, {{"Klet_37:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr"},
             kClueFill,
             {"RETURN"}}},
    {38, 1, {{"Klet_38:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yn-(ystep/2), xk , okr"},
             kClueFill,
             {"RETURN"}}},
    {40, 2, {{"Klet_40:.UnSelectAll"},
             {"   .CreateRectangle yn, xn, yk, xn+(xstep/2) , okr"},
             {"   .CreateRectangle yn, xn+(xstep/2), yk, xk , okr"},
             {"RETURN"}}},
    {44, 1, {{"Klet_44:.UnSelectAll"},
             {"   .CreateRectangle yn, xn+(xstep/2), yk, xk, okr"},
             {"RETURN"}}},
    {45, 1, {{"Klet_45:.UnSelectAll"},
             {"   .CreateRectangle yn-(ystep/2), xn, yk, xk , okr"},
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
