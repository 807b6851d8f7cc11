#include "cli/fit_json.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace verstak::batch {
namespace {

std::string_view HalfWord(ClueHalf half) {
  switch (half) {
    case ClueHalf::Top: return "top";
    case ClueHalf::Bottom: return "bottom";
    case ClueHalf::Left: return "left";
    case ClueHalf::Right: return "right";
    case ClueHalf::Whole: break;
  }
  return "whole";
}

// Thousandths at most, the shortest text that reads back as that value.
void AppendNumber(std::string& json, double value) {
  char digits[32];
  const double rounded = std::round(value * 1000) / 1000;
  const auto end = std::to_chars(digits, digits + sizeof digits, rounded == 0 ? 0.0 : rounded).ptr;
  json.append(digits, end);
}

void AppendEntry(std::string& json, const ClueFit& clue) {
  json += "{\"slot\":" + std::to_string(clue.slot) + ",\"row\":" + std::to_string(clue.row) +
          ",\"column\":" + std::to_string(clue.column) + ",\"half\":\"";
  json += HalfWord(clue.half);
  json += clue.upright ? "\",\"upright\":true,\"size\":" : "\",\"upright\":false,\"size\":";
  AppendNumber(json, clue.size);
  json += clue.fits ? ",\"fits\":true" : ",\"fits\":false";
  json += clue.empty ? ",\"empty\":true" : ",\"empty\":false";
  json += ",\"overflowWidth\":";
  AppendNumber(json, clue.overflowWidth);
  json += ",\"overflowHeight\":";
  AppendNumber(json, clue.overflowHeight);
  json += ",\"lines\":" + std::to_string(clue.lines);
  json += clue.rebroken ? ",\"rebroken\":true}" : ",\"rebroken\":false}";
}

}  // namespace

std::string FitJson(const std::vector<ClueFit>& clues) {
  std::string json = "[";
  for (const ClueFit& clue : clues) {
    if (json.size() > 1) json += ',';
    AppendEntry(json, clue);
  }
  return json + "]";
}

std::string WithFit(std::string documentJson, const std::vector<ClueFit>& clues) {
  if (documentJson.empty() || documentJson.back() != '}') return documentJson;
  documentJson.pop_back();
  return documentJson + ",\"fit\":" + FitJson(clues) + "}";
}

}  // namespace verstak::batch
