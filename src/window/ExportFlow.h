#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include "window/SavePanel.h"

class CXExportListVC;
class CXExportStorage;
class QWidget;

// One export from the export window, from the request to the outcome: asks
// before a list that the read could not finish is written, asks for the
// destination in the save panel, writes the document of the ticked feeds
// there (never over the reader's own files) and reads the file back. A write
// or check that fails is told in the shared alert, after failed() has let
// the window bring its list back.
//
// Main thread only.
class ExportFlow : public QObject {
  Q_OBJECT

 public:
  using SavePanelFactory = std::function<std::unique_ptr<SavePanel>()>;

  // The file of a finished export; checkedFeeds is how many feeds the file
  // was read back with, absent when it could not be read back (a device).
  struct Written {
    QString path;
    std::optional<std::size_t> checkedFeeds;
  };

  // store: whose database files are never a target.
  explicit ExportFlow(const CXExportStorage &store, QObject *parent = nullptr);

  // The default shows the desktop's save panel; tests answer without one.
  void setSavePanelFactory(SavePanelFactory factory) { savePanelFactory_ = std::move(factory); }

  // Starts an export of the list's ticked feeds, with the save panel and the
  // alerts over window, unless one is under way (the save panel and the
  // alert run event loops of their own, in which a shortcut may ask again).
  void start(CXExportListVC &list, QWidget *window);

 signals:
  // A write or its check failed; the alert that says why comes next.
  void failed();
  // After each export: the file when one was written and checked, nothing
  // when the user cancelled or the export failed.
  void finished(const std::optional<ExportFlow::Written> &written);

 private:
  void write(CXExportListVC &list);
  void showFailure(const QString &reason);

  QPointer<QWidget> window_;
  const CXExportStorage &store_;
  SavePanelFactory savePanelFactory_;
  bool running_ = false;
};
