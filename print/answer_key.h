#pragma once
// The answer key: the solved grid, small. Each letter centred in its cell
// as a capital, clue cells filled with the clue colour and without texts,
// picture cells grey as in the puzzle, no arrows; a caption above it.

#include <optional>
#include <string>
#include <string_view>

#include "document/print_title.h"
#include "document/scanword_document.h"
#include "document/user_message.h"
#include "print/pdf_writer.h"
#include "print/press_settings.h"
#include "print/print_drawing.h"
#include "print/typeset_font.h"
#include "print/typeset_settings.h"
#include "settings/print_settings.h"

namespace verstak {

inline constexpr double kDefaultAnswerCell = 5.0;  // mm
inline constexpr double kSmallestAnswerCell = 1.0;
inline constexpr double kLargestAnswerCell = 50.0;
inline constexpr std::string_view kNoLettersMessage = "В сетке нет букв: ключ ответов не из чего сделать.";

// A letter as a capital; other bytes as they are.
unsigned char CapitalCp1251(unsigned char letter);

// One line of cp1251 text set at exactly `size` pt, centred on `box`.
TextBlock OneLineText(std::string_view cp1251, const PageBox& box, double size, const TypesetSettings& typeset,
                      const TypesetFont& font);

struct AnswerKeyOutcome {
  std::optional<Drawing> drawing;
  Failure failure;  // the grid holds no letter
};

// `cell` is the key's square cell in mm; `caption` UTF-8. The settings give
// the clue colour, the typesetting the line width (its font size is not used:
// the letters' size follows the cell).
AnswerKeyOutcome AnswerKeyDrawing(const ScanwordDocument& document, const PrintSettings& settings,
                                  const TypesetSettings& typeset, const TypesetFont& font, double cell,
                                  std::string_view caption);

// What a key is made from.
struct AnswerKeyJob {
  const ScanwordDocument& document;
  const PrintSettings& settings;
  const TypesetSettings& typeset;
  const TypesetFont& font;
  double cell = kDefaultAnswerCell;
  std::string_view caption;  // UTF-8; also the file's title
};

AnswerKeyOutcome AnswerKeyDrawing(const AnswerKeyJob& job);
// The key alone, as a one-page PDF/X on the page the press settings give,
// or as an SVG.
PrintBytes AnswerKeyPdf(const AnswerKeyJob& job, const PressSettings& press);
PrintBytes AnswerKeySvg(const AnswerKeyJob& job);
// The puzzle's page, then its key's.
PrintBytes PuzzleWithAnswersPdf(const Drawing& puzzle, std::string_view title, const AnswerKeyJob& job,
                                const PressSettings& press);

}  // namespace verstak
