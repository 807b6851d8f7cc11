#include "preview/typeset_store.h"

#include <QSettings>
#include <algorithm>

#include "print/typeset_font.h"

namespace verstak {
namespace {

const char* const kFont = "typesetting/font";
const char* const kSize = "typesetting/size";
const char* const kMinimumSize = "typesetting/minimumSize";
const char* const kLineSpacing = "typesetting/lineSpacing";
const char* const kLineWidth = "typesetting/lineWidth";
const char* const kArrowheads = "typesetting/arrowheads";

double Number(const QSettings& settings, const char* key, double fallback, double lowest, double highest) {
  bool ok = false;
  const double value = settings.value(QLatin1String(key)).toDouble(&ok);
  return ok && value >= lowest && value <= highest ? value : fallback;
}

}  // namespace

TypesetSettings TypesetStore::load() const {
  if (!settings_) return kept_;
  const TypesetSettings defaults;
  TypesetSettings typeset;
  const QString font = settings_->value(QLatin1String(kFont)).toString();
  if (!font.trimmed().isEmpty() && !FontRefused(font.toStdString())) typeset.font = font.toStdString();
  using L = TypesetLimits;
  typeset.size = Number(*settings_, kSize, defaults.size, L::kSmallestSize, L::kLargestSize);
  typeset.minimumSize = Number(*settings_, kMinimumSize, defaults.minimumSize, L::kSmallestSize, L::kLargestSize);
  // As verstak-batch takes it: the minimum never above the size.
  typeset.minimumSize = std::min(typeset.minimumSize, typeset.size);
  typeset.lineSpacing = Number(*settings_, kLineSpacing, defaults.lineSpacing, L::kSmallestSpacing, L::kLargestSpacing);
  typeset.lineWidth = Number(*settings_, kLineWidth, defaults.lineWidth, L::kThinnestLine, L::kThickestLine);
  typeset.arrowheads = settings_->value(QLatin1String(kArrowheads), defaults.arrowheads).toBool();
  return typeset;
}

void TypesetStore::save(TypesetSettings typeset) {
  if (FontRefused(typeset.font)) typeset.font = load().font;
  kept_ = typeset;
  if (!settings_) return;
  settings_->setValue(QLatin1String(kFont), QString::fromStdString(typeset.font));
  settings_->setValue(QLatin1String(kSize), typeset.size);
  settings_->setValue(QLatin1String(kMinimumSize), typeset.minimumSize);
  settings_->setValue(QLatin1String(kLineSpacing), typeset.lineSpacing);
  settings_->setValue(QLatin1String(kLineWidth), typeset.lineWidth);
  settings_->setValue(QLatin1String(kArrowheads), typeset.arrowheads);
}

}  // namespace verstak
