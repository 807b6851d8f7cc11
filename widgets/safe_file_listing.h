#pragma once
// File dialogs list folders by names alone. The stock icon provider asks the
// MIME database about each file, which reads the file: in /proc or /dev one
// read blocks for good (/proc/kmsg) and the program with all its unsaved work
// hangs. Icons and types here come from the name and the kind of entry only.

#include <QFileIconProvider>

class QFileDialog;

namespace verstak {

class NameOnlyIconProvider final : public QFileIconProvider {
 public:
  QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
};

// Gives `dialog` the provider above (its list and its name completer share it).
void MakeListingSafe(QFileDialog& dialog);

}  // namespace verstak
