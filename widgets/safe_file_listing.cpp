#include "widgets/safe_file_listing.h"

#include <QFileDialog>
#include <QMimeDatabase>

namespace verstak {

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  if (info.isRoot()) return icon(Drive);
  return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  if (info.isDir()) return QStringLiteral("Папка");
  const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
  return mime.isDefault() ? QStringLiteral("Файл") : mime.comment();
}

void MakeListingSafe(QFileDialog& dialog) {
  static NameOnlyIconProvider provider;
  dialog.setIconProvider(&provider);
}

}  // namespace verstak
