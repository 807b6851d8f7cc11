#pragma once
// fontconfig's patterns freed when they go out of scope, and their strings
// read as std::string.

#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>

namespace verstak::fontconfig {

struct PatternFree {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

// The value of `object` at `index`; empty when the pattern has none.
inline std::string String(const FcPattern* pattern, const char* object, int index = 0) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(value);
}

}  // namespace verstak::fontconfig
