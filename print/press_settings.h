#pragma once
// How a PDF is made ready for the press: the page around the puzzle (trim,
// bleed, crop marks, a paper size), the printing condition it is made for,
// and the date it carries.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace verstak {

struct PaperSize {
  double width = 0;  // mm
  double height = 0;

  friend bool operator==(const PaperSize&, const PaperSize&) = default;
};

struct NamedPaper {
  std::string_view name;
  PaperSize size;
};
inline constexpr NamedPaper kPaperSizes[] = {{"A3", {297, 420}}, {"A4", {210, 297}}, {"A5", {148, 210}}};

inline constexpr std::string_view kDefaultOutputCondition = "FOGRA39";

struct PressSettings {
  double bleed = 3.0;      // mm beyond the trim on every side, left white
  bool cropMarks = false;  // registration black, outside the bleed
  // The trim is this paper with the puzzle centred on it; without one the
  // trim is the puzzle and its margin.
  std::optional<PaperSize> paper;
  // The registered characterisation printed for (its identifier), or any
  // name when `iccProfile` describes it.
  std::string outputCondition = std::string(kDefaultOutputCondition);
  std::string iccProfile;  // the bytes of a CMYK output profile to embed; empty for none
  std::int64_t date = 0;   // seconds since 1970-01-01 UTC: CreationDate and ModDate

  friend bool operator==(const PressSettings&, const PressSettings&) = default;
};

}  // namespace verstak
