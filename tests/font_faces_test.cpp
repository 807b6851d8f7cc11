// The faces offered as clue fonts, against the font files themselves: each
// one maps the whole Russian alphabet in its own cmap, loads for the PDF and
// is found again by the name it is offered under.

#include "print/font_faces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "print/typeset_font.h"
#include "truetype_reference.h"

namespace verstak {
namespace {

bool MapsRussian(const testing::TrueTypeReference& font) {
  if (!font.maps(U'Ё') || !font.maps(U'ё')) return false;
  for (char32_t c = U'А'; c <= U'я'; ++c) {
    if (!font.maps(c)) return false;
  }
  return true;
}

TEST(FontFaces, EveryFaceHoldsRussianAndLoadsUnderItsName) {
  const std::vector<FontFace> faces = CyrillicFontFaces();
  ASSERT_FALSE(faces.empty());
  for (const FontFace& face : faces) {
    SCOPED_TRACE(face.name);
    EXPECT_TRUE(MapsRussian(testing::TrueTypeReference(face.file)));
    const FontOutcome loaded = LoadTypesetFont(face.name);
    ASSERT_TRUE(loaded.font) << loaded.failure->text;
    EXPECT_TRUE(std::filesystem::equivalent(loaded.font->file, face.file));
  }
  // Listed once each, by family, the family's own face first.
  for (std::size_t i = 1; i < faces.size(); ++i) {
    EXPECT_NE(faces[i - 1].name, faces[i].name);
    EXPECT_LE(faces[i - 1].family, faces[i].family);
    if (faces[i - 1].family == faces[i].family) {
      EXPECT_FALSE(faces[i].familyFace);
    }
  }
}

// The default clue font is offered under the name the settings hold, and
// its bold under a name that finds the bold file.
TEST(FontFaces, TheDefaultFontIsOfferedUnderTheSettingsName) {
  const std::vector<FontFace> faces = CyrillicFontFaces();
  const auto narrow = std::ranges::find(faces, std::string("PT Sans Narrow"), &FontFace::name);
  ASSERT_NE(narrow, faces.end());
  EXPECT_TRUE(narrow->familyFace);
  EXPECT_EQ(narrow->caption(), "PT Sans Narrow");
  EXPECT_EQ(narrow->file.filename(), "PTN57F.ttf");
  const auto bold =
      std::ranges::find(faces, std::filesystem::path(narrow->file).replace_filename("PTN77F.ttf"), &FontFace::file);
  ASSERT_NE(bold, faces.end());
  EXPECT_EQ(bold->caption(), "PT Sans Narrow Bold");
  EXPECT_EQ(bold->name, "PT Sans Narrow:style=Bold");
}

// A TrueType face without Cyrillic letters is never offered: DejaVu Math
// TeX Gyre, where fonts-dejavu-extra installs it.
TEST(FontFaces, AFaceWithoutCyrillicIsLeftOut) {
  const std::filesystem::path math = "/usr/share/fonts/truetype/dejavu/DejaVuMathTeXGyre.ttf";
  if (!std::filesystem::exists(math)) GTEST_SKIP() << "no face without Cyrillic installed";
  ASSERT_FALSE(MapsRussian(testing::TrueTypeReference(math)));
  const std::vector<FontFace> faces = CyrillicFontFaces();
  EXPECT_EQ(std::ranges::find(faces, math, &FontFace::file), faces.end());
}

}  // namespace
}  // namespace verstak
