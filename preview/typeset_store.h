#pragma once
// The typesetting the preview and the export use, kept between runs in the
// user's settings; the scanword file never holds it. Each value is checked
// on the way in, so that a settings file edited by hand cannot give the
// print output a size it refuses.

#include "print/typeset_settings.h"

class QSettings;

namespace verstak {

// The ranges the preview's boxes offer: those verstak-batch accepts.
struct TypesetLimits {
  static constexpr double kSmallestSize = 1.0;  // pt
  static constexpr double kLargestSize = 100.0;
  static constexpr double kSmallestSpacing = 0.5;
  static constexpr double kLargestSpacing = 5.0;
  static constexpr double kThinnestLine = 0.05;  // mm
  static constexpr double kThickestLine = 5.0;
};

class TypesetStore {
 public:
  // Without `settings` the choice lasts for the run only. The settings must
  // outlive the store.
  explicit TypesetStore(QSettings* settings = nullptr) : settings_(settings) {}

  // What was kept, or the defaults; a value outside its range is its
  // default, and so is a font that is there but refused.
  TypesetSettings load() const;
  // A refused font is never kept: the one kept before stays.
  void save(TypesetSettings typeset);

 private:
  QSettings* settings_;
  TypesetSettings kept_;
};

}  // namespace verstak
