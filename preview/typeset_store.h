#pragma once
// The typesetting the preview and the export use, kept between runs in the
// user's settings; the scanword file never holds it. Each value is checked
// on the way in, so that a settings file edited by hand cannot give the
// print output a size it refuses.

#include "print/typeset_settings.h"

class QSettings;

namespace verstak {

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
