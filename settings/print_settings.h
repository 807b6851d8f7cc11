#pragma once
// The values only the macro uses: cell size and corner radius in 0.0001 mm and
// the four CMYK texts of the clue background. Kept in memory only.

#include <cstdint>
#include <string>

namespace verstak {

struct PrintSettings {
  std::int32_t cellWidth = 126360;  // 12.636 mm
  std::int32_t cellHeight = 126360;
  std::int32_t cornerRadius = 0;    // 0 square, 20000 rounded
  // Joined without separators into the macro's fill line, so the first three
  // carry their own trailing comma. At most 7 characters each.
  std::string cyanText = "0,";
  std::string magentaText = "0,";
  std::string yellowText = "0,";
  std::string blackText = "20";

  friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

}  // namespace verstak
