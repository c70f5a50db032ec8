#pragma once

#include "window/SavePanel.h"

// The save panel of the desktop, through QFileDialog: the proposed name with
// its extension filled in, a filter that shows only files of the allowed
// extensions, and the "new folder" control when allowed. Where the platform
// theme brings the desktop's own file dialog, that one shows.
class FileDialogSavePanel : public SavePanel {
 public:
  std::optional<QString> runModal(QWidget *parent) override;

  // The folder the panel opens in: the folder of the last file it answered
  // with while that still exists, else the user's Documents folder when it
  // exists, else the home folder; never the folder the program was started in.
  static QString startFolder();
  // The preference that keeps the folder of the last answer.
  static constexpr char kLastFolderKey[] = "CXLastExportFolder";

 private:
  static bool confirmReplace(QWidget *parent, const QString &path);
};
