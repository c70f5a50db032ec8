#include "window/FileDialogSavePanel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>

#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "toolkit/WindowAppearance.h"

std::optional<QString> FileDialogSavePanel::runModal(QWidget *parent) {
  QFileDialog dialog(parent);
  // Qt's own dialog is a window of its own, which the palette of the window
  // it belongs to does not reach: it takes the program's scheme here.
  WindowAppearance::set(&dialog, WindowAppearance::scheme(parent));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setWindowTitle(localized("CXInterfaceString", "Export Feeds"));
  dialog.setLabelText(QFileDialog::Accept, localized("CXInterfaceString", "Save"));
  // Asks before replacing an existing file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setOption(QFileDialog::ReadOnly, !canCreateDirectories());

  const QStringList extensions = allowedExtensions();
  QStringList filters;
  if (!extensions.isEmpty()) {
    QStringList patterns;
    for (const QString &extension : extensions) patterns << QStringLiteral("*.") + extension;
    const QString pattern =
        QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    const QStringList names = fileTypes().isEmpty()
                                  ? QStringList{localized("CXInterfaceString", "OPML files")}
                                  : fileTypes();
    for (const QString &name : names) filters << name + pattern;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(extensions.first());
  }
  // Qt offers no way to add a control to the desktop's own dialog (nor do
  // its portal and GTK dialogs pass one on), so a panel with a check box is
  // Qt's own, which takes the box under the file name and type.
  QCheckBox *option = nullptr;
  if (!optionTitle().isEmpty()) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
      option = new QCheckBox(optionTitle(), &dialog);
      option->setObjectName(QStringLiteral("saveOptionBox"));
      grid->addWidget(option, grid->rowCount(), 0, 1, grid->columnCount());
    }
  }
  dialog.setDirectory(startFolder());
  if (!proposedName().isEmpty())
    dialog.selectFile(extensions.isEmpty()
                          ? proposedName()
                          : proposedName() + QLatin1Char('.') + extensions.first());

  for (;;) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    const QString confirmed = QDir::cleanPath(chosen.first());
    const QString path = pathWithAllowedExtension(confirmed, extensions);
    chosenFileType_ = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    optionChecked_ = option && option->isChecked();
    // The dialog asked about replacing the name it was given; when the
    // extension made it another file that exists, ask about that one too.
    if (path == confirmed || !QFileInfo::exists(path) || confirmReplace(&dialog, path)) {
      Defaults::standard().setString(QLatin1String(kLastFolderKey), QFileInfo(path).absolutePath());
      return path;
    }
    dialog.selectFile(QFileInfo(path).fileName());
  }
}

QString FileDialogSavePanel::startFolder() {
  // A folder that does not exist would make the dialog fall back to the
  // working folder.
  const QString last = Defaults::standard().stringForKey(QLatin1String(kLastFolderKey));
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

bool FileDialogSavePanel::confirmReplace(QWidget *parent, const QString &path) {
  const QString text =
      localized("CXInterfaceString", "%1 already exists. Do you want to replace it?")
          .arg(isolatedName(QFileInfo(path).fileName()));
  return QMessageBox::question(parent, localized("CXInterfaceString", "Export Feeds"), text,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}
