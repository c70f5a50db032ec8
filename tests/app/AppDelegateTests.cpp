// The launch sequence with real processes: a stand-in reader found by its
// application id, the hand-off alert and its two answers, the relaunch at quit
// through a recording opener, the shared alert's look, and the menu actions.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <tuple>

#include "ProcessHelpers.h"
#include "TestSupport.h"
#include "about/CXAboutWC.h"
#include "app/CXAppDelegate.h"
#include "app/DesktopIdentity.h"
#include "app/TerminationSignals.h"
#include "platform/Defaults.h"
#include "platform/Workspace.h"
#include "services/AppearanceNames.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXButton.h"
#include "toolkit/WindowAppearance.h"
#include "window/CXExportDocumentWC.h"
#include "window/CompletionActions.h"

namespace {

using testprocess::ScopedEnv;
using testprocess::StandIn;
using testprocess::startStandIn;
using testsupport::TempDir;
using testsupport::waitUntil;

// Readers may own their id on the session bus; this program's bus is its own.
const auto *const privateBus =
    ::testing::AddGlobalTestEnvironment(new testsupport::PrivateSessionBus);

bool isGone(pid_t pid) {
  const auto stat = testprocess::statOf(pid);
  return !stat || stat->state == 'Z' || stat->state == 'X';
}

// Runs the application's event loop, starting with start, until the
// application quits. A run that never quits fails the test rather than hang.
void runUntilQuit(const std::function<void()> &start) {
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    ADD_FAILURE() << "the application did not quit";
    QCoreApplication::quit();
  });
  guard.start(60000);
  QTimer::singleShot(0, start);
  QApplication::exec();
}

// Calls fn on the main thread once pred holds (checked every few ms).
void when(std::function<bool()> pred, std::function<void()> fn) {
  auto *timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, pred = std::move(pred), fn = std::move(fn)] {
    if (!pred()) return;
    timer->stop();
    timer->deleteLater();
    fn();
  });
  timer->start(5);
}

class HandOff : public ::testing::Test {
 protected:
  void SetUp() override {
    // A fixed scheme keeps the appearance watcher out of these tests.
    testsupport::useScheme(Appearance::kLight);
    recorderOutput = dir / "opened";
    const std::filesystem::path script = dir / "opener.sh";
    // The recorder writes next to itself, so its text needs no path pasted in.
    testsupport::writeFile(script,
                           "#!/bin/sh\nhere=$(dirname \"$0\")\n"
                           "echo >> \"$here/openings\"\n"
                           "printf '%s' \"$1\" > \"$here/opened.tmp\" && "
                           "mv \"$here/opened.tmp\" \"$here/opened\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    // Quoted, so that the opener is one word whatever the folder's name.
    const QByteArray quoted =
        '"' + QFile::encodeName(QString::fromStdString(script.string())) + '"';
    opener = std::make_unique<ScopedEnv>("ORVELLA_OPENER", quoted.constData());
    delegate = std::make_unique<CXAppDelegate>();
    // Only the processes this test started count: other programs of this
    // user may run at the same time.
    delegate->setRunningApplicationsSource([this] {
      std::vector<RunningApplication> ours;
      for (const auto &app : Workspace::sharedWorkspace().runningApplications(
               {CXAppDelegate::kReaderBundleIdentifier})) {
        if (started.count(app.processIdentifier())) ours.push_back(app);
      }
      return ours;
    });
  }

  void TearDown() override {
    if (CXAlert::sharedAlert().isShowing()) CXAlert::sharedAlert().window()->close();
    delegate.reset();
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  }

  // A stand-in reader launched from a desktop entry named after id.
  std::unique_ptr<StandIn> startReader(const std::string &folder,
                                       const QString &id = CXAppDelegate::kReaderBundleIdentifier) {
    std::filesystem::create_directories(dir / folder);
    const std::filesystem::path entry = dir / folder / (id.toStdString() + ".desktop");
    testsupport::writeFile(entry, "[Desktop Entry]\nType=Application\nName=Orvella\n");
    auto reader = startStandIn(
        {{QStringLiteral("GIO_LAUNCHED_DESKTOP_FILE"), QString::fromStdString(entry.string())}});
    started.insert(reader->pid);
    entries[reader->pid] = QString::fromStdString(entry.string());
    return reader;
  }

  bool alertShowing() const { return CXAlert::sharedAlert().isShowing(); }
  void press(int button) {
    ASSERT_TRUE(alertShowing());
    CXAlert::sharedAlert().button(button)->click();
  }
  bool documentShown() const {
    return delegate->documentWC() && delegate->documentWC()->window()->isVisible();
  }
  bool relaunched() const { return std::filesystem::exists(recorderOutput); }

  TempDir dir;
  std::filesystem::path recorderOutput;
  std::unique_ptr<ScopedEnv> opener;
  std::unique_ptr<CXAppDelegate> delegate;
  std::set<pid_t> started;
  std::map<pid_t, QString> entries;
};

}  // namespace

TEST_F(HandOff, FindsTheRunningReaderAndAsksBeforeShowingAnyWindow) {
  auto reader = startReader("a");
  delegate->applicationDidFinishLaunching();

  EXPECT_EQ(delegate->orvellaBundlePath(), entries[reader->pid]);
  ASSERT_TRUE(alertShowing());
  EXPECT_EQ(delegate->documentWC(), nullptr);
  QWidget *alert = CXAlert::sharedAlert().window();
  QStringList texts;
  for (QLabel *label : alert->findChildren<QLabel *>()) texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("Orvella cannot be open during export")));
  EXPECT_TRUE(texts.contains(QStringLiteral(
      "Click Continue to quit Orvella. The application will open when the export is complete")));
  EXPECT_EQ(CXAlert::sharedAlert().button(1)->text(), QStringLiteral("Continue"));
  EXPECT_EQ(CXAlert::sharedAlert().button(2)->text(), QStringLiteral("Cancel"));
  EXPECT_EQ(CXAlert::sharedAlert().button(3), nullptr);
  EXPECT_FALSE(isGone(reader->pid));
}

TEST_F(HandOff, AnIdThatDiffersOnlyInCaseIsNotTheReader) {
  auto lookalike = startReader("a", QStringLiteral("com.corvanex.orvella"));
  auto other = startReader("b", QStringLiteral("com.Corvanex.OrvellaExporter"));
  delegate->applicationDidFinishLaunching();
  EXPECT_FALSE(alertShowing());
  EXPECT_FALSE(delegate->orvellaBundlePath().has_value());
  EXPECT_TRUE(documentShown());
  EXPECT_FALSE(isGone(lookalike->pid));
}

TEST_F(HandOff, EveryRunningReaderIsQuitAndTheFirstIsOpenedAgainOnce) {
  auto one = startReader("one");
  auto two = startReader("two");
  const pid_t first = std::min(one->pid, two->pid);
  const pid_t second = std::max(one->pid, two->pid);
  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(delegate->orvellaBundlePath(), entries[first]);
    press(1);
    when([&] { return documentShown(); },
         [&] {
           // Both are gone before the list is read: either would write to
           // the database meanwhile.
           EXPECT_TRUE(isGone(first));
           EXPECT_TRUE(isGone(second));
           delegate->documentWC()->window()->close();
         });
  });
  ASSERT_TRUE(waitUntil([&] { return relaunched(); }));
  EXPECT_EQ(QString::fromStdString(testsupport::readFile(recorderOutput)), entries[first]);
  testsupport::pump(std::chrono::milliseconds(1500));
  EXPECT_EQ(testsupport::readFile(dir / "openings"), "\n")
      << "the reader was opened more than once";
}

// More readers than rounds of listing them: each round quits every reader
// it finds, not only the first.
TEST_F(HandOff, MoreReadersThanRoundsOfListingThemAreAllQuit) {
  std::vector<std::unique_ptr<StandIn>> readers;
  for (const char *folder : {"one", "two", "three", "four", "five"}) {
    readers.push_back(startReader(folder));
  }
  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    press(1);
    // The readers are quit while Continue is pressed; one left over is
    // reported in an alert of its own, with only an OK button.
    when(
        [&] {
          return documentShown() ||
                 (alertShowing() && CXAlert::sharedAlert().button(1)->text() == "OK");
        },
        [&] {
          EXPECT_TRUE(documentShown()) << "a reader was reported as one that cannot be quit";
          for (const auto &reader : readers) EXPECT_TRUE(isGone(reader->pid)) << reader->pid;
          if (documentShown()) {
            delegate->documentWC()->window()->close();
          } else {
            press(1);
          }
        });
  });
}

TEST_F(HandOff, ContinueQuitsTheReaderShowsTheWindowAndReopensTheReaderAfterQuit) {
  // A folder name that a shell would run as code if it were pasted into the
  // command: the opener must get it byte for byte.
  auto reader = startReader("Orvella \"beta\" $HOME `id` \\ ; 'x'");
  QElapsedTimer sinceQuit;
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, delegate.get(),
                   [&] { sinceQuit.start(); });
  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    press(1);
    when([&] { return documentShown(); },
         [&] {
           EXPECT_TRUE(isGone(reader->pid));
           EXPECT_FALSE(alertShowing());
           // Closing the export window quits the application.
           delegate->documentWC()->window()->close();
         });
  });
  ASSERT_TRUE(sinceQuit.isValid());
  ASSERT_TRUE(waitUntil([&] { return relaunched(); }));
  EXPECT_GE(sinceQuit.elapsed(), 900) << "the opener runs after a one-second wait";
  EXPECT_EQ(QString::fromStdString(testsupport::readFile(recorderOutput)), entries[reader->pid]);
}

TEST_F(HandOff, AReaderPathThatIsNotUtf8ReachesTheOpenerByteForByte) {
  // The environment of a QProcess is text; a shell puts the bytes there.
  const std::string folder = "caf\xE9 \xFF";
  std::filesystem::create_directories(dir / folder);
  const std::filesystem::path entry = dir / folder / "com.Corvanex.Orvella.desktop";
  testsupport::writeFile(entry, "[Desktop Entry]\nType=Application\nName=Orvella\n");
  testsupport::writeFile(dir / "entry-path", entry.native());
  auto reader =
      startStandIn({},
                   {QStringLiteral("-c"),
                    QStringLiteral("export GIO_LAUNCHED_DESKTOP_FILE=\"$(cat \"$1\")\"; "
                                   "exec \"$2\""),
                    QStringLiteral("sh"), QString::fromStdString((dir / "entry-path").string()),
                    QStringLiteral(ORVELLA_STAND_IN_READER)},
                   QStringLiteral("/bin/sh"));
  started.insert(reader->pid);
  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    press(1);
    when([&] { return documentShown(); }, [&] { delegate->documentWC()->window()->close(); });
  });
  EXPECT_TRUE(isGone(reader->pid));
  ASSERT_TRUE(waitUntil([&] { return relaunched(); })) << "the reader was not opened again";
  EXPECT_EQ(testsupport::readFile(recorderOutput), entry.native());
}

TEST_F(HandOff, CancelQuitsWithoutAWindowAndStartsNoSecondReader) {
  auto reader = startReader("a");
  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    press(2);
  });
  EXPECT_EQ(delegate->documentWC(), nullptr);
  EXPECT_FALSE(isGone(reader->pid));
  // The relaunch would have run by now.
  testsupport::pump(std::chrono::milliseconds(2000));
  EXPECT_FALSE(relaunched());
}

TEST_F(HandOff, AReaderFoundByItsBusNameIsAskedToComeForwardInsteadOfStartedAgain) {
  // Started by nothing that leaves a trace in its environment: only the name
  // it owns on the session bus tells who it is.
  const std::filesystem::path applications =
      std::filesystem::path(qEnvironmentVariable("XDG_DATA_HOME").toStdString()) / "applications";
  std::filesystem::create_directories(applications);
  const std::filesystem::path entry = applications / "com.Corvanex.Orvella.desktop";
  testsupport::writeFile(entry, "[Desktop Entry]\nType=Application\nName=Orvella\nExec=x\n");
  const std::filesystem::path activations = dir / "activations";
  auto reader = startStandIn(
      {}, {CXAppDelegate::kReaderBundleIdentifier, QString::fromStdString(activations.string())},
      QStringLiteral(ORVELLA_BUS_READER));
  started.insert(reader->pid);

  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    press(2);
  });
  std::filesystem::remove(entry);
  EXPECT_EQ(delegate->orvellaBundlePath(), QString::fromStdString(entry.string()));
  EXPECT_EQ(testsupport::readFile(activations), "activate\n");
  testsupport::pump(std::chrono::milliseconds(2000));
  EXPECT_FALSE(relaunched());
}

TEST_F(HandOff, ASignalOrALogoutQuitsTheWayQuitDoesAndReopensTheReader) {
  TerminationSignals signalsToEnd;
  // 0 stands for a logout: the session manager's "die" reaches Qt's session
  // management, which sends the application a Quit event.
  for (int signal : {SIGTERM, SIGINT, SIGHUP, 0}) {
    std::filesystem::remove(recorderOutput);
    auto reader = startReader("a");
    runUntilQuit([&] {
      delegate->applicationDidFinishLaunching();
      ASSERT_TRUE(alertShowing());
      // The reader went away meanwhile, so it is started again at quit.
      reader->process->kill();
      reader->process->waitForFinished(5000);
      if (signal != 0) {
        ::kill(::getpid(), signal);
      } else {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
      }
    });
    ASSERT_TRUE(waitUntil([&] { return relaunched(); })) << (signal ? strsignal(signal) : "logout");
    EXPECT_EQ(QString::fromStdString(testsupport::readFile(recorderOutput)), entries[reader->pid]);
  }
}

TEST_F(HandOff, WithoutAReaderTheWindowOpensAtOnceAndNothingIsReopened) {
  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    EXPECT_FALSE(alertShowing());
    EXPECT_FALSE(delegate->orvellaBundlePath().has_value());
    ASSERT_TRUE(documentShown());
    delegate->documentWC()->window()->close();
  });
  // The relaunch would have run by now.
  testsupport::pump(std::chrono::milliseconds(2000));
  EXPECT_FALSE(relaunched());
}

TEST_F(HandOff, AReaderThatCannotBeQuitIsReportedAndTheExporterEnds) {
  // The tests run as a user that may kill every process here, so a reader
  // that refuses to die (another user's, or one stuck in the kernel) is
  // stood in for by a listing whose process id no signal can reach.
  delegate->setRunningApplicationsSource([] {
    return std::vector<RunningApplication>{
        RunningApplication(0, 0, CXAppDelegate::kReaderBundleIdentifier,
                           QStringLiteral("/usr/share/applications/com.Corvanex.Orvella.desktop"))};
  });
  runUntilQuit([&] {
    delegate->applicationDidFinishLaunching();
    press(1);
    ASSERT_TRUE(alertShowing());
    EXPECT_EQ(CXAlert::sharedAlert().button(1)->text(), QStringLiteral("OK"));
    EXPECT_EQ(delegate->documentWC(), nullptr);
    press(1);
  });
  EXPECT_FALSE(delegate->orvellaBundlePath().has_value())
      << "the reader still runs, so it must not be started a second time";
}

TEST(SharedAlert, ShowsTheProgramsFontsColoursAndScheme) {
  for (const std::uint64_t appearance : {Appearance::kDark, Appearance::kLight}) {
    testsupport::useScheme(appearance);
    CXAppDelegate::configureSharedAlert();
    CXAlert &alert = CXAlert::sharedAlert();
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
        QStringLiteral("Title"), QStringLiteral("Inform"),
        {QStringLiteral("Continue"), QStringLiteral("Cancel")}, [](int) {});
    QWidget *w = alert.window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(WindowAppearance::scheme(w), Appearance::schemeFor(appearance));

    // Title, message, then the two buttons: size, weight, letter spacing.
    const std::pair<QWidget *, std::tuple<int, QFont::Weight>> texts[] = {
        {w->findChild<QLabel *>("alertTitle"), {13, QFont::Medium}},
        {w->findChild<QLabel *>("alertInform"), {12, QFont::Light}},
        {alert.button(1), {13, QFont::Light}},
        {alert.button(2), {13, QFont::Light}}};
    for (const auto &[widget, look] : texts) {
      const QFont font = widget->font();
      EXPECT_EQ(std::tuple(font.pixelSize(), font.weight()), look)
          << widget->objectName().toStdString();
      EXPECT_DOUBLE_EQ(font.letterSpacing(), 0.5) << widget->objectName().toStdString();
    }
    auto faceOf = [](QAbstractButton *b) {
      const QImage image = b->grab().toImage();
      return image.pixelColor(6, image.height() / 2);
    };
    EXPECT_EQ(faceOf(alert.button(1)), QColor(255, 129, 0));
    alert.button(1)->setDown(true);
    EXPECT_EQ(faceOf(alert.button(1)), QColor(245, 119, 0)) << "pressed";
    EXPECT_NE(faceOf(alert.button(2)), QColor(255, 129, 0)) << "the plain look";
    alert.button(2)->click();
    ASSERT_TRUE(testsupport::waitUntil([&alert] { return !alert.isShowing(); }));
  }
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
}

namespace {

class UrlCatcher : public QObject {
  Q_OBJECT
 public slots:
  void open(const QUrl &url) { opened << url; }

 public:
  QList<QUrl> opened;
};

}  // namespace

TEST(MainMenu, AboutShowsOneWindowAndSupportOpensTheSupportPage) {
  CXAppDelegate delegate;
  delegate.showDocument();
  CXExportDocumentWC *document = delegate.documentWC();
  delegate.showDocument();
  EXPECT_EQ(delegate.documentWC(), document) << "one export window for the whole run";
  QMenu *menu = document->menu();
  ASSERT_NE(menu, nullptr);
  QList<QAction *> aboutItems, supportItems;
  for (QAction *action : menu->actions()) {
    if (action->text() == QStringLiteral("About Orvella Exporter…")) aboutItems << action;
    if (action->text() == QStringLiteral("Orvella Support")) supportItems << action;
  }
  ASSERT_EQ(aboutItems.size(), 1);
  ASSERT_EQ(supportItems.size(), 1);
  EXPECT_TRUE(menu->actions().contains(
      document->window()->findChild<QAction *>(QStringLiteral("quitAction"))));
  const QList<QAction *> actions = {aboutItems.first(), supportItems.first()};

  EXPECT_EQ(delegate.aboutWC(), nullptr);
  actions[0]->trigger();
  CXAboutWC *about = delegate.aboutWC();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->window()->isVisible());
  // It belongs to the export window, opens centred on it, and as a dialog it
  // gets no taskbar entry of its own.
  QWidget *exportWindow = document->window();
  ASSERT_NE(about->window()->windowHandle(), nullptr);
  EXPECT_EQ(about->window()->windowHandle()->transientParent(), exportWindow->windowHandle());
  EXPECT_EQ(about->window()->windowType(), Qt::Dialog);
  EXPECT_LE(
      (about->window()->geometry().center() - exportWindow->geometry().center()).manhattanLength(),
      2);
  about->window()->close();
  actions[0]->trigger();
  EXPECT_EQ(delegate.aboutWC(), about);
  EXPECT_TRUE(about->window()->isVisible());

  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
  actions[1]->trigger();
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(catcher.opened.size(), 1);
  EXPECT_EQ(catcher.opened[0].path(), QStringLiteral("/Support/Orvella/"));
  EXPECT_EQ(catcher.opened[0].scheme(), QStringLiteral("https"));
  EXPECT_EQ(catcher.opened[0], CXAppDelegate::supportPageURL());
  EXPECT_FALSE(CXAlert::sharedAlert().isShowing());
}

TEST(CompletionActions, ShowInFilesAsksTheFileManagerElseOpensTheFolderAndOpenOpensTheFile) {
  TempDir dir;
  const std::filesystem::path file = dir / "My Feeds.opml";
  testsupport::writeFile(file, "<opml/>");
  CompletionActions actions;
  actions.setFile(testsupport::qpath(file));
  UrlCatcher desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
  struct Unset {
    ~Unset() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  } unset;
  // A screen reader names both, and both take the keyboard.
  for (CXButton *button : {actions.showInFilesButton(), actions.openButton()}) {
    EXPECT_FALSE(button->text().isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
              button->text());
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
  }

  // A file manager on the session bus is asked to show the file itself.
  const std::filesystem::path record = dir / "shown";
  {
    auto manager = startStandIn({}, {testsupport::qpath(record)},
                                QStringLiteral(ORVELLA_FILE_MANAGER_STAND_IN));
    actions.showInFilesButton()->click();
    EXPECT_EQ(
        testsupport::readFile(record),
        QUrl::fromLocalFile(testsupport::qpath(file)).toString(QUrl::FullyEncoded).toStdString() +
            "\n");
    EXPECT_TRUE(desktop.opened.isEmpty());
  }
  // Without one, the folder opens with the desktop's opener.
  actions.showInFilesButton()->click();
  ASSERT_EQ(desktop.opened.size(), 1);
  EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(testsupport::qpath(dir.path())));
  actions.openButton()->click();
  ASSERT_EQ(desktop.opened.size(), 2);
  EXPECT_EQ(desktop.opened[1], QUrl::fromLocalFile(testsupport::qpath(file)));
  EXPECT_FALSE(CXAlert::sharedAlert().isShowing());
}

TEST(DesktopIdentity, WindowsCarryTheDesktopIdTheProgramsNameAndItsIcon) {
  DesktopIdentity::apply();
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("com.Corvanex.OrvellaExporter"));
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Orvella Exporter"));
  // No icon theme here holds it, so the built-in copy draws: an opaque disc.
  const QImage icon = QGuiApplication::windowIcon().pixmap(64, 64).toImage();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.pixelColor(32, 4).alpha(), 255);
  EXPECT_EQ(icon.pixelColor(1, 1).alpha(), 0);
}

TEST(MainMenu, ASupportPageThatCannotBeOpenedIsReportedWithItsAddress) {
  CXAppDelegate delegate;
  // Nothing takes the address: the offscreen platform has no browser.
  delegate.homePage(nullptr);
  ASSERT_TRUE(CXAlert::sharedAlert().isShowing());
  QStringList texts;
  for (QLabel *label : CXAlert::sharedAlert().window()->findChildren<QLabel *>())
    texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral(
      "The support page could not be opened. Visit it in your web browser instead.")));
  EXPECT_TRUE(texts.contains(CXAppDelegate::supportPageURL().toString()));
  CXAlert::sharedAlert().button(1)->click();
  EXPECT_FALSE(CXAlert::sharedAlert().isShowing());
}

#include "AppDelegateTests.moc"

TEST_F(HandOff, CommandLineExportsLeaveARunningReaderAlone) {
  auto reader = startReader("a");
  const std::filesystem::path output = dir / "feeds.opml";
  for (const QStringList &args :
       {QStringList{QStringLiteral("--export"), QString::fromStdString(output.string())},
        QStringList{QStringLiteral("--list")}}) {
    QProcess exporter;
    exporter.start(
        qEnvironmentVariable("ORVELLA_BINARY"),
        QStringList{QStringLiteral("--database"), QStringLiteral(ORVELLA_SAMPLE_DATABASE)} + args);
    ASSERT_TRUE(exporter.waitForFinished(30000)) << args.join(' ').toStdString();
    EXPECT_EQ(exporter.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
  }
  EXPECT_GT(std::filesystem::file_size(output), 0u);
  EXPECT_FALSE(isGone(reader->pid));
  // Nor is anything started after the exporter ended.
  testsupport::pump(std::chrono::milliseconds(1500));
  EXPECT_FALSE(relaunched());
}
