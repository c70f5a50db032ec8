#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/RunningApplication.h"

class CXAboutWC;
class CXExportDocumentWC;
class QAction;

// The application's delegate: the launch sequence with the reader hand-off,
// the two windows, the About and support-page menu actions, and the reader's
// relaunch when the exporter quits.
//
// The reader must not run while its database is exported. At launch the
// delegate looks for it among the running applications; when it runs, the
// delegate remembers how to start it again, asks the user for leave to quit it
// ("Continue" or "Cancel"), and force-quits it. When the exporter quits, the
// reader is started again, one second later, if it was found at launch, whatever
// the user answered, unless the reader runs by then: then it is only asked to
// come forward.
//
// Main thread only.
class CXAppDelegate : public QObject {
  Q_OBJECT

 public:
  using RunningApplicationsSource = std::function<std::vector<RunningApplication>()>;

  // The application id that marks the reader among running applications.
  static const QString kReaderBundleIdentifier;

  // Follows the application's quit (QCoreApplication::aboutToQuit) once an
  // application object exists.
  explicit CXAppDelegate(QObject *parent = nullptr);
  ~CXAppDelegate() override;

  // The launch sequence: the shared alert's look, the search
  // for the reader, and then either the export window or the hand-off alert.
  // Call it once the event loop runs, so that the alert's answer can quit the
  // application.
  void applicationDidFinishLaunching();
  // Runs when the application quits: starts the reader again when it was found
  // at launch.
  void applicationWillTerminate();
  void launchOrvella();

  // Shows the export window, made on first use and kept.
  void showDocument();
  // Menu actions: the About window (made on first use and kept), and the
  // support page in the default web browser.
  void showExportAboutPane(QObject *sender);
  void homePage(QObject *sender);

  // The menu items of the two actions above ("About Orvella Exporter…",
  // "Orvella Support"), owned by parent. The export window's menu carries them.
  QList<QAction *> makeMenuActions(QObject *parent);

  CXExportDocumentWC *documentWC() const { return documentWC_.get(); }
  CXAboutWC *aboutWC() const { return aboutWC_.get(); }
  // Where the reader is started from; set at launch only when the reader was
  // running. The one condition for the relaunch.
  std::optional<QString> orvellaBundlePath() const { return orvellaBundlePath_; }

  // The settings that every alert of the program is shown with, and the
  // scheme the alert takes (dark when the program's scheme is dark).
  static void configureSharedAlert();
  // The hand-off alert's texts.
  static QString handOffTitle();
  static QString handOffInformText();
  // The maker's support page for the reader.
  static QUrl supportPageURL();

  // Where running applications are listed; Workspace's own list unless set.
  // Tests narrow it to the processes they started.
  void setRunningApplicationsSource(RunningApplicationsSource source);

 private:
  // Every running application with the reader's id, the exporter aside, in
  // process id order.
  std::vector<RunningApplication> findReaders() const;
  // Quits every copy of the reader; the one that would not quit, if any.
  std::optional<RunningApplication> quitEveryReader() const;
  // The hand-off alert's buttons, in the order they are shown.
  enum class HandOffAnswer { Continue, Cancel };
  void answerHandOff(HandOffAnswer answer);

  std::unique_ptr<CXExportDocumentWC> documentWC_;
  std::unique_ptr<CXAboutWC> aboutWC_;
  std::optional<QString> orvellaBundlePath_;
  RunningApplicationsSource runningApplications_;
};
