#include "preview/print_export.h"

#include <QDateTime>
#include <QFile>
#include <cstdlib>

#include "files/atomic_file.h"
#include "print/press_check.h"
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
                                const QString& title, const PressSettings& press, bool strict) {
  const PrintWriter writer(document, settings, typeset, font, press);
  PrintMade made = writer.make(format, choice, title.toStdString());
  // The layered layouts may leave the texts out; the check takes every clue.
  const FitReport& fit = choice.layerMode == LayerMode::OneLayer ? made.fit : writer.fitReport();
  PrintFileWritten written{std::move(made.failure), made.fit.overflowing(), PressFaults(document, fit)};
  if (written.failure) return written;
  if (strict && !written.faults.empty()) {
    written.failure = StrictRefusal(written.faults);
  } else if (const WriteOutcome file = WriteFileAtomically(path, made.bytes); !file) {
    written.failure = WriteFailedMessage(kPrintWriteFailedMessage, path, *file.failure);
  }
  return written;
}

PressSettings WindowPress(const QString& scanwordFile) {
  PressSettings press;
  std::vector<std::filesystem::path> inputs;
  if (!scanwordFile.isEmpty()) inputs.push_back(LocalPath(scanwordFile));
  const std::optional<std::int64_t> date = PressDate(std::getenv("SOURCE_DATE_EPOCH"), inputs);
  press.date = date.value_or(QDateTime::currentSecsSinceEpoch());
  return press;
}

UserMessage PrintDoneMessage(const PrintFileWritten& written) {
  UserMessage done = UserMessage::Success(std::string(kDoneMessage));
  for (const std::string& fault : written.faults) done.details += WarningLine(fault) + "\n";
  if (written.notFitting > 0) done.details += "Не помещается определений: " + std::to_string(written.notFitting);
  if (done.details.ends_with('\n')) done.details.pop_back();
  return done;
}

std::filesystem::path LocalPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace verstak
