#include "widgets/prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "widgets/file_filter.h"
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

QString QtPrompter::saveFileName(const QString& filter, const QString& defaultSuffix, bool confirmOverwrite,
                                 QString* chosenFilter, const QString& suggestedName) {
  QFileDialog dialog(nullptr, QString(), QString(), filter);
  MakeListingSafe(dialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  // A name typed without an extension gets the one of the filter chosen.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& selected) {
    if (const QString suffix = FilterSuffix(selected); !suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
  });
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
  dialog.setOption(QFileDialog::ReadOnly, false);
  // A suggested name stands in the folder last chosen.
  const QString last = lastChosen_.value(filter);
  if (!suggestedName.isEmpty()) {
    if (!last.isEmpty()) dialog.setDirectory(QFileInfo(last).absolutePath());
    dialog.selectFile(suggestedName + QLatin1Char('.') + defaultSuffix);
  } else if (!last.isEmpty()) {
    dialog.selectFile(last);
  }
  const QString name = Chosen(dialog);
  if (!name.isEmpty()) lastChosen_.insert(filter, name);
  // The dialog gives back its filters with the blanks simplified; the
  // caller gets its own entry.
  if (chosenFilter) {
    const qsizetype index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    *chosenFilter = filter.split(QStringLiteral(";;")).value(index, dialog.selectedNameFilter());
  }
  return name;
}

bool QtPrompter::choosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<QFont> QtPrompter::chooseFont(const QFont& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, nullptr, QString(), QFontDialog::ScalableFonts);
  return ok ? std::optional<QFont>(font) : std::nullopt;
}

Prompter::Answer QtPrompter::ask(const QString& question, const QString& third) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("VERSTAK"), question,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  box.button(QMessageBox::Cancel)->setText(third);
  // Without a button of its own Esc would answer Нет.
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

}  // namespace verstak
