#include "app/CXAppDelegate.h"

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QVariantList>
#include <QVariantMap>

#include "about/CXAboutWC.h"
#include "app/RelaunchCommand.h"
#include "platform/Localized.h"
#include "platform/Log.h"
#include "platform/Task.h"
#include "platform/Workspace.h"
#include "services/CXServiceFunctions.h"
#include "toolkit/CXAlert.h"
#include "window/CXExportDocumentWC.h"

namespace {

constexpr const char *kMessages = "CXInterfaceString";

// The maker's support page for the reader and its companions.
const QString kSupportPageURL = QStringLiteral("https://www.corvanex.com/Support/Orvella/");

QColor rgb255(int red, int green, int blue) {
  return QColor::fromRgbF(red / 255.0f, green / 255.0f, blue / 255.0f, 1.0f);
}

// Tells the user something went wrong and what to do, then runs then (if any)
// once the alert is answered.
void showFailure(const QString &title, const QString &inform, std::function<void()> then = {}) {
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      title, inform, {localized(kMessages, "OK")}, [then = std::move(then)](int) {
        if (then) then();
      });
}

}  // namespace

const QString CXAppDelegate::kReaderBundleIdentifier = QStringLiteral("com.Corvanex.Orvella");

CXAppDelegate::CXAppDelegate(QObject *parent) : QObject(parent) {
  if (QCoreApplication *app = QCoreApplication::instance()) {
    connect(app, &QCoreApplication::aboutToQuit, this, &CXAppDelegate::applicationWillTerminate);
  }
}

CXAppDelegate::~CXAppDelegate() = default;

void CXAppDelegate::setRunningApplicationsSource(RunningApplicationsSource source) {
  runningApplications_ = std::move(source);
}

QString CXAppDelegate::handOffTitle() {
  return localized(kMessages, "Orvella cannot be open during export");
}

QString CXAppDelegate::handOffInformText() {
  return localized(kMessages,
                   "Click Continue to quit Orvella. The application will open when the export "
                   "is complete");
}

QUrl CXAppDelegate::supportPageURL() { return QUrl(kSupportPageURL); }

void CXAppDelegate::configureSharedAlert() {
  const QString light = QStringLiteral("HelveticaNeue-Light");
  CXAlert::sharedAlert().setTitleSettings({
      {QStringLiteral("fontName"), QStringLiteral("HelveticaNeue-Medium")},
      {QStringLiteral("fontSize"), qint32(13)},
      {QStringLiteral("fontKern"), 0.5},
  });
  CXAlert::sharedAlert().setInformSettings({
      {QStringLiteral("fontName"), light},
      {QStringLiteral("fontSize"), qint32(12)},
      {QStringLiteral("fontKern"), 0.5},
  });
  const QVariantMap first = {
      {QStringLiteral("offColor"), rgb255(255, 129, 0)},
      {QStringLiteral("hoverColor"), rgb255(215, 109, 0)},
      {QStringLiteral("pressedColor"), rgb255(245, 119, 0)},
      {QStringLiteral("kern"), 0.5},
      {QStringLiteral("fontName"), light},
      {QStringLiteral("fontSize"), qint32(13)},
  };
  const QVariantMap second = {
      {QStringLiteral("kern"), 0.5},
      {QStringLiteral("fontName"), light},
      {QStringLiteral("fontSize"), qint32(13)},
  };
  CXAlert::sharedAlert().setButtonsSettings({first, second});
  // Decided once: the alert keeps this scheme for the rest of the run.
  CXAlert::sharedAlert().setAlertAppearance(
      CXServiceFunctions::appAppearance() == Appearance::kDark ? 1 : 0);
}

void CXAppDelegate::applicationDidFinishLaunching() {
  configureSharedAlert();

  const std::vector<RunningApplication> readers = findReaders();
  if (readers.empty()) {
    showDocument();
    return;
  }

  // Remembered before asking, so that the reader comes back whatever the
  // answer. Where it runs more than once (two sessions of one user, or a
  // second copy started by hand), the first is opened again, once.
  orvellaBundlePath_ = readers.front().bundlePath();
  QPointer<CXAppDelegate> self(this);
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      handOffTitle(), handOffInformText(),
      {localized(kMessages, "Continue"), localized(kMessages, "Cancel")}, [self](int button) {
        // The alert answers with the 1-based position of the pressed button.
        if (self && (button == 1 || button == 2))
          self->answerHandOff(button == 1 ? HandOffAnswer::Continue : HandOffAnswer::Cancel);
      });
}

std::optional<RunningApplication> CXAppDelegate::quitEveryReader() const {
  // Listed again after each round: a copy started while the first ones were
  // quit would write to the database during the read just the same.
  for (int round = 0; round < 3; ++round) {
    const std::vector<RunningApplication> readers = findReaders();
    if (readers.empty()) return std::nullopt;
    for (const RunningApplication &reader : readers) {
      if (!reader.forceTerminate()) return reader;
    }
  }
  std::vector<RunningApplication> left = findReaders();
  if (left.empty()) return std::nullopt;
  return left.front();
}

void CXAppDelegate::answerHandOff(HandOffAnswer answer) {
  switch (answer) {
    case HandOffAnswer::Continue: {
      const std::optional<RunningApplication> stillRunning = quitEveryReader();
      if (!stillRunning) {
        showDocument();
        return;
      }
      // Without a window the program would sit there with nothing to use or
      // close. The reader still runs, so there is nothing to start again.
      Log::line(QStringLiteral("Orvella (process %1) could not be quit.")
                    .arg(stillRunning->processIdentifier()));
      orvellaBundlePath_.reset();
      showFailure(
          localized(kMessages,
                    "Orvella could not be quit. Quit it yourself, then open the exporter again."),
          QString(), [] { QCoreApplication::quit(); });
      return;
    }
    case HandOffAnswer::Cancel:
      QCoreApplication::quit();
      return;
  }
}

void CXAppDelegate::applicationWillTerminate() { launchOrvella(); }

std::vector<RunningApplication> CXAppDelegate::findReaders() const {
  const std::vector<RunningApplication> apps =
      runningApplications_
          ? runningApplications_()
          : Workspace::sharedWorkspace().runningApplications({kReaderBundleIdentifier});
  // Started from the reader, the exporter may share its sandbox or unit, and
  // so its id; it is never the reader itself.
  const pid_t self = static_cast<pid_t>(QCoreApplication::applicationPid());
  std::vector<RunningApplication> readers;
  for (const RunningApplication &app : apps) {
    if (app.bundleIdentifier() == kReaderBundleIdentifier && app.processIdentifier() != self) {
      readers.push_back(app);
    }
  }
  return readers;
}

void CXAppDelegate::launchOrvella() {
  if (!orvellaBundlePath_) return;
  // The reader still runs (the user chose Cancel, or it was started again
  // meanwhile): a second copy must not start. Where it owns its name on the
  // session bus it is asked to come forward, as opening a running application
  // does.
  if (const std::vector<RunningApplication> readers = findReaders(); !readers.empty()) {
    if (!Workspace::activateApplication(kReaderBundleIdentifier)) {
      Log::line(QStringLiteral("Orvella still runs (process %1); it is left as it is.")
                    .arg(readers.front().processIdentifier()));
    }
    return;
  }
  const std::optional<RelaunchCommand::Command> command =
      RelaunchCommand::build(*orvellaBundlePath_, RelaunchCommand::openerFromEnvironment());
  if (!command) {
    Log::line(QStringLiteral("Orvella is not opened again: its launcher path \"%1\" is not usable.")
                  .arg(*orvellaBundlePath_));
    return;
  }
  // Not waited for: the shell outlives the exporter, waits a second and opens
  // the reader.
  Task::launchDetached(command->program, command->args);
}

void CXAppDelegate::showDocument() {
  if (!documentWC_) {
    documentWC_ = std::make_unique<CXExportDocumentWC>();
    // The window's menu is the program's menu bar.
    QWidget *window = documentWC_->window();
    for (QAction *action : makeMenuActions(window)) documentWC_->addMenuAction(action);
  }
  documentWC_->showWindow(this);
}

void CXAppDelegate::showExportAboutPane(QObject *sender) {
  if (!aboutWC_) aboutWC_ = std::make_unique<CXAboutWC>();
  if (documentWC_) aboutWC_->setParentWindow(documentWC_->window());
  aboutWC_->showWindow(sender);
}

void CXAppDelegate::homePage(QObject *) {
  const QUrl url = supportPageURL();
  if (!Workspace::sharedWorkspace().openURL(url)) {
    showFailure(localized(kMessages,
                          "The support page could not be opened. Visit it in your web browser "
                          "instead."),
                url.toString());
  }
}

QList<QAction *> CXAppDelegate::makeMenuActions(QObject *parent) {
  auto *about = new QAction(localized(kMessages, "About Orvella Exporter…"), parent);
  about->setObjectName(QStringLiteral("aboutAction"));
  about->setMenuRole(QAction::AboutRole);
  connect(about, &QAction::triggered, this, [this, about] { showExportAboutPane(about); });
  auto *support = new QAction(localized(kMessages, "Orvella Support"), parent);
  support->setObjectName(QStringLiteral("supportAction"));
  connect(support, &QAction::triggered, this, [this, support] { homePage(support); });
  return {about, support};
}
