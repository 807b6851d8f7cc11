#include "session/document_session.h"

#include <QFile>
#include <QFileInfo>

#include "document/print_title.h"

namespace verstak {

DocumentName DocumentName::OfScanwordFile(const QString& path) {
  const QFileInfo file(path);
  return {file.fileName(), file.absoluteFilePath(), 0};
}

DocumentName DocumentName::OfPuzzle(int number) {
  return {QStringLiteral("кроссворд %1").arg(number), {}, number};
}

DocumentSession::DocumentSession(ScanwordDocument& document, PrintSettings& settings, QObject* parent)
    : QObject(parent), document_(document), settings_(settings), history_(document) {
  connect(&history_, &DocumentHistory::markChanged, this, &DocumentSession::modifiedChanged);
  connect(&history_, &DocumentHistory::changed, this, &DocumentSession::changed);
}

void DocumentSession::setName(const DocumentName& name) {
  if (name == name_) return;
  name_ = name;
  emit nameChanged();
}

void DocumentSession::setTypedClueText(const std::optional<TypedClueText>& typed) {
  if (typed == typed_) return;
  typed_ = typed;
  emit typingChanged();
}

QString DocumentSession::windowTitle() const {
  QString title = QStringLiteral("VERSTAK");
  if (!name_.name.isEmpty()) title += QStringLiteral(" — ") + name_.name;
  if (modified()) title += QLatin1Char('*');
  return title;
}

QString DocumentSession::printTitle() const {
  return QString::fromStdString(PrintTitle(QFile::encodeName(name_.scanwordFile).toStdString(), name_.puzzleNumber));
}

QString DocumentSession::answerCaption() const {
  return QString::fromStdString(AnswerCaption(QFile::encodeName(name_.scanwordFile).toStdString(), name_.puzzleNumber));
}

QString DocumentSession::suggestedFileName() const {
  if (!name_.scanwordFile.isEmpty()) return QFileInfo(name_.scanwordFile).completeBaseName();
  return name_.puzzleNumber > 0 ? QString::number(name_.puzzleNumber) : QString();
}

void DocumentSession::startEmpty() {
  ClearCells(document_);
  ClearDefinitions(document_);
  settings_ = startSettings_;
  setName({});
  restart(false);
}

void DocumentSession::restart(bool editsRemain) {
  history_.restart(editsRemain);
  emit replaced();
}

void DocumentSession::markSaved(const QString& path) {
  history_.markSaved();
  setName(DocumentName::OfScanwordFile(path));
}

}  // namespace verstak
