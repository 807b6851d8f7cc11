#pragma once
// The clue fonts a user may choose from: the faces fontconfig knows that the
// PDF can embed (TrueType outlines in a file of their own) and that hold
// the whole Russian alphabet, each under the name that finds it again.

#include <filesystem>
#include <string>
#include <vector>

namespace verstak {

struct FontFace {
  // What `TypesetSettings::font` takes: the family alone for the face
  // fontconfig picks for that family, "family:style=…" for the others
  // (characters of fontconfig's name syntax escaped).
  std::string name;
  std::string family;  // UTF-8, as fontconfig names it first
  std::string style;
  std::filesystem::path file;
  bool familyFace = false;  // the face the family's name alone finds

  // "PT Sans Narrow", "PT Sans Narrow Bold": what a font box shows.
  std::string caption() const;
};

// By family, each family's own face first and then its styles; a face that
// its name would not find again is left out.
std::vector<FontFace> CyrillicFontFaces();

}  // namespace verstak
