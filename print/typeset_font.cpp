#include "print/typeset_font.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <system_error>

#include "print/fontconfig_pattern.h"
#include "print/hpdf_document.h"
#include "print/truetype_file.h"

namespace verstak {
namespace {

using fontconfig::Pattern;

const FcChar8* Chars(std::string_view text) { return reinterpret_cast<const FcChar8*>(text.data()); }

bool IsFontPath(std::string_view font) {
  std::string lower(font);
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return font.find('/') != std::string_view::npos || lower.ends_with(".ttf") || lower.ends_with(".otf") ||
         lower.ends_with(".ttc");
}

// As fontconfig compares family names: without blanks, case ignored.
std::string FamilyKey(std::string_view family) {
  std::string key;
  for (const char c : family) {
    if (c != ' ') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return key;
}

UserMessage NotFound(std::string_view font) { return UserMessage::Error("Шрифт не найден: " + std::string(font)); }

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FamilyOfFile(const std::filesystem::path& file) {
  if (!FcInit()) return {};
  int count = 0;
  Pattern pattern(FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(file.c_str()), 0, nullptr, &count));
  return pattern ? fontconfig::String(pattern.get(), FC_FAMILY, 0) : std::string{};
}

}  // namespace

// fontconfig always offers some font; only one of the family asked for will do.
std::optional<std::filesystem::path> FontFileOfFamily(std::string_view font) {
  if (!FcInit()) return std::nullopt;
  const std::string name(font);
  Pattern wanted(FcNameParse(Chars(name)));
  if (!wanted) return std::nullopt;
  const std::string family = fontconfig::String(wanted.get(), FC_FAMILY, 0);
  if (family.empty()) return std::nullopt;
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, wanted.get(), &result));
  if (!match) return std::nullopt;
  for (int index = 0;; ++index) {
    const std::string matched = fontconfig::String(match.get(), FC_FAMILY, index);
    if (matched.empty()) return std::nullopt;
    if (FamilyKey(matched) == FamilyKey(family)) break;
  }
  const std::string file = fontconfig::String(match.get(), FC_FILE, 0);
  if (file.empty()) return std::nullopt;
  return std::filesystem::path(file);
}

std::optional<std::filesystem::path> FontFile(std::string_view font) {
  if (!IsFontPath(font)) return FontFileOfFamily(font);
  std::error_code error;
  if (!std::filesystem::is_regular_file(font, error)) return std::nullopt;
  return std::filesystem::path(font);
}

bool FontRefused(std::string_view font) {
  const auto file = FontFile(font);
  return file && TrueTypeFault(*file);
}

FontOutcome LoadTypesetFont(std::string_view font) {
  const std::optional<std::filesystem::path> found = FontFile(font);
  if (!found) return {std::nullopt, NotFound(font)};
  const std::filesystem::path& file = *found;

  // libhpdf is given only a file whose tables it can read safely.
  const std::optional<std::string> fault = TrueTypeFault(file);
  HpdfDocument pdf;
  HPDF_Font loaded = fault ? nullptr : pdf.loadCp1251Font(file, false);
  if (loaded == nullptr) {
    return {std::nullopt, UserMessage::Error("Шрифт " + std::string(font) + " (" + file.string() +
                                             ") не читается: " + fault.value_or("нужен шрифт TrueType"))};
  }
  TypesetFont typeset;
  typeset.file = file;
  typeset.family = FamilyOfFile(file);
  if (typeset.family.empty()) typeset.family = HPDF_Font_GetFontName(loaded);
  for (int byte = 0; byte < 256; ++byte) {
    const auto c = static_cast<HPDF_BYTE>(byte);
    typeset.advance[static_cast<std::size_t>(byte)] =
        static_cast<std::uint16_t>(HPDF_Font_TextWidth(loaded, &c, 1).width);
  }
  typeset.ascent = HPDF_Font_GetAscent(loaded);
  typeset.descent = HPDF_Font_GetDescent(loaded);
  FontTables tables = ReadFontTables(FileBytes(file));
  typeset.glyphs = tables.glyphs;
  typeset.kerning = std::move(tables.kerning);
  if (pdf.failed()) return {std::nullopt, UserMessage::Error("Шрифт не читается: " + file.string())};
  return {std::move(typeset), std::nullopt};
}

}  // namespace verstak
