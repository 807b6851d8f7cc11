#include "print/glyph_coverage.h"

#include <cstdio>

#include "document/cp1251.h"

namespace verstak {
namespace {

// "«ѣ» (U+0463)".
std::string Character(unsigned char byte) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(Cp1251ToUnicode(byte)));
  return "«" + Cp1251ToUtf8(std::string(1, static_cast<char>(byte))) + "» (" + code + ")";
}

}  // namespace

Failure MissingGlyph(const Drawing& drawing, const TypesetFont& font) {
  for (const Shape& shape : drawing.shapes) {
    const auto* block = std::get_if<TextBlock>(&shape.form);
    if (block == nullptr) continue;
    for (const SetLine& line : block->lines) {
      for (const char c : line.text) {
        const auto byte = static_cast<unsigned char>(c);
        if (font.glyphs.test(byte)) continue;
        return UserMessage::Error("В шрифте " + font.family + " (" + font.file.string() + ") нет знака " +
                                  Character(byte) + ": определение " + std::to_string(block->fit.slot) + ", строка " +
                                  std::to_string(block->fit.row) + ", столбец " + std::to_string(block->fit.column));
      }
    }
  }
  return std::nullopt;
}

}  // namespace verstak
