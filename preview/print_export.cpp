#include "preview/print_export.h"

#include <QDateTime>
#include <QFile>
#include <cstdlib>
#include <iterator>

#include "print/press_check.h"
#include "print/press_date.h"

#include "widgets/file_filter.h"

namespace verstak {

QString SaveFilter(std::span<const OutputFormat> formats) { return QString::fromStdString(OutputFilter(formats)); }

QString ExportFilter() {
  std::vector<OutputFormat> every;
  for (const OutputKind& kind : OutputKinds()) every.push_back(kind.format);
  return SaveFilter(every);
}

OutputFormat ChosenExportFormat(const QString& fileName, const QString& chosenFilter) {
  if (const std::optional<OutputFormat> named = FormatOfFileName(LocalPath(fileName))) return *named;
  return FormatOfExtension(FilterSuffix(chosenFilter).toStdString()).value_or(OutputFormat::Macro);
}

OutputMade WriteWindowOutput(const ScanwordDocument& document, const PrintSettings& settings,
                             const WindowOutput& output, OutputFormat format, const std::filesystem::path& path) {
  const std::string title = output.title.toStdString();
  const std::string caption = output.caption.toStdString();
  const OutputJob job{.document = document,
                      .settings = settings,
                      .choice = output.choice,
                      .typeset = output.typeset,
                      .font = output.font,
                      .press = output.press,
                      .title = title,
                      .caption = caption,
                      .answerCell = output.answerCell,
                      .content = output.content,
                      .strict = output.strict};
  OutputMade made = MakeOutput(format, job);
  if (!made.failure) made.failure = WriteOutput(format, path, made);
  return made;
}

PressSettings WindowPress(const QString& scanwordFile) {
  PressSettings press;
  std::vector<std::filesystem::path> inputs;
  if (!scanwordFile.isEmpty()) inputs.push_back(LocalPath(scanwordFile));
  const std::optional<std::int64_t> date = PressDate(std::getenv("SOURCE_DATE_EPOCH"), inputs);
  press.date = date.value_or(QDateTime::currentSecsSinceEpoch());
  return press;
}

UserMessage PrintDoneMessage(const OutputMade& written) {
  UserMessage done = UserMessage::Success(std::string(kDoneMessage));
  for (const std::string& fault : written.faults) done.details += WarningLine(fault) + "\n";
  done.details += NotFittingLine(written.notFitting);
  if (done.details.ends_with('\n')) done.details.pop_back();
  return done;
}

std::filesystem::path LocalPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace verstak
