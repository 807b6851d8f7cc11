#include "print/fit_report.h"

#include <algorithm>
#include <cmath>

#include "document/cp1251.h"

namespace verstak {
namespace {

bool Reported(const ClueFit& clue) { return clue.empty || !clue.fits; }

FitReport ReportOf(std::vector<ClueFit> fits) {
  FitReport report;
  std::ranges::copy_if(fits, std::back_inserter(report.clues), Reported);
  for (const ClueFit& fit : fits) {
    if (fit.empty) continue;
    ++report.sizes[fit.size];
    report.rebroken += fit.rebroken;
  }
  return report;
}

// "6,5 пт", "7 пт", "6,75 пт".
std::string Points(double size) {
  const long long hundredths = std::llround(size * 100);
  std::string text = std::to_string(hundredths / 100);
  if (hundredths % 100 != 0) {
    std::string fraction = std::to_string(100 + hundredths % 100).substr(1);
    if (fraction.back() == '0') fraction.pop_back();
    text += "," + fraction;
  }
  return text + " пт";
}

// Millimetres to a tenth, with a decimal comma: "1,2"; a little overflow is never shown as 0.
std::string Millimetres(double value) {
  const long long tenths = std::max<long long>(1, std::llround(std::ceil(value * 10 - 1e-6)));
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " мм";
}

}  // namespace

int FitReport::overflowing() const {
  return static_cast<int>(std::ranges::count_if(clues, [](const ClueFit& clue) { return !clue.fits; }));
}

FitReport MakeFitReport(const Drawing& drawing) { return ReportOf(ClueFits(drawing)); }

std::vector<ClueFit> AllClueFits(const ScanwordDocument& document, const PrintSettings& settings,
                                 const TypesetSettings& typeset, const TypesetFont& font) {
  return ClueFits(PrintDrawing(document, settings, typeset, font, ExportChoice{}));
}

FitReport MakeFitReport(const ScanwordDocument& document, const PrintSettings& settings, const TypesetSettings& typeset,
                        const TypesetFont& font) {
  return ReportOf(AllClueFits(document, settings, typeset, font));
}

std::string_view HalfName(ClueHalf half) {
  switch (half) {
    case ClueHalf::Top: return "верхняя половина";
    case ClueHalf::Bottom: return "нижняя половина";
    case ClueHalf::Left: return "левая половина";
    case ClueHalf::Right: return "правая половина";
    case ClueHalf::Whole: break;
  }
  return "целиком";
}

std::string FitReportLine(const ClueFit& clue) {
  std::string line = "Определение " + std::to_string(clue.slot) + " (строка " + std::to_string(clue.row) + ", столбец " +
                     std::to_string(clue.column);
  if (clue.half != ClueHalf::Whole) line += ", " + std::string(HalfName(clue.half));
  line += "): ";
  if (clue.empty) {
    line += "нет текста";
    if (clue.fits) return line;
    line += "; ";
  }
  line += "«" + Cp1251ToUtf8(clue.overflowText) + "» не помещается:";
  if (clue.overflowWidth > 0) line += " по ширине на " + Millimetres(clue.overflowWidth);
  if (clue.overflowWidth > 0 && clue.overflowHeight > 0) line += ",";
  if (clue.overflowHeight > 0) line += " по высоте на " + Millimetres(clue.overflowHeight);
  return line;
}

std::string FitSizesLine(const FitReport& report) {
  std::string line = "Размеры:";
  for (auto size = report.sizes.rbegin(); size != report.sizes.rend(); ++size) {
    line += (size == report.sizes.rbegin() ? " " : ", ") + Points(size->first) + " — " + std::to_string(size->second);
  }
  if (report.sizes.empty()) line += " нет текстов";
  return line + "; набрано заново: " + std::to_string(report.rebroken);
}

}  // namespace verstak
