#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "toolkit/CXWindowButton.h"
#include "window/CXLayoutConstraint.h"
#include "window/ExportFlow.h"

class CompletionActions;
class CXDocumentWindow;
class CXExportListVC;
class CXExportStorage;
class QAction;
class QMenu;
class QShortcut;
class QWidget;

namespace Ui {
class Document;
}

// The exporter's one window: the feed list with its buttons, the export
// (ExportFlow), and the "Export complete" view that takes the list's place
// after a file was written. Closing the window, by any means, quits the
// application.
//
// The window is made on the first window() or showWindow(): the scheme is
// applied, the title strip set up and the appearance notifications followed
// (awakeFromNib), then the export list is embedded (windowDidLoad). The list
// reads the feeds when the window first comes on screen.
//
// The window has no platform frame. Its title strip carries the custom close,
// minimise and zoom buttons at the left and the menu button at the right; the
// menu's items answer their shortcuts anywhere in the window. Other parts of
// the program add their own items to menu().
//
// Main thread only.
class CXExportDocumentWC : public QObject {
  Q_OBJECT

 public:
  static constexpr char kGroupIdentifier[] = "groupDoc";

  // storage: where the list reads the feeds; null means the shared store.
  explicit CXExportDocumentWC(CXExportStorage *storage = nullptr, QObject *parent = nullptr);
  ~CXExportDocumentWC() override;
  CXExportDocumentWC(const CXExportDocumentWC &) = delete;
  CXExportDocumentWC &operator=(const CXExportDocumentWC &) = delete;

  // The window, made and set up on the first call. Its parts carry the object
  // names of Document.ui; the title-bar buttons are "closeWindowButton",
  // "minimizeWindowButton" and "zoomWindowButton", the menu "documentMenu" and
  // its items "selectAllAction", "deselectAllAction", "exportAction",
  // "compareAction", "closeAction" and "quitAction".
  QWidget *window();
  bool isWindowLoaded() const { return window_ != nullptr; }
  // Brings the window on screen, in front, as the active window.
  void showWindow(QObject *sender = nullptr);

  // How the export asks for its destination. The default shows the desktop's
  // save panel; tests answer without one.
  void setSavePanelFactory(ExportFlow::SavePanelFactory factory);
  // How the comparison asks for the other reader's export: the path, or
  // nothing when the user cancelled. The default shows the desktop's open
  // panel; tests answer without one.
  using OpenPanel = std::function<std::optional<QString>(QWidget *parent)>;
  void setOpenPanel(OpenPanel panel) { openPanel_ = std::move(panel); }

  // ---- actions -------------------------------------------------------------
  void selectAllFeedsInTable(QObject *sender = nullptr);
  void deselectAllFeedsInTable(QObject *sender = nullptr);
  // Runs an export (ExportFlow); after a successful write the completion
  // view replaces the list. A failed write brings back the list, its ticks
  // as they were.
  void exportFeedsToOPML(QObject *sender = nullptr);
  // Asks for another reader's OPML export and ticks the feeds it lacks (see
  // CXExportListVC::tickFeedsMissingFrom); a file that cannot be compared is
  // told in an alert, and nothing is ticked.
  void compareWithAnotherReadersExport(QObject *sender = nullptr);
  // Quits the application.
  void closeExporter(QObject *sender = nullptr);
  // Whether a menu item whose action this controller answers is enabled now.
  bool validateMenuItem(const QAction *item) const;
  // Re-asks validateMenuItem() for the window's own items.
  void validateMenuItems();

  CXExportListVC *exportListVC() const { return exportListVC_.get(); }

  // The window's menu. Items added by others keep their own enabled state;
  // only the window's own items are validated here.
  QMenu *menu() const { return menu_; }
  // Adds an item to the menu above Close and Quit, with its shortcut active
  // anywhere in the window.
  void addMenuAction(QAction *action);

 signals:
  // After each export attempt: the written path, or none when the panel was
  // cancelled or the write failed.
  void exportFinished(std::optional<QString> writtenPath);

 private:
  // ---- loading, in this order, once --------------------------------------
  void loadWindow();
  void buildMenu();
  // Scheme, title strip, then the two appearance observers.
  void awakeFromNib();
  // Hides the window's own title and controls and puts the three custom
  // buttons into the title strip.
  void initializeExportDesignWindow();
  // Embeds the export list.
  void windowDidLoad();
  void loadExportListVC();

  // What the window shows after an export.
  void exportDidFinish(const std::optional<ExportFlow::Written> &written);
  void showExportCompleteView();
  void showExportListView();
  bool isExportCompleteViewShown() const;
  void windowWillClose();

  // ---- scheme --------------------------------------------------------------
  // Restyles the window for the scheme in force now, changed or not.
  void systemAppearanceDidChange();
  void applyScheme();
  void applyTypography();
  // Gives the three custom buttons the images of the window's scheme.
  void updateWindowControlsButton();

  CXExportStorage *storage_;
  std::unique_ptr<CXDocumentWindow> window_;
  std::unique_ptr<Ui::Document> ui_;
  std::unique_ptr<CXExportListVC> exportListVC_;
  QPointer<CXWindowButton> closeWindowButton_;
  QPointer<CXWindowButton> minimizeWindowButton_;
  QPointer<CXWindowButton> zoomWindowButton_;
  CXLayoutConstraint doneViewConstraintWidth_;
  ExportFlow *exportFlow_;
  QMenu *menu_ = nullptr;
  QAction *selectAllAction_ = nullptr;
  QAction *deselectAllAction_ = nullptr;
  QAction *exportAction_ = nullptr;
  QAction *compareAction_ = nullptr;
  QShortcut *nothingTickedShortcut_ = nullptr;
  OpenPanel openPanel_;
  QAction *menuSeparator_ = nullptr;
  QAction *closeAction_ = nullptr;
  QAction *quitAction_ = nullptr;
  // The file the completion view tells of.
  std::optional<ExportFlow::Written> lastExport_;
  CompletionActions *completionActions_ = nullptr;
};
