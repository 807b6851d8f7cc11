#include "print/font_faces.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "print/fontconfig_pattern.h"
#include "print/truetype_file.h"
#include "print/typeset_font.h"

namespace verstak {
namespace {

struct CharSetFree {
  void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
};
struct ObjectSetFree {
  void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetFree {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

// А..я, Ё and ё: what a Russian clue is set in.
std::unique_ptr<FcCharSet, CharSetFree> RussianAlphabet() {
  std::unique_ptr<FcCharSet, CharSetFree> letters(FcCharSetCreate());
  for (FcChar32 c = 0x0410; c <= 0x044F; ++c) FcCharSetAddChar(letters.get(), c);
  FcCharSetAddChar(letters.get(), 0x0401);
  FcCharSetAddChar(letters.get(), 0x0451);
  return letters;
}

// fontconfig's name syntax gives these characters a meaning of their own.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '\\' || c == '-' || c == ':' || c == ',' || c == '=') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

bool SameFile(const std::optional<std::filesystem::path>& found, const std::filesystem::path& file) {
  std::error_code error;
  return found && std::filesystem::equivalent(*found, file, error);
}

}  // namespace

std::string FontFace::caption() const { return familyFace ? family : family + " " + style; }

std::vector<FontFace> CyrillicFontFaces() {
  std::vector<FontFace> faces;
  if (!FcInit()) return faces;
  fontconfig::Pattern wanted(FcPatternCreate());
  const auto letters = RussianAlphabet();
  FcPatternAddCharSet(wanted.get(), FC_CHARSET, letters.get());
  FcPatternAddString(wanted.get(), FC_FONTFORMAT, reinterpret_cast<const FcChar8*>("TrueType"));
  const std::unique_ptr<FcObjectSet, ObjectSetFree> objects(
      FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, nullptr));
  const std::unique_ptr<FcFontSet, FontSetFree> found(FcFontList(nullptr, wanted.get(), objects.get()));
  if (!found) return faces;

  std::set<std::string> names;
  for (int i = 0; i < found->nfont; ++i) {
    const FcPattern* pattern = found->fonts[i];
    int index = 0;
    FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
    FontFace face;
    face.family = fontconfig::String(pattern, FC_FAMILY);
    face.style = fontconfig::String(pattern, FC_STYLE);
    face.file = fontconfig::String(pattern, FC_FILE);
    // libhpdf reads the first font of a plain TrueType file only.
    if (index != 0 || face.family.empty() || !LooksLikeTrueType(face.file)) continue;
    if (SameFile(FontFileOfFamily(Escaped(face.family)), face.file)) {
      face.name = Escaped(face.family);
      face.familyFace = true;
    } else if (!face.style.empty()) {
      face.name = Escaped(face.family) + ":style=" + Escaped(face.style);
      if (!SameFile(FontFileOfFamily(face.name), face.file)) continue;
    } else {
      continue;
    }
    if (names.insert(face.name).second) faces.push_back(std::move(face));
  }
  std::ranges::sort(faces, [](const FontFace& a, const FontFace& b) {
    return std::forward_as_tuple(a.family, !a.familyFace, a.style) <
           std::forward_as_tuple(b.family, !b.familyFace, b.style);
  });
  return faces;
}

}  // namespace verstak
