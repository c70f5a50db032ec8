#pragma once

#include "window/SavePanel.h"

// The save panel of the desktop, through QFileDialog: the proposed name with
// its extension filled in, a filter that shows only files of the allowed
// extensions, and the "new folder" control when allowed.
class FileDialogSavePanel : public SavePanel {
 public:
  std::optional<QString> runModal(QWidget *parent) override;

 private:
  static bool confirmReplace(QWidget *parent, const QString &path);
};
