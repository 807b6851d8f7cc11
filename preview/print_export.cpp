#include "preview/print_export.h"

#include <QDateTime>
#include <QFile>
#include <cstdlib>

#include "print/press_date.h"

#include "widgets/file_filter.h"

namespace verstak {

ExportFormat ChosenExportFormat(const QString& fileName, const QString& chosenFilter) {
  const auto formatOf = [](const QString& suffix) -> std::optional<ExportFormat> {
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) return ExportFormat::Pdf;
    if (suffix.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) return ExportFormat::Svg;
    if (suffix.compare(QLatin1String("csc"), Qt::CaseInsensitive) == 0) return ExportFormat::Macro;
    return std::nullopt;
  };
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
  if (dot > slash) {
    if (const auto format = formatOf(fileName.mid(dot + 1))) return *format;
  }
  return formatOf(FilterSuffix(chosenFilter)).value_or(ExportFormat::Macro);
}

PrintFileWritten WritePrintFile(const ScanwordDocument& document, const PrintSettings& settings,
                                const TypesetSettings& typeset, const TypesetFont& font,
                                const std::filesystem::path& path, PrintFormat format, const ExportChoice& choice,
                                const QString& title, const PressSettings& press) {
  const PrintWriter writer(document, settings, typeset, font, press);
  PrintWritten written = writer.writeFile(path, format, choice, title.toStdString());
  return {std::move(written.failure), written.fit.overflowing()};
}

PressSettings WindowPress(const QString& scanwordFile) {
  PressSettings press;
  std::vector<std::filesystem::path> inputs;
  if (!scanwordFile.isEmpty()) inputs.push_back(LocalPath(scanwordFile));
  const std::optional<std::int64_t> date = PressDate(std::getenv("SOURCE_DATE_EPOCH"), inputs);
  press.date = date.value_or(QDateTime::currentSecsSinceEpoch());
  return press;
}

UserMessage PrintDoneMessage(int notFitting) {
  UserMessage done = UserMessage::Success(std::string(kDoneMessage));
  if (notFitting > 0) done.details = "Не помещается определений: " + std::to_string(notFitting);
  return done;
}

std::filesystem::path LocalPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace verstak
