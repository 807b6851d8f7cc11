#include "widgets/prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

#include "widgets/safe_file_listing.h"

namespace verstak {

void QtPrompter::showMessage(const UserMessage& message) {
  const QString caption = QString::fromUtf8(message.caption().data(), static_cast<qsizetype>(message.caption().size()));
  QMessageBox box(message.kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Warning, caption,
                  QString::fromStdString(message.text), QMessageBox::Ok);
  box.setInformativeText(QString::fromStdString(message.details));
  box.exec();
}

namespace {

QString Chosen(QFileDialog& dialog) {
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                 : QString();
}

}  // namespace

QString QtPrompter::openFileName(const QString& filter, const QString& defaultSuffix) {
  const QString last = lastChosen_.value(filter);
  QFileDialog dialog(nullptr, QString(), last.isEmpty() ? QString() : QFileInfo(last).absolutePath(), filter);
  MakeListingSafe(dialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(defaultSuffix);
  const QString name = Chosen(dialog);
  if (!name.isEmpty()) lastChosen_.insert(filter, name);
  return name;
}

QString QtPrompter::saveFileName(const QString& filter, const QString& defaultSuffix, bool confirmOverwrite) {
  QFileDialog dialog(nullptr, QString(), QString(), filter);
  MakeListingSafe(dialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (const QString last = lastChosen_.value(filter); !last.isEmpty()) dialog.selectFile(last);
  const QString name = Chosen(dialog);
  if (!name.isEmpty()) lastChosen_.insert(filter, name);
  return name;
}

std::optional<QFont> QtPrompter::chooseFont(const QFont& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, nullptr, QString(), QFontDialog::ScalableFonts);
  return ok ? std::optional<QFont>(font) : std::nullopt;
}

Prompter::Answer QtPrompter::ask(const QString& question, bool cancel) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("VERSTAK"), question,
                  QMessageBox::Yes | QMessageBox::No | (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  if (cancel) box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

}  // namespace verstak
