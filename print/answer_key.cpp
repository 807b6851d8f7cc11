#include "print/answer_key.h"

#include <algorithm>

#include "document/cp1251.h"
#include "print/clue_typesetting.h"
#include "print/cmyk.h"
#include "print/svg_writer.h"

namespace verstak {
namespace {

// The letter's size against its cell, and the caption's.
constexpr double kLetterToCell = 0.65;
constexpr double kCaptionSize = 7.0;  // pt
constexpr double kCaptionGap = 1.0;   // mm between the caption and the grid

bool HasLetters(const ScanwordDocument& document) {
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      if (document.letters.at(x, y) != kNoLetter && !IsClueKind(document.cells.at(x, y).kind)) return true;
    }
  }
  return false;
}

double LineWidth(std::string_view cp1251, double size, const TypesetFont& font) {
  return static_cast<double>(font.lineAdvance(cp1251)) / 1000 * size * kMillimetresPerPoint;
}

}  // namespace

TextBlock OneLineText(std::string_view cp1251, const PageBox& box, double size, const TypesetSettings& typeset,
                      const TypesetFont& font) {
  DefinitionText text;
  text.line(1).assign(cp1251);
  TypesetSettings exact = typeset;
  exact.size = size;
  exact.minimumSize = size;
  exact.innerMargin = 0;
  return SetClue(text, box, false, exact, font);
}

unsigned char CapitalCp1251(unsigned char letter) {
  if (letter >= 0xE0) return static_cast<unsigned char>(letter - 0x20);  // а..я
  if (letter == 0xB8) return 0xA8;                                       // ё
  if (letter >= 'a' && letter <= 'z') return static_cast<unsigned char>(letter - 'a' + 'A');
  return letter;
}

AnswerKeyOutcome AnswerKeyDrawing(const ScanwordDocument& document, const PrintSettings& settings,
                                  const TypesetSettings& typeset, const TypesetFont& font, double cell,
                                  std::string_view caption) {
  if (!HasLetters(document)) return {std::nullopt, UserMessage::Error(std::string(kNoLettersMessage))};
  const std::string captionText = Utf8ToCp1251(caption);
  const double captionHeight = kCaptionSize * kMillimetresPerPoint;
  const double gridWidth = document.gridWidth * cell, gridHeight = document.gridHeight * cell;
  Drawing drawing;
  drawing.lineWidth = typeset.lineWidth;
  drawing.pageWidth = std::max(gridWidth, LineWidth(captionText, kCaptionSize, font));
  drawing.pageHeight = captionHeight + kCaptionGap + gridHeight;
  const double left = (drawing.pageWidth - gridWidth) / 2, top = captionHeight + kCaptionGap;

  Shape title;
  title.pass = LayerPass::Text;
  title.form = OneLineText(captionText, {0, 0, drawing.pageWidth, captionHeight}, kCaptionSize, typeset, font);
  drawing.shapes.push_back(std::move(title));

  const Cmyk clue = ClueColour(settings);
  const double letterSize = cell * kLetterToCell / kMillimetresPerPoint;
  for (int y = 1; y <= document.gridHeight; ++y) {
    for (int x = 1; x <= document.gridWidth; ++x) {
      const CellKind kind = document.cells.at(x, y).kind;
      const PageBox box{left + (x - 1) * cell, top + (y - 1) * cell, left + x * cell, top + y * cell};
      Shape square;
      square.row = y;
      square.column = x;
      const bool clueCell = IsClueKind(kind), picture = kind == CellKind::Picture;
      square.pass = clueCell ? LayerPass::FullSquares : picture ? LayerPass::Pictures : LayerPass::EmptySquares;
      square.colour = clueCell ? clue : picture ? kPictureGrey : kBlack;
      square.form = RectangleShape{box, 0, clueCell || picture};
      drawing.shapes.push_back(square);
      const unsigned char letter = document.letters.at(x, y);
      if (clueCell || picture || letter == kNoLetter) continue;
      Shape text;
      text.row = y;
      text.column = x;
      text.pass = LayerPass::Text;
      const char capital = static_cast<char>(CapitalCp1251(letter));
      text.form = OneLineText(std::string_view(&capital, 1), box, letterSize, typeset, font);
      drawing.shapes.push_back(std::move(text));
    }
  }
  return {std::move(drawing), std::nullopt};
}

AnswerKeyOutcome AnswerKeyDrawing(const AnswerKeyJob& job) {
  return AnswerKeyDrawing(job.document, job.settings, job.typeset, job.font, job.cell, job.caption);
}

PrintBytes AnswerKeyPdf(const AnswerKeyJob& job, const PressSettings& press) {
  const AnswerKeyOutcome key = AnswerKeyDrawing(job);
  if (key.failure) return {{}, key.failure};
  return PdfBytes(*key.drawing, job.font, job.caption, press);
}

PrintBytes AnswerKeySvg(const AnswerKeyJob& job) {
  const AnswerKeyOutcome key = AnswerKeyDrawing(job);
  if (key.failure) return {{}, key.failure};
  return {SvgBytes(*key.drawing, job.font, job.caption), std::nullopt};
}

PrintBytes PuzzleWithAnswersPdf(const Drawing& puzzle, std::string_view title, const AnswerKeyJob& job,
                                const PressSettings& press) {
  const AnswerKeyOutcome key = AnswerKeyDrawing(job);
  if (key.failure) return {{}, key.failure};
  const Drawing* const pages[] = {&puzzle, &*key.drawing};
  return PdfPagesBytes(pages, job.font, title, press);
}

}  // namespace verstak
