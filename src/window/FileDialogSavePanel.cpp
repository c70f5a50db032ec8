#include "window/FileDialogSavePanel.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "platform/Localized.h"

std::optional<QString> FileDialogSavePanel::runModal(QWidget *parent) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setWindowTitle(localized("CXInterfaceString", "Export Feeds"));
  dialog.setLabelText(QFileDialog::Accept, localized("CXInterfaceString", "Save"));
  // Asks before replacing an existing file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setOption(QFileDialog::ReadOnly, !canCreateDirectories());

  const QStringList extensions = allowedExtensions();
  if (!extensions.isEmpty()) {
    QStringList patterns;
    for (const QString &extension : extensions) patterns << QStringLiteral("*.") + extension;
    dialog.setNameFilter(localized("CXInterfaceString", "OPML files") + QStringLiteral(" (") +
                         patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    dialog.setDefaultSuffix(extensions.first());
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  dialog.setDirectory(documents.isEmpty() ? QDir::homePath() : documents);
  if (!proposedName().isEmpty())
    dialog.selectFile(extensions.isEmpty()
                          ? proposedName()
                          : proposedName() + QLatin1Char('.') + extensions.first());

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return pathWithAllowedExtension(QDir::cleanPath(chosen.first()), extensions);
}
