#pragma once

// What the scenes that show the export window share: the sample database,
// a save panel that answers with a fixed file, and a window shown once its
// list has settled.
#include <QString>
#include <optional>

#include "window/SavePanel.h"

class CXExportDocumentWC;
class CXExportStorage;

// Answers the export's question with a file in a folder of its own.
class FixedSavePanel : public SavePanel {
 public:
  explicit FixedSavePanel(QString path) : path_(std::move(path)) {}
  std::optional<QString> runModal(QWidget *) override { return path_; }

 private:
  QString path_;
};

// The sample reader database, built beside the screenshots folder (the
// program is run as `orvella-screenshots OUTDIR ...`).
QString sampleDatabase();

// Shows a window reading `database` and waits until its list has settled.
void showLoaded(CXExportDocumentWC &document, CXExportStorage &storage, const QString &database);
