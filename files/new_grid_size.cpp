#include "files/new_grid_size.h"

#include <cstdint>

#include "document/blanks.h"

namespace verstak {
namespace {

struct SizeFieldTexts {
  const char* notANumber;
  const char* zero;
  const char* tooLarge;
};

constexpr SizeFieldTexts kWidthTexts{
    " В поле \"Ширина...\" ошибка! ",
    " Ширина не может быть равна 0 клеток! ",
    " Ширина не может быть более 99 клеток! ",
};
constexpr SizeFieldTexts kHeightTexts{
    " В поле \"Высота...\" ошибка! ",
    " Высота не может быть равна 0 клеток! ",
    " Высота не может быть более 99 клеток! ",
};

constexpr int kLargestSide = 99;

enum class Sign { Plus, Minus };

struct WholeNumber {
  Sign sign = Sign::Plus;
  std::int64_t magnitude = 0;  // saturates: only "more than 99" matters beyond that
};

// An optional sign and at least one decimal digit, nothing else.
std::optional<WholeNumber> ParseWholeNumber(std::string_view text) {
  WholeNumber number;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    number.sign = text.front() == '-' ? Sign::Minus : Sign::Plus;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (number.magnitude <= kLargestSide) number.magnitude = number.magnitude * 10 + (c - '0');
  }
  return number;
}

struct FieldCheck {
  std::optional<int> side;
  Failure failure;
};

FieldCheck CheckSizeField(std::string_view typed, const SizeFieldTexts& texts) {
  const std::string_view text = TrimBlanks(typed);
  // An empty field is as wrong as a word: OK must not do nothing silently.
  const std::optional<WholeNumber> number = text.empty() ? std::nullopt : ParseWholeNumber(text);
  // A negative size is as wrong as a word: the size must stay within 1..99.
  if (!number || (number->sign == Sign::Minus && number->magnitude != 0)) {
    return {std::nullopt, UserMessage::Error(texts.notANumber)};
  }
  if (number->magnitude == 0) return {std::nullopt, UserMessage::Error(texts.zero)};
  if (number->magnitude > kLargestSide) return {std::nullopt, UserMessage::Error(texts.tooLarge)};
  return {static_cast<int>(number->magnitude), std::nullopt};
}

}  // namespace

NewGridCheck CheckNewGridSize(std::string_view widthText, std::string_view heightText) {
  const FieldCheck width = CheckSizeField(widthText, kWidthTexts);
  if (width.failure) return {std::nullopt, width.failure};
  const FieldCheck height = CheckSizeField(heightText, kHeightTexts);
  if (height.failure) return {std::nullopt, height.failure};
  return {GridSize{*width.side, *height.side}, std::nullopt};
}

}  // namespace verstak
