// The export window driven as a user drives it, offscreen, on real reader
// databases and real files: loading, the buttons and menu, the export through
// a save panel, a failed write, what the window says when the database cannot
// be read whole, the scheme switch, and quitting.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cmath>

#include "Contrast.h"
#include "ReaderDatabase.h"
#include "ScopedEnv.h"
#include "ScreenReaderLog.h"
#include "TestSavePanel.h"
#include "TestSupport.h"
#include "WriterProcess.h"
#include "about/CXAboutWC.h"
#include "export/CXExportListVC.h"
#include "export/CXProgressIndicator.h"
#include "export/ExportPass.h"
#include "platform/Defaults.h"
#include "services/AppearanceNames.h"
#include "services/CXServiceFunctions.h"
#include "store/CXExportStorage.h"
#include "store/FeedDatabase.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXButton.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/CXVibrance.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"
#include "window/CXDocumentWindow.h"
#include "window/CXExportDocumentWC.h"
#include "window/CXMenuButton.h"
#include "window/FileDialogSavePanel.h"

namespace fs = std::filesystem;
using testsupport::contrast;
using testsupport::qpath;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::useScheme;
using testsupport::waitUntil;
using testsupport::writeFile;
using State = CXExportListVC::LoadState;

namespace {

std::vector<int> rows(const QList<int> &list) { return {list.cbegin(), list.cend()}; }

class ExportWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    CXAlert::setAnswerForTesting(std::nullopt);
    useScheme(Appearance::kDark);
  }
  void TearDown() override {
    while (CXAlert::sharedAlert().isShowing()) {
      CXAlert::sharedAlert().window()->close();
      testsupport::pump(std::chrono::milliseconds(5));
    }
    wc.reset();
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  }

  // Shows the window on a database with these feeds and waits for the list.
  void open(const std::vector<readerdb::Feed> &feeds, const std::string &name = "Feeds") {
    readerdb::write(dir / name, feeds);
    openAt(dir / name);
    ASSERT_TRUE(waitUntil([this] { return list()->loadState() == State::Loaded; }));
  }
  void openAt(const fs::path &database) {
    storage.setDatabasePathOverride(database);
    wc->showWindow();
  }
  void answerPanel(std::optional<QString> answer, std::function<void()> whileOpen = {},
                   int fileType = 0, bool tickOption = false) {
    wc->setSavePanelFactory([this, answer, whileOpen, fileType, tickOption] {
      return std::make_unique<TestSavePanel>(answer, &asked, whileOpen, fileType, tickOption);
    });
  }

  // A part of the window, or an item of its menu, by its object name.
  template <class T = QWidget>
  T *part(const char *name) {
    return wc->window()->findChild<T *>(QLatin1String(name));
  }
  QAction *item(const char *name) { return part<QAction>(name); }
  CXExportListVC *list() { return wc->exportListVC(); }
  CXTableViewWithEmptyHolder *table() { return list()->exportTableView(); }
  bool listShown() {
    return list()->view()->isVisible() && !part("exportCompleteView")->isVisible();
  }
  bool completionShown() {
    return part("exportCompleteView")->isVisible() &&
           part("exportCompleteView")->parentWidget() == part("exportListHolderView") &&
           !list()->view()->isVisible();
  }
  static QString alertText() {
    QStringList texts;
    if (QWidget *w = CXAlert::sharedAlert().window())
      for (QLabel *label : w->findChildren<QLabel *>()) texts << label->text();
    return texts.join('\n');
  }

  TempDir dir;
  CXExportStorage storage;
  std::unique_ptr<CXExportDocumentWC> wc = std::make_unique<CXExportDocumentWC>(&storage);
  TestSavePanel::Asked asked;
};

TEST_F(ExportWindow, LoadsSchemeTitleStripAndListInOrder) {
  CXServiceFunctions::sharedService().setLastChoosenAppearance(Appearance::kNone);
  open(readerdb::numbered(4));
  QWidget *window = wc->window();
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(CXServiceFunctions::sharedService().lastChoosenAppearance(), Appearance::kDark);
  EXPECT_EQ(WindowAppearance::name(window), NSAppearanceNameVibrantDark);
  EXPECT_EQ(WindowAppearance::name(part("vibrancyView")), NSAppearanceNameVibrantDark);

  using TitleBarButtons::Kind;
  const struct {
    CXWindowButton *button;
    Kind kind;
    qreal x;
  } expected[] = {{part<CXWindowButton>("closeWindowButton"), Kind::Close, 8},
                  {part<CXWindowButton>("minimizeWindowButton"), Kind::Minimize, 28},
                  {part<CXWindowButton>("zoomWindowButton"), Kind::Zoom, 48}};
  for (const auto &e : expected) {
    ASSERT_NE(e.button, nullptr);
    EXPECT_EQ(e.button->parentWidget(), part("generalControlsView"));
    EXPECT_EQ(e.button->frame(), QRectF(e.x, 2, 12, 12));
    EXPECT_EQ(e.button->groupIdentifier(), "groupDoc");
    EXPECT_EQ(e.button->target(), window);
    EXPECT_EQ(e.button->action(), TitleBarButtons::actionFor(e.kind));
    EXPECT_EQ(e.button->activeImage().name(),
              TitleBarButtons::imageNames(e.kind, ColorScheme::Dark).at(0));
    EXPECT_EQ(e.button->reloadCount(), 0) << "creation does not reload";
    // y 2 from the bottom of the 16-point host: two points from its top.
    EXPECT_EQ(e.button->geometry(), QRect(int(e.x), 2, 12, 12));
  }
  EXPECT_EQ(part("generalControlsView")->findChildren<CXWindowButton *>().size(), 3);

  EXPECT_EQ(list()->view()->parentWidget(), part("exportListHolderView"));
  EXPECT_TRUE(list()->view()->isVisible());
  EXPECT_FALSE(part("exportCompleteView")->isVisible());
  ASSERT_TRUE(waitUntil([this] { return part("exportCompleteContent")->maximumWidth() > 1; }));
  EXPECT_EQ(part("exportCompleteContent")->maximumWidth(), list()->view()->width() + 1);
  EXPECT_EQ(table()->numberOfRows(), 4);
  EXPECT_EQ(rows(list()->selectedFeeds()), readerdb::allFeeds(4));
}

TEST_F(ExportWindow, SelectAllAndDeselectAllSetTheExportButtonAtOnce) {
  open(readerdb::numbered(3));
  CXButton *exportButton = list()->exportButton();
  QTest::mouseClick(list()->deselectAllButton(), Qt::LeftButton);
  EXPECT_TRUE(list()->selectedFeeds().isEmpty());
  EXPECT_FALSE(exportButton->isEnabled());
  QTest::mouseClick(list()->selectAllButton(), Qt::LeftButton);
  EXPECT_EQ(rows(list()->selectedFeeds()), readerdb::allFeeds(3));
  EXPECT_TRUE(exportButton->isEnabled());

  // Already all ticked, or none: the table reports no change, and the button
  // stays as the ticks have it.
  wc->selectAllFeedsInTable();
  EXPECT_TRUE(exportButton->isEnabled());
  wc->deselectAllFeedsInTable();
  wc->deselectAllFeedsInTable();
  EXPECT_FALSE(exportButton->isEnabled());
}

TEST_F(ExportWindow, MenuItemsFollowTheFeedsAndTheTicks) {
  auto enabled = [this] {
    emit wc->menu()->aboutToShow();
    return std::vector<bool>{item("selectAllAction")->isEnabled(),
                             item("deselectAllAction")->isEnabled(),
                             item("exportAction")->isEnabled()};
  };
  open({});
  EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false})) << "no feeds";
  for (QAction *a : {item("selectAllAction"), item("deselectAllAction"), item("exportAction")})
    EXPECT_FALSE(wc->validateMenuItem(a));

  wc = std::make_unique<CXExportDocumentWC>(&storage);
  open(readerdb::numbered(2), "Two");
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true})) << "feeds, all ticked";
  item("deselectAllAction")->trigger();
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false})) << "feeds, none ticked";
  table()->toggleRow(1);
  EXPECT_TRUE(item("exportAction")->isEnabled()) << "kept in step without opening the menu";

  // Items that are not the window's own are never enabled by it, and its
  // Close and Quit are always available.
  QAction foreign("About");
  EXPECT_FALSE(wc->validateMenuItem(&foreign));
  EXPECT_TRUE(item("closeAction")->isEnabled());
  EXPECT_TRUE(item("quitAction")->isEnabled());
  wc->addMenuAction(&foreign);
  EXPECT_TRUE(wc->menu()->actions().contains(&foreign));
  enabled();
  EXPECT_TRUE(foreign.isEnabled()) << "validation leaves other items alone";
}

TEST_F(ExportWindow, ShortcutsWorkAnywhereInTheWindow) {
  open(readerdb::numbered(3));
  ASSERT_TRUE(QTest::qWaitForWindowActive(wc->window()));
  QTest::keyClick(wc->window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(list()->selectedFeeds().isEmpty());
  EXPECT_FALSE(list()->exportButton()->isEnabled());
  QTest::keyClick(wc->window(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(list()->selectedFeeds().size(), 3);

  const fs::path target = dir / "shortcut.opml";
  answerPanel(qpath(target));
  QTest::keyClick(wc->window(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(asked.runs, 1);
  EXPECT_TRUE(fs::exists(target));
}

TEST_F(ExportWindow, AFilterShowsMatchingFeedsAndTheTwoButtonsActOnThemAlone) {
  open({{"Café Racer", "https://racer.example", "https://racer.example/rss"},
        {"Die Straße", "https://strasse.example", "https://strasse.example/feed"},
        {"Nature", "https://nature.example", "https://nature.example/cafe.xml"},
        {"Science", "https://science.example", "https://science.example/rss"},
        {std::nullopt, "https://untitled.example", "https://untitled.example/rss"}});
  QWidget *window = wc->window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QLineEdit *filter = list()->filterField();
  ASSERT_NE(filter, nullptr);
  EXPECT_EQ(filter->placeholderText(), "Filter feeds");
  EXPECT_EQ(filter->accessibleName(), "Filter feeds");
  QAccessibleInterface *feeds = QAccessible::queryAccessibleInterface(table());
  const auto shownTitles = [&] {
    QStringList titles;
    for (int row = 0; row < table()->numberOfRows(); ++row) titles << list()->titleOfFeedRow(row);
    return titles;
  };

  // Ctrl+F from the list reaches the field; case and accents do not count,
  // and addresses are searched as well as titles.
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), filter);
  const struct {
    const char *typed;
    QStringList shown;
  } cases[] = {
      {"CAFE", {"Café Racer", "Nature"}}, {"strasse", {"Die Straße"}}, {"untitled", {""}},
      {"  science ", {"Science"}},        {"nothing like it", {}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.typed);
    filter->clear();
    QTest::keyClicks(filter, c.typed);
    EXPECT_EQ(shownTitles(), c.shown);
    EXPECT_EQ(part<QLabel>("selectionCountLabel")->text(),
              QStringLiteral("5 of 5 selected, %1 shown").arg(c.shown.size()));
    EXPECT_EQ(feeds->childCount(), c.shown.size()) << "a screen reader hears hidden feeds";
  }

  // The buttons and menu items say that they act on the shown feeds, and do.
  filter->clear();
  QTest::keyClicks(filter, "cafe");
  EXPECT_EQ(list()->deselectAllButton()->text(), "Deselect Shown");
  EXPECT_EQ(list()->selectAllButton()->text(), "Select Shown");
  wc->validateMenuItems();
  EXPECT_EQ(item("deselectAllAction")->text(), "Deselect Shown");
  list()->deselectAllButton()->click();
  EXPECT_EQ(list()->selectedFeeds(), (QList<int>{1, 3, 4}));
  EXPECT_TRUE(list()->exportButton()->isEnabled()) << "hidden feeds are still ticked";
  // The keyboard only lands on shown feeds.
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_Home);
  EXPECT_EQ(table()->currentIndex().row(), 0);
  QTest::keyClick(table(), Qt::Key_Down);
  EXPECT_EQ(table()->currentIndex().row(), 1);
  QTest::keyClick(table(), Qt::Key_Space);
  EXPECT_EQ(list()->selectedFeeds(), (QList<int>{1, 2, 3, 4}));
  QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(list()->selectedFeeds(), (QList<int>{0, 1, 2, 3, 4}));
  QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(list()->selectedFeeds(), (QList<int>{1, 3, 4}));

  // What is hidden and ticked is exported.
  const QString document = list()->strExportFeeds();
  EXPECT_TRUE(document.contains("https://strasse.example/feed"));
  EXPECT_FALSE(document.contains("https://racer.example/rss"));

  // Escape empties the field, and everything is back as it was named.
  filter->setFocus();
  QTest::keyClick(filter, Qt::Key_Escape);
  EXPECT_TRUE(filter->text().isEmpty());
  EXPECT_EQ(shownTitles().size(), 5);
  EXPECT_EQ(part<QLabel>("selectionCountLabel")->text(), "3 of 5 selected");
  EXPECT_EQ(list()->selectAllButton()->text(), "Select All");
  EXPECT_TRUE(window->isVisible()) << "Escape in the field closed something";

  // Ctrl+E exports from the field, as from anywhere in the window, where a
  // line edit would take it for "end of line".
  QTest::keyClicks(filter, "cafe");
  answerPanel(qpath(dir / "filtered.opml"));
  QTest::keyClick(filter, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(asked.runs, 1);
  EXPECT_TRUE(fs::exists(dir / "filtered.opml"));
}

TEST_F(ExportWindow, ALineTellsOfAddressesWithSecretsAndUntickThemUnticksThoseAlone) {
  open({{"Plain", "https://plain.example", "https://plain.example/rss"},
        {"Private", "https://private.example", "https://ann:pw@private.example/rss"},
        {"Keyed", "https://keyed.example/?api_key=1", "https://keyed.example/rss"}});
  ASSERT_TRUE(part("secretAddressBar")->isVisible());
  EXPECT_EQ(part<QLabel>("secretAddressLabel")->text(),
            "Addresses with a password or key: 2. A file you share gives them away.");
  list()->untickSecretsButton()->click();
  EXPECT_EQ(list()->selectedFeeds(), QList<int>{0});
  // The addresses themselves are left as they are.
  list()->selectAllButton()->click();
  EXPECT_TRUE(list()->strExportFeeds().contains("https://ann:pw@private.example/rss"));

  wc = std::make_unique<CXExportDocumentWC>(&storage);
  open({{"Plain", "https://plain.example", "https://plain.example/rss"}}, "Other");
  EXPECT_FALSE(part("secretAddressBar")->isVisible());
}

TEST_F(ExportWindow, ExportWritesTheTickedFeedsAndShowsTheCompletionView) {
  const auto feeds = readerdb::numbered(5);
  open(feeds);
  table()->toggleRow(1);  // feed 1 unticked
  const fs::path target = dir / "My Feeds.opml";
  writeFile(target, std::string(100000, 'x'));  // an older, longer file is replaced whole

  bool spinningWhileOpen = false;
  answerPanel(qpath(target), [&] {
    spinningWhileOpen =
        list()->exportProgress()->isVisible() && list()->exportProgress()->isAnimating();
    table()->toggleRow(0);  // too late: the text was fixed before the panel
  });
  QSignalSpy finished(wc.get(), &CXExportDocumentWC::exportFinished);
  QTest::mouseClick(list()->exportButton(), Qt::LeftButton);

  EXPECT_EQ(asked.proposedName, "My Feeds");
  EXPECT_EQ(asked.allowedExtensions, QStringList{"opml"});
  EXPECT_TRUE(asked.canCreateDirectories);
  EXPECT_TRUE(spinningWhileOpen);
  const QByteArray expected =
      std::move(exportOfFeeds(readerdb::rows(feeds), {0, 2, 3, 4})).finish();
  const std::string written = readFile(target);
  EXPECT_EQ(QByteArray::fromStdString(written), expected);
  EXPECT_FALSE(written.starts_with("\xEF\xBB\xBF"));
  EXPECT_FALSE(list()->exportProgress()->isVisible());
  EXPECT_FALSE(list()->exportProgress()->isAnimating());
  EXPECT_TRUE(completionShown());
  EXPECT_EQ(part<QLabel>("exportStatusLabel")->text(), "Export complete");
  EXPECT_TRUE(part<QLabel>("exportStatusDetailLabel")
                  ->text()
                  .startsWith("4 feeds written to My Feeds.opml and checked.\n"))
      << part<QLabel>("exportStatusDetailLabel")->text().toStdString();
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(finished.at(0).at(0).value<std::optional<QString>>(), qpath(target));
  EXPECT_FALSE(CXAlert::sharedAlert().isShowing());

  // From the completion view the menu item exports the current ticks again.
  emit wc->menu()->aboutToShow();
  ASSERT_TRUE(item("exportAction")->isEnabled());
  const fs::path second = dir / "again.opml";
  answerPanel(qpath(second));
  item("exportAction")->trigger();
  EXPECT_EQ(asked.runs, 2);
  EXPECT_EQ(QByteArray::fromStdString(readFile(second)),
            std::move(exportOfFeeds(readerdb::rows(feeds), {2, 3, 4})).finish());
  EXPECT_TRUE(completionShown());

  // The second kind of file the panel offers is OPML 2.0: the same outlines
  // under that version's head.
  EXPECT_EQ(asked.fileTypes, (QStringList{"OPML files", "OPML 2.0 files"}));
  const fs::path third = dir / "two.opml";
  answerPanel(qpath(third), {}, 1);
  item("exportAction")->trigger();
  const QByteArray version2 = QByteArray::fromStdString(readFile(third));
  const QByteArray version1 = std::move(exportOfFeeds(readerdb::rows(feeds), {2, 3, 4})).finish();
  EXPECT_TRUE(
      version2.contains("<opml version=\"2.0\">\n<head>\n<title>Orvella Subscriptions"
                        "</title>\n<dateCreated>"))
      << version2.toStdString();
  EXPECT_EQ(version2.mid(version2.indexOf("<body>")), version1.mid(version1.indexOf("<body>")));
  EXPECT_TRUE(part<QLabel>("exportStatusDetailLabel")->text().startsWith("3 feeds written to"));
}

// Titles that some readers choke on: the save panel offers to make them
// safe, off by default, and only when the ticked feeds have any.
TEST_F(ExportWindow, TheSavePanelOffersSafeTitlesOnlyWhenTheyWouldChange) {
  open({{"The Verge", "https://a/", "https://a/f"},
        {"the verge", "https://b/", "https://b/f"},
        {"Line one\nLine two", "https://c/", "https://c/f"},
        {"Plain", "https://d/", "https://d/f"}});
  const struct {
    bool tick;
    const char *repeat, *broken;
  } cases[] = {{false, "text=\"the verge\"", "text=\"Line one&#10;Line two\""},
               {true, "text=\"the verge (2)\"", "text=\"Line one Line two\""}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.tick ? "ticked" : "left off");
    const fs::path target = dir / (c.tick ? "safe.opml" : "plain.opml");
    answerPanel(qpath(target), {}, 0, c.tick);
    emit wc->menu()->aboutToShow();
    item("exportAction")->trigger();
    EXPECT_EQ(asked.optionTitle, "Make titles safe for any reader");
    const std::string document = readFile(target);
    EXPECT_NE(document.find(c.repeat), std::string::npos) << document;
    EXPECT_NE(document.find(c.broken), std::string::npos) << document;
    EXPECT_TRUE(completionShown());
  }
  // With only the plain feed ticked there is nothing to make safe.
  list()->deselectAllButton()->click();
  table()->toggleRow(3);
  answerPanel(qpath(dir / "one.opml"), {}, 0, true);
  emit wc->menu()->aboutToShow();
  item("exportAction")->trigger();
  EXPECT_TRUE(asked.optionTitle.isEmpty());
  EXPECT_NE(readFile(dir / "one.opml").find("text=\"Plain\""), std::string::npos);
}

// The window's compare with another reader's export ticks exactly the feeds
// it lacks, says how many, and leaves everything as it was for a file that
// cannot be compared.
// Feeds that other readers' importers stumble on are told above the list
// before anything is exported; Untick Them leaves them out.
TEST_F(ExportWindow, ALineTellsOfFeedsImportersStumbleOnAndUntickThemUnticksThose) {
  open({{"Plain", "https://plain.example", "https://plain.example/rss"},
        {"Tom & Jerry", "", "https://a.example/rss"},
        {"Tom: Jerry", "", "https://b.example/rss"},
        {"Two\nlines", "", "https://c.example/rss"},
        {"Again", "", "https://plain.example/rss"},
        {"No address", "https://d.example", std::nullopt}});
  ASSERT_TRUE(part("importerTroubleBar")->isVisible());
  EXPECT_EQ(part<QLabel>("importerTroubleLabel")->text(),
            "Feeds that some readers cannot import: 4 (missing or repeated addresses, line "
            "breaks in titles, or repeated titles).");
  list()->untickTroublesButton()->click();
  EXPECT_EQ(list()->selectedFeeds(), (QList<int>{0, 1}));

  wc = std::make_unique<CXExportDocumentWC>(&storage);
  open({{"Plain", "https://plain.example", "https://plain.example/rss"}}, "Other");
  EXPECT_FALSE(part("importerTroubleBar")->isVisible());
}

TEST_F(ExportWindow, ComparingWithAnotherReadersExportTicksWhatItLacks) {
  open(readerdb::numbered(5));
  emit wc->menu()->aboutToShow();
  QAction *compare = item("compareAction");
  ASSERT_TRUE(compare);
  EXPECT_TRUE(compare->isEnabled());
  EXPECT_EQ(compare->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  // The other reader has feeds 0, 2 and 4, in a folder, by other spellings.
  writeFile(dir / "Other.opml",
            "<?xml version=\"1.0\"?>\n<opml version=\"2.0\"><head/><body><outline text=\"All\">"
            "<outline text=\"a\" xmlUrl=\"http://SITE0.example/feed.xml\"/>"
            "<outline text=\"c\" xmlUrl=\"feed://site2.example/feed.xml\"/></outline>"
            "<outline text=\"e\" xmlUrl=\"https://site4.example:443/feed.xml\"/>"
            "<outline text=\"x\" xmlUrl=\"https://elsewhere.example/feed\"/></body></opml>");
  std::optional<QString> answer = qpath(dir / "Other.opml");
  wc->setOpenPanel([&answer](QWidget *) { return answer; });
  compare->trigger();
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{1, 3}));
  ASSERT_TRUE(list()->comparisonLabel()->isVisible());
  EXPECT_EQ(list()->comparisonLabel()->text(),
            "2 of 5 feeds are missing from Other.opml; they are ticked, to be exported and "
            "imported again.");
  EXPECT_FALSE(CXAlert::sharedAlert().isShowing());

  // A file that is no OPML: said, and the ticks stay.
  writeFile(dir / "feed.xml", "<rss version=\"2.0\"><channel/></rss>");
  answer = qpath(dir / "feed.xml");
  compare->trigger();
  ASSERT_TRUE(waitUntil([] { return CXAlert::sharedAlert().isShowing(); }));
  EXPECT_TRUE(alertText().contains("\"feed.xml\" is no OPML document"))
      << alertText().toStdString();
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{1, 3}));
  QTest::mouseClick(CXAlert::sharedAlert().button(1), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([] { return !CXAlert::sharedAlert().isShowing(); }));

  // A cancelled panel changes nothing either; the whole list there ticks none.
  answer.reset();
  compare->trigger();
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{1, 3}));
  writeFile(dir / "All.opml",
            std::move(exportOfFeeds(readerdb::rows(readerdb::numbered(5)), {0, 1, 2, 3, 4}))
                .finish()
                .toStdString());
  answer = qpath(dir / "All.opml");
  compare->trigger();
  EXPECT_TRUE(list()->selectedFeeds().isEmpty());
  EXPECT_EQ(list()->comparisonLabel()->text(), "None of the 5 feeds is missing from All.opml.");
}

TEST_F(ExportWindow, ACancelledPanelChangesNothing) {
  open(readerdb::numbered(3));
  table()->toggleRow(0);
  answerPanel(std::nullopt);
  QSignalSpy finished(wc.get(), &CXExportDocumentWC::exportFinished);
  QTest::mouseClick(list()->exportButton(), Qt::LeftButton);
  EXPECT_EQ(asked.runs, 1);
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{1, 2}));
  EXPECT_TRUE(listShown());
  EXPECT_FALSE(list()->exportProgress()->isVisible());
  EXPECT_FALSE(list()->exportProgress()->isAnimating());
  EXPECT_FALSE(CXAlert::sharedAlert().isShowing());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
      << "only the database is in the folder";
  ASSERT_EQ(finished.count(), 1);
  EXPECT_FALSE(finished.at(0).at(0).value<std::optional<QString>>().has_value());
}

TEST_F(ExportWindow, AFailedWriteSaysWhyAndKeepsTheList) {
  open(readerdb::numbered(3));
  table()->toggleRow(2);
  writeFile(dir / "a-file", "not a folder");
  // Tests may run as root, who may write anywhere: use places that no one can
  // write to, a "folder" that is a file and a folder that does not exist.
  for (const fs::path &target :
       {dir / "a-file" / "My Feeds.opml", dir / "no-such-folder" / "My Feeds.opml"}) {
    SCOPED_TRACE(target.string());
    answerPanel(qpath(target));
    list()->exportButton()->click();
    ASSERT_TRUE(CXAlert::sharedAlert().isShowing());
    const QString text = alertText();
    EXPECT_TRUE(text.contains("could not be saved")) << text.toStdString();
    EXPECT_TRUE(text.contains(qpath(target))) << "says where";
    EXPECT_TRUE(text.contains("try again")) << "says what to do";
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(listShown());
    EXPECT_FALSE(list()->exportProgress()->isVisible());
    EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{0, 1}));
    EXPECT_TRUE(list()->exportButton()->isEnabled());
    QTest::mouseClick(CXAlert::sharedAlert().button(1), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([] { return !CXAlert::sharedAlert().isShowing(); }));
  }
  // The user picks another place and the export goes through.
  answerPanel(qpath(dir / "fine.opml"));
  list()->exportButton()->click();
  EXPECT_TRUE(completionShown());
}

TEST_F(ExportWindow, ADatabaseThatCannotBeOpenedLeavesNothingToDo) {
  openAt(dir / "Missing" / "Feeds");
  ASSERT_TRUE(waitUntil([this] { return list()->loadState() == State::Unavailable; }));
  EXPECT_EQ(table()->numberOfRows(), 0);
  EXPECT_FALSE(list()->selectAllButton()->isEnabled());
  EXPECT_FALSE(list()->deselectAllButton()->isEnabled());
  EXPECT_FALSE(list()->exportButton()->isEnabled());
  emit wc->menu()->aboutToShow();
  EXPECT_FALSE(item("selectAllAction")->isEnabled());
  EXPECT_FALSE(item("deselectAllAction")->isEnabled());
  EXPECT_FALSE(item("exportAction")->isEnabled());
  EXPECT_TRUE(table()->placeholderText().contains(qpath(dir / "Missing" / "Feeds")));
}

TEST_F(ExportWindow, SchemeSwitchRestylesAndReimagesOnTheSystemsChange) {
  open(readerdb::numbered(2));
  QWidget *window = wc->window();
  const QRectF closeFrame = part<CXWindowButton>("closeWindowButton")->frame();
  const std::uint64_t recorded = CXServiceFunctions::sharedService().lastChoosenAppearance();
  using TitleBarButtons::Kind;
  auto imagesAre = [this](bool dark) {
    const std::pair<CXWindowButton *, Kind> buttons[] = {
        {part<CXWindowButton>("closeWindowButton"), Kind::Close},
        {part<CXWindowButton>("minimizeWindowButton"), Kind::Minimize},
        {part<CXWindowButton>("zoomWindowButton"), Kind::Zoom}};
    for (const auto &[button, kind] : buttons) {
      const QStringList names =
          TitleBarButtons::imageNames(kind, dark ? ColorScheme::Dark : ColorScheme::Light);
      if (QStringList{button->activeImage().name(), button->activeNotKeyWindowImage().name(),
                      button->inactiveImage().name(), button->pressedImage().name(),
                      button->rolloverImage().name()} != names)
        return false;
    }
    return true;
  };
  ASSERT_TRUE(imagesAre(true));

  int round = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (std::uint64_t appearance : {Appearance::kLight, Appearance::kDark, Appearance::kDark}) {
      ++round;
      useScheme(appearance);
      emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
      const bool dark = appearance == Appearance::kDark;
      const ColorScheme scheme = dark ? ColorScheme::Dark : ColorScheme::Light;
      EXPECT_EQ(WindowAppearance::scheme(window), scheme);
      EXPECT_EQ(WindowAppearance::name(part("vibrancyView")),
                WindowAppearance::nameForAppearance(appearance));
      EXPECT_EQ(window->palette().color(QPalette::Window),
                WindowAppearance::palette(scheme).color(QPalette::Window));
      EXPECT_TRUE(imagesAre(dark));
      for (CXWindowButton *b :
           {part<CXWindowButton>("closeWindowButton"), part<CXWindowButton>("minimizeWindowButton"),
            part<CXWindowButton>("zoomWindowButton")})
        EXPECT_EQ(b->reloadCount(), round) << "reloaded once per switch, changed or not";
      // Text fields follow: the title stays solid, other labels blend.
      EXPECT_EQ(part<QLabel>("windowTitleLabel")->palette().color(QPalette::WindowText),
                CXVibrance::textColor(false, scheme));
    }
  }
  EXPECT_EQ(part<CXWindowButton>("closeWindowButton")->frame(), closeFrame);
  EXPECT_EQ(part("generalControlsView")->findChildren<CXWindowButton *>().size(), 3);
  EXPECT_EQ(CXServiceFunctions::sharedService().lastChoosenAppearance(), recorded)
      << "the switch leaves the recorded scheme to the watcher";
}

TEST_F(ExportWindow, TheBackgroundDragsTheWindowButControlsKeepTheirClicks) {
  open(readerdb::numbered(2));
  auto *window = qobject_cast<CXDocumentWindow *>(wc->window());
  QLabel *title = part<QLabel>("windowTitleLabel");
  QTest::mouseClick(title, Qt::LeftButton);
  EXPECT_EQ(window->backgroundDragRequests(), 0) << "a click alone does not move the window";
  const QPoint from = title->rect().center();
  QTest::mousePress(title, Qt::LeftButton, {}, from);
  QMouseEvent drag(QEvent::MouseMove, QPointF(from + QPoint(20, 0)),
                   QPointF(title->mapToGlobal(from + QPoint(20, 0))), Qt::NoButton, Qt::LeftButton,
                   {});
  QApplication::sendEvent(title, &drag);
  QTest::mouseRelease(title, Qt::LeftButton, {}, from + QPoint(20, 0));
  EXPECT_EQ(window->backgroundDragRequests(), 1);
  QTest::mouseClick(list()->selectAllButton(), Qt::LeftButton);
  QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->rectOfRow(0).center());
  EXPECT_EQ(window->backgroundDragRequests(), 1);
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{1})) << "the click ticked off row 0";
}

// ---- keyboard, screen readers and legibility ---------------------------------

// What a screen reader hears of the list besides its rows.
std::string listDescription(CXTableViewWithEmptyHolder *table) {
  return QAccessible::queryAccessibleInterface(table)->text(QAccessible::Description).toStdString();
}

// Every accessible object under root with this role, by name.
QStringList namesOf(QAccessibleInterface *root, QAccessible::Role role) {
  QStringList names;
  if (!root) return names;
  for (int i = 0; i < root->childCount(); ++i) {
    QAccessibleInterface *child = root->child(i);
    if (!child || child->state().invisible) continue;
    if (child->role() == role) names << child->text(QAccessible::Name);
    names << namesOf(child, role);
  }
  return names;
}

TEST_F(ExportWindow, KeyboardReachesTheMenuTheListAndTheButtons) {
  open(readerdb::numbered(3));
  QWidget *window = wc->window();
  window->activateWindow();
  ASSERT_TRUE(waitUntil([&] { return window->isActiveWindow(); }));

  // Tab runs down the window as it reads: title strip, filter, list, buttons,
  // and round to the title strip again; Shift+Tab runs back up.
  QWidget *menuButton = part<CXMenuButton>("menuButton");
  const QWidget *order[] = {list()->filterField(),     table(),
                            list()->selectAllButton(), list()->deselectAllButton(),
                            list()->exportButton(),    menuButton};
  menuButton->setFocus(Qt::TabFocusReason);
  const auto focused = [] { return QApplication::focusWidget()->objectName().toStdString(); };
  for (const QWidget *next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), next->objectName().toStdString()) << "Tab";
  }
  for (auto back = std::rbegin(order) + 1; back != std::rend(order); ++back) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), (*back)->objectName().toStdString()) << "Shift+Tab";
  }

  // F10 and the Menu key open the menu on its first item; arrows and Return
  // pick an item; Escape closes it.
  QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(list()->selectedFeeds().isEmpty());
  const struct {
    Qt::Key opener;
    QList<Qt::Key> keys;
    qsizetype ticked;
  } cases[] = {{Qt::Key_F10, {Qt::Key_Escape}, 0},
               {Qt::Key_Menu, {Qt::Key_Return}, 3},                // Select All
               {Qt::Key_F10, {Qt::Key_Down, Qt::Key_Return}, 0}};  // Deselect All
  for (const auto &c : cases) {
    bool opened = false;
    QAction *current = nullptr;
    QTimer::singleShot(50, [&] {
      opened = wc->menu()->isVisible();
      current = wc->menu()->activeAction();
      for (Qt::Key key : c.keys) QTest::keyClick(wc->menu(), key);
    });
    QTest::keyClick(table(), c.opener);
    EXPECT_TRUE(opened);
    EXPECT_EQ(current, item("selectAllAction"));
    ASSERT_TRUE(waitUntil([&] { return !wc->menu()->isVisible(); }));
    EXPECT_EQ(list()->selectedFeeds().size(), c.ticked);
  }
}

TEST_F(ExportWindow, ScreenReaderFindsTheFeedsAndEveryControlByName) {
  open({{"Daily News", "https://news.example", "https://news.example/feed"},
        {"Science", "https://sci.example", "https://sci.example/rss"},
        {"Sports", "https://sport.example", "https://sport.example/rss"},
        {std::nullopt, "https://untitled.example", "https://untitled.example/atom"}});
  table()->toggleRow(1);
  QAccessibleInterface *feeds = QAccessible::queryAccessibleInterface(table());
  ASSERT_EQ(feeds->childCount(), 4);
  const std::pair<QString, bool> expected[] = {{"Daily News", true},
                                               {"Science", false},
                                               {"Sports", true},
                                               {"https://untitled.example/atom", true}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(feeds->child(i)->text(QAccessible::Name), expected[i].first);
    EXPECT_EQ(bool(feeds->child(i)->state().checked), expected[i].second);
  }

  QAccessibleInterface *window = QAccessible::queryAccessibleInterface(wc->window());
  const QStringList buttons =
      namesOf(window, QAccessible::Button) + namesOf(window, QAccessible::ButtonMenu);
  for (const QString name :
       {"Close", "Minimize", "Zoom", "Menu", "Select All", "Deselect All", "Export…"})
    EXPECT_TRUE(buttons.contains(name))
        << name.toStdString() << " in " << buttons.join(", ").toStdString();
  EXPECT_TRUE(namesOf(window, QAccessible::StaticText).contains("3 of 4 selected"));

  answerPanel(qpath(dir / "out.opml"));
  wc->exportFeedsToOPML();
  ASSERT_TRUE(waitUntil([this] { return completionShown(); }));
  const QStringList texts = namesOf(window, QAccessible::StaticText);
  EXPECT_TRUE(texts.contains("Export complete"));
  EXPECT_TRUE(texts.filter("out.opml").size() == 1) << texts.join(" | ").toStdString();
}

TEST_F(ExportWindow, AScreenReaderIsToldEachStepOfAnExport) {
  testsupport::ScreenReaderLog log;
  auto focusedOn = [&](const QString &name) {
    for (const auto &e : log.of(QAccessible::Focus))
      if (e.name == name) return true;
    return false;
  };
  open(readerdb::numbered(3));
  QAccessibleInterface *window = QAccessible::queryAccessibleInterface(wc->window());
  EXPECT_EQ(window->role(), QAccessible::Window) << "a frame, not a filler";
  EXPECT_EQ(window->text(QAccessible::Name), "Orvella Exporter");
  wc->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(wc->window()));

  // At launch the list is heard with its current row and the count.
  ASSERT_TRUE(waitUntil([&] { return focusedOn("Feed 0"); }));
  EXPECT_EQ(listDescription(table()), "3 of 3 selected");

  // Unticking the current row is heard as that, and the new count with it.
  log.clear();
  QTest::keyClick(table(), Qt::Key_Space);
  const auto ticks = log.of(QAccessible::StateChanged);
  ASSERT_EQ(ticks.size(), 1);
  EXPECT_EQ(ticks.first().name, "Feed 0");
  EXPECT_FALSE(ticks.first().state.checked);
  const auto described = log.of(QAccessible::DescriptionChanged);
  ASSERT_EQ(described.size(), 1);
  EXPECT_EQ(described.first().object, table());
  EXPECT_EQ(described.first().description, "2 of 3 selected");
  // Moving on without ticking changes no count.
  log.clear();
  QTest::keyClick(table(), Qt::Key_Down);
  EXPECT_TRUE(log.of(QAccessible::DescriptionChanged).isEmpty());
  EXPECT_TRUE(log.of(QAccessible::StateChanged).isEmpty());
  EXPECT_TRUE(focusedOn("Feed 1"));

  // After the export the keyboard and the screen reader are on Done, which
  // carries the outcome; the menu button is never passed through.
  log.clear();
  answerPanel(qpath(dir / "out.opml"));
  QTest::keyClick(wc->window(), Qt::Key_E, Qt::ControlModifier);
  ASSERT_TRUE(completionShown());
  QWidget *done = part("doneButton");
  ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == done; }));
  testsupport::pump(std::chrono::milliseconds(400));  // the fade ends
  EXPECT_EQ(QApplication::focusWidget(), done);
  bool doneHeard = false;
  for (const auto &e : log.of(QAccessible::Focus)) {
    EXPECT_NE(e.object, part("menuButton"));
    if (e.object == done) {
      doneHeard = true;
      EXPECT_TRUE(e.description.startsWith("Export complete\n")) << e.description.toStdString();
      EXPECT_TRUE(e.description.contains("out.opml"));
    }
  }
  EXPECT_TRUE(doneHeard);

  // Behind the completion view the ticks stay as they are.
  emit wc->menu()->aboutToShow();
  EXPECT_FALSE(item("selectAllAction")->isEnabled());
  EXPECT_FALSE(item("deselectAllAction")->isEnabled());
  QTest::keyClick(wc->window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(wc->window(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{1, 2}));
}

TEST_F(ExportWindow, TitleBarGreysWhileAnAlertHasTheKeyboard) {
  open(readerdb::numbered(2));
  CXWindowButton *close = part<CXWindowButton>("closeWindowButton");
  auto shown = [&] {
    const QPoint centre = close->mapTo(close->window(), close->rect().center());
    return wc->window()->screen()->grabWindow(wc->window()->winId()).toImage().pixelColor(centre);
  };
  auto middle = [](const CXImage &image) {
    return image.pixmap(QSize(12, 12)).toImage().pixelColor(6, 6);
  };
  wc->window()->activateWindow();
  ASSERT_TRUE(waitUntil([&] { return wc->window()->isActiveWindow(); }));
  // The pointer away from the title strip, where it would light the buttons.
  QCursor::setPos(wc->window()->mapToGlobal(QPoint(200, 300)));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(part<QWidget>("generalControlsView"), &leave);
  testsupport::pump(std::chrono::milliseconds(30));
  EXPECT_EQ(shown(), middle(close->activeImage()));

  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler("Title", "Text", {"OK"},
                                                                     [](int) {});
  ASSERT_TRUE(waitUntil([] {
    return CXAlert::sharedAlert().window() && CXAlert::sharedAlert().window()->isActiveWindow();
  }));
  testsupport::pump(std::chrono::milliseconds(30));
  EXPECT_EQ(shown(), middle(close->activeNotKeyWindowImage()));

  // What a screen reader reads of the alert.
  QAccessibleInterface *alert =
      QAccessible::queryAccessibleInterface(CXAlert::sharedAlert().window());
  const QStringList texts = namesOf(alert, QAccessible::StaticText);
  EXPECT_TRUE(texts.contains("Title") && texts.contains("Text")) << texts.join(", ").toStdString();
  EXPECT_EQ(namesOf(alert, QAccessible::Button), QStringList{"OK"});
}

TEST_F(ExportWindow, ExportButtonLabelAndFocusRingStandOutInBothSchemes) {
  open(readerdb::numbered(2));
  CXButton *button = list()->exportButton();
  for (std::uint64_t scheme : {Appearance::kDark, Appearance::kLight}) {
    useScheme(scheme);
    emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
    for (bool pressed : {false, true}) {
      button->setDown(pressed);
      button->clearFocus();
      const QImage plain = button->grab().toImage();
      const int mid = plain.height() / 2;
      const QColor face = plain.pixelColor(6, mid);
      double label = 1;
      for (int x = plain.width() / 4; x < plain.width() * 3 / 4; ++x)
        for (int y = 4; y < plain.height() - 4; ++y)
          label = std::max(label, contrast(face, plain.pixelColor(x, y)));
      EXPECT_GE(label, 4.5) << "scheme " << scheme << (pressed ? " pressed" : "");

      button->setFocus(Qt::TabFocusReason);
      const QImage focused = button->grab().toImage();
      EXPECT_GE(contrast(face, focused.pixelColor(2, mid)), 3.0)
          << "focus ring, scheme " << scheme << (pressed ? " pressed" : "");
    }
    button->setDown(false);
  }
}

TEST_F(ExportWindow, MarksRingsTheMenuHighlightAndSmallTextsStandOutInBothSchemes) {
  open(readerdb::numbered(3));
  QWidget *window = wc->window();
  window->activateWindow();
  ASSERT_TRUE(waitUntil([&] { return window->isActiveWindow(); }));
  // The greatest contrast of any pixel in the area with the given colour.
  const auto strongest = [](const QImage &image, const QRect &area, const QColor &against) {
    double best = 1;
    for (int x = area.left(); x <= area.right(); ++x)
      for (int y = area.top(); y <= area.bottom(); ++y)
        best = std::max(best, contrast(against, image.pixelColor(x, y)));
    return best;
  };
  for (std::uint64_t scheme : {Appearance::kDark, Appearance::kLight}) {
    SCOPED_TRACE(scheme == Appearance::kDark ? "dark" : "light");
    useScheme(scheme);
    emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
    testsupport::pump(std::chrono::milliseconds(30));

    // The first row is ticked and current, with the keyboard in the list.
    table()->setFocus(Qt::TabFocusReason);
    table()->setCurrentIndex(table()->model()->index(0, 0));
    const QRect row = table()->visualRect(table()->model()->index(0, 0));
    const QImage list = table()->viewport()->grab().toImage();
    const QColor rowFace = list.pixelColor(row.center().x(), row.center().y());
    const QRect markArea(row.right() - 40, row.top() + 3, 40, row.height() - 6);
    EXPECT_GE(strongest(list, markArea, rowFace), 3.0) << "check mark";
    const QRect ringArea(row.left(), row.top() + 4, 4, row.height() - 8);
    EXPECT_GE(strongest(list, ringArea, rowFace), 3.0) << "focus ring of the current row";

    // The small texts above the list, on the window's own background.
    const QImage shot = window->grab().toImage();
    for (const char *name : {"headerTitleLabel", "headerDetailLabel", "selectionCountLabel"}) {
      QLabel *label = part<QLabel>(name);
      ASSERT_TRUE(label && label->isVisible() && !label->text().isEmpty()) << name;
      const QRect area(label->mapTo(window, QPoint()), label->size());
      const QColor ground = shot.pixelColor(area.left(), area.top());
      EXPECT_GE(strongest(shot, area, ground), 4.5) << name;
    }

    // The menu's highlighted item against the menu.
    QImage menuShot;
    QRect highlighted;
    QTimer::singleShot(50, [&] {
      highlighted = wc->menu()->actionGeometry(wc->menu()->activeAction());
      menuShot = wc->menu()->grab().toImage();
      wc->menu()->close();
    });
    QTest::keyClick(table(), Qt::Key_F10);
    ASSERT_FALSE(menuShot.isNull());
    const QColor menuFace = menuShot.pixelColor(menuShot.width() / 2, menuShot.height() - 3);
    const QColor highlight = menuShot.pixelColor(highlighted.left() + 3, highlighted.center().y());
    EXPECT_GE(contrast(menuFace, highlight), 3.0) << "menu highlight";
  }
}

TEST_F(ExportWindow, RightToLeftMirrorsMarksTitlesSubtitleAndTitleBar) {
  QGuiApplication::setLayoutDirection(Qt::RightToLeft);
  struct Restore {
    ~Restore() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
  } restore;
  wc = std::make_unique<CXExportDocumentWC>(&storage);
  open({{"Standard C++", "https://isocpp.org", "https://isocpp.org/rss"},
        {std::string(60, 'W'), "https://w.example", "https://w.example/rss"}});
  QWidget *window = wc->window();
  window->activateWindow();
  ASSERT_TRUE(waitUntil([&] { return window->isActiveWindow(); }));
  testsupport::pump(std::chrono::milliseconds(30));

  // The columns of an area where something stands out from its face.
  const auto inked = [](const QImage &image, const QRect &area, const QColor &face) {
    std::vector<int> columns;
    for (int x = area.left(); x <= area.right(); ++x)
      for (int y = area.top(); y <= area.bottom(); ++y)
        if (contrast(face, image.pixelColor(x, y)) > 2.0) {
          columns.push_back(x);
          break;
        }
    return columns;
  };
  // The feeds' part of the rows, above the separator lines.
  std::vector<QRect> feedRows;
  for (int r = 0; r < table()->model()->rowCount(); ++r)
    feedRows.push_back(table()->rectOfRow(r).adjusted(0, 0, 0, -1));
  ASSERT_EQ(feedRows.size(), 2u);
  const QImage rows = table()->viewport()->grab().toImage();
  for (const QRect &row : feedRows) {
    SCOPED_TRACE(row.top());
    const QColor face = rows.pixelColor(row.center().x(), row.top() + 2);
    const QRect inner = row.adjusted(0, 3, 0, -3);
    const std::vector<int> ink = inked(rows, inner, face);
    ASSERT_FALSE(ink.empty());
    // The mark at the left edge, the title from the right edge leftwards,
    // clear of the mark, even where it is cut short.
    const int markRight = row.left() + int(CXExportListVC::kCheckMarkShift) + 11;
    EXPECT_LE(ink.front(), row.left() + int(CXExportListVC::kCheckMarkShift) + 1);
    const auto title = std::find_if(ink.begin(), ink.end(), [&](int x) { return x > markRight; });
    ASSERT_NE(title, ink.end());
    EXPECT_GE(*title, markRight + 8) << "the title runs into the mark";
    EXPECT_GE(ink.back(), row.right() - 20) << "the title does not start at the right";
  }
  // "Standard C++" reads as it is written: the pluses at its right end.
  const QRect first = feedRows[0];
  const QImage ltr = [&] {
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    table()->setLayoutDirection(Qt::LeftToRight);
    QImage image = table()->viewport()->grab().toImage();
    table()->setLayoutDirection(Qt::RightToLeft);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return image;
  }();
  const QColor face = rows.pixelColor(first.center().x(), first.top() + 2);
  const std::vector<int> rtlInk = inked(rows, first.adjusted(30, 3, 0, -3), face);
  const std::vector<int> ltrInk = inked(ltr, first.adjusted(0, 3, -30, -3), face);
  ASSERT_FALSE(rtlInk.empty() || ltrInk.empty());
  EXPECT_EQ(rtlInk.back() - rtlInk.front(), ltrInk.back() - ltrInk.front())
      << "the title is laid out differently right to left";

  // The subtitle starts at the right; the close button is right of the menu.
  QLabel *subtitle = part<QLabel>("headerDetailLabel");
  const QImage strip = subtitle->grab().toImage();
  const std::vector<int> words = inked(strip, strip.rect(), strip.pixelColor(strip.width() - 1, 0));
  ASSERT_FALSE(words.empty());
  EXPECT_GT(words.front(), strip.width() - words.back()) << "the subtitle is not mirrored";
  EXPECT_GT(part("closeWindowButton")->mapTo(window, QPoint()).x(),
            part("menuButton")->mapTo(window, QPoint()).x());
  EXPECT_GT(part("closeWindowButton")->x(), part("zoomWindowButton")->x());

  CXAboutWC about;
  about.showWindow(nullptr);
  const QWidget *aboutClose = about.closeWindowButton();
  EXPECT_GT(aboutClose->x(), aboutClose->parentWidget()->width() / 2)
      << "About's close button is not mirrored";
}

TEST_F(ExportWindow, RowTooltipOnlyForTitlesCutShortInTheWindowsColours) {
  const std::string longTitle(40, 'W');
  open({{"Science", "https://sci.example", "https://sci.example/rss"},
        {longTitle, "https://w.example", "https://w.example/rss"}});
  wc->window()->activateWindow();
  for (std::uint64_t scheme : {Appearance::kDark, Appearance::kLight}) {
    useScheme(scheme);
    emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
    const struct {
      int row;
      QString tip;
    } cases[] = {{0, ""}, {1, QString::fromStdString(longTitle)}};
    for (const auto &c : cases) {
      QToolTip::hideText();
      ASSERT_TRUE(waitUntil([] { return !QToolTip::isVisible(); }));
      const QPoint at = table()->rectOfRow(c.row).center();
      QHelpEvent help(QEvent::ToolTip, at, table()->viewport()->mapToGlobal(at));
      QApplication::sendEvent(table()->viewport(), &help);
      EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip) << c.row;
    }
    const QPalette expected = WindowAppearance::palette(
        scheme == Appearance::kDark ? ColorScheme::Dark : ColorScheme::Light);
    QWidget *tip = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
      if (w->inherits("QTipLabel") && w->isVisible()) tip = w;
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipBase), expected.color(QPalette::ToolTipBase));
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipText), expected.color(QPalette::ToolTipText));
  }
  QToolTip::hideText();
}

TEST_F(ExportWindow, DoubleClickOnTheTitleStripZoomsAndTheEdgesResize) {
  open(readerdb::numbered(2));
  auto *window = qobject_cast<CXDocumentWindow *>(wc->window());
  QTest::mouseDClick(part<QLabel>("windowTitleLabel"), Qt::LeftButton);
  EXPECT_TRUE(waitUntil([&] { return window->isMaximized(); }));
  QTest::mouseDClick(part<QLabel>("windowTitleLabel"), Qt::LeftButton);
  EXPECT_TRUE(waitUntil([&] { return !window->isMaximized(); }));

  // What the pointer meets at the bottom-right corner resizes, with its cursor.
  QWidget *corner = window->childAt(window->width() - 2, window->height() - 2);
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->cursor().shape(), Qt::SizeFDiagCursor);
}

// The desktop's save panel with a home of its own, so that the user's folders
// are never touched, and without a remembered folder at first.
class SavePanelFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("HOME", QByteArray::fromStdString(home_.path().string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home_ / "config").string()));
    Defaults::standard().remove(QLatin1String(FileDialogSavePanel::kLastFolderKey));
  }
  void TearDown() override {
    Defaults::standard().remove(QLatin1String(FileDialogSavePanel::kLastFolderKey));
    qputenv("HOME", savedHome_);
    qputenv("XDG_CONFIG_HOME", savedConfig_);
  }
  QString folder(const QString &name) const { return homePath + QLatin1Char('/') + name; }

  // Runs the panel; once it shows, notes the folder it opened in and saves
  // under `answer` as a user who typed that path would.
  std::optional<QString> runAnswering(FileDialogSavePanel &panel, const QString &answer,
                                      QString *openedIn) {
    QTimer::singleShot(0, [&] {
      auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
      if (!dialog) return;
      *openedIn = dialog->directory().absolutePath();
      dialog->selectFile(answer);
      static_cast<QDialog *>(dialog)->accept();  // as Save does
    });
    return panel.runModal(nullptr);
  }

  const QByteArray savedHome_ = qgetenv("HOME"), savedConfig_ = qgetenv("XDG_CONFIG_HOME");
  TempDir home_;
  const QString homePath = qpath(home_.path());
};

TEST_F(SavePanelFolder, TheLastExportsFolderWhileItExistsThenDocumentsThenHome) {
  EXPECT_EQ(FileDialogSavePanel::startFolder(), homePath) << "no Documents folder yet";
  ASSERT_TRUE(QDir(homePath).mkdir("Documents"));
  EXPECT_EQ(FileDialogSavePanel::startFolder(), folder("Documents"));

  Defaults::standard().setString(QLatin1String(FileDialogSavePanel::kLastFolderKey),
                                 folder("Backups"));
  EXPECT_EQ(FileDialogSavePanel::startFolder(), folder("Documents")) << "Backups is not made yet";
  ASSERT_TRUE(QDir(homePath).mkdir("Backups"));
  EXPECT_EQ(FileDialogSavePanel::startFolder(), folder("Backups"));
  ASSERT_TRUE(QDir(homePath).rmdir("Backups"));
  EXPECT_EQ(FileDialogSavePanel::startFolder(), folder("Documents")) << "Backups was removed";
}

TEST_F(SavePanelFolder, TheDialogOpensInTheFolderOfItsLastAnswer) {
  ASSERT_TRUE(QDir(homePath).mkdir("Documents"));
  ASSERT_TRUE(QDir(homePath).mkdir("Backups"));
  FileDialogSavePanel panel;
  panel.setProposedName(QStringLiteral("My Feeds"));
  panel.setAllowedExtensions({QStringLiteral("opml")});

  QString openedIn;
  EXPECT_EQ(runAnswering(panel, folder("Backups/Feeds"), &openedIn),
            std::optional(folder("Backups/Feeds.opml")));
  EXPECT_EQ(openedIn, folder("Documents"));

  FileDialogSavePanel next;
  next.setAllowedExtensions({QStringLiteral("opml")});
  openedIn.clear();
  EXPECT_EQ(runAnswering(next, folder("Documents/Again"), &openedIn),
            std::optional(folder("Documents/Again.opml")));
  EXPECT_EQ(openedIn, folder("Backups")) << "the folder of the last answer";
  EXPECT_EQ(FileDialogSavePanel::startFolder(), folder("Documents"));
}

// The save panel's own check box, in the dialog the user sees: off at first,
// and what the user ticks is what the panel answers.
TEST_F(SavePanelFolder, TheDialogTakesTheSchemeOfItsWindow) {
  for (const ColorScheme scheme : {ColorScheme::Dark, ColorScheme::Light}) {
    SCOPED_TRACE(scheme == ColorScheme::Dark ? "dark" : "light");
    QWidget window;
    WindowAppearance::set(&window, scheme);
    FileDialogSavePanel panel;
    panel.setOptionTitle(QStringLiteral("An option"));  // Qt's own dialog
    QColor background, text;
    QTimer::singleShot(0, [&] {
      QWidget *dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      background = dialog->palette().color(QPalette::Window);
      text = dialog->palette().color(QPalette::WindowText);
      static_cast<QDialog *>(dialog)->reject();
    });
    panel.runModal(&window);
    const QPalette wanted = WindowAppearance::palette(scheme);
    EXPECT_EQ(background, wanted.color(QPalette::Window));
    EXPECT_EQ(text, wanted.color(QPalette::WindowText));
    EXPECT_EQ(background.lightness() < 128, scheme == ColorScheme::Dark);
  }
}

TEST_F(SavePanelFolder, TheOptionIsACheckBoxInTheDialogOffAtFirst) {
  for (const bool tick : {false, true}) {
    SCOPED_TRACE(tick ? "ticked" : "left");
    FileDialogSavePanel panel;
    panel.setAllowedExtensions({QStringLiteral("opml")});
    panel.setOptionTitle(QStringLiteral("Make titles safe for any reader"));
    bool wasOff = false;
    QString shown;
    QTimer::singleShot(0, [&] {
      auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (auto *box = dialog->findChild<QCheckBox *>("saveOptionBox")) {
        shown = box->isVisible() ? box->text() : QString();
        wasOff = !box->isChecked();
        if (tick) box->click();
      }
      dialog->selectFile(folder("Feeds"));
      static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(panel.runModal(nullptr), std::optional(folder("Feeds.opml")));
    EXPECT_EQ(shown, "Make titles safe for any reader");
    EXPECT_TRUE(wasOff);
    EXPECT_EQ(panel.optionChecked(), tick);
  }
  FileDialogSavePanel plain;
  plain.setAllowedExtensions({QStringLiteral("opml")});
  QTimer::singleShot(0, [] {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!dialog) return;
    EXPECT_EQ(dialog->findChild<QCheckBox *>("saveOptionBox"), nullptr);
    dialog->reject();
  });
  EXPECT_EQ(plain.runModal(nullptr), std::nullopt);
  EXPECT_FALSE(plain.optionChecked());
}

// Closing quits the whole application; the application's loop runs for real.
class Quitting : public ExportWindow {
 protected:
  // Runs the application until it quits; returns how many times it was about
  // to quit.
  int runUntilQuit(std::function<void()> step) {
    QSignalSpy quits(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, qApp, step);
    QTimer guard;  // a safety net so a broken quit fails instead of hanging
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(20000);
    const int status = QApplication::exec();
    EXPECT_EQ(status, 0);
    return quits.count();
  }
};

TEST_F(Quitting, TheCloseButtonQuits) {
  open(readerdb::numbered(1));
  EXPECT_EQ(runUntilQuit([this] {
              QTest::mouseClick(part<CXWindowButton>("closeWindowButton"), Qt::LeftButton, {},
                                QPoint(6, 6));
            }),
            1);
  EXPECT_FALSE(wc->window()->isVisible());
}

TEST_F(Quitting, CloseAndQuitItemsAndTheDoneButtonQuit) {
  open(readerdb::numbered(1));
  EXPECT_EQ(runUntilQuit([this] { item("closeAction")->trigger(); }), 1);
  wc->showWindow();
  EXPECT_EQ(runUntilQuit([this] { item("quitAction")->trigger(); }), 1);
  wc->showWindow();
  EXPECT_EQ(runUntilQuit([this] { wc->window()->close(); }), 1) << "closed any other way";

  wc->showWindow();
  answerPanel(qpath(dir / "done.opml"));
  wc->exportFeedsToOPML();
  ASSERT_TRUE(completionShown());
  auto *done = part("exportCompleteView")->findChild<QPushButton *>("doneButton");
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(runUntilQuit([done] { QTest::mouseClick(done, Qt::LeftButton); }), 1);
}

// ---- what the window says about the read and the write -------------------

// Waits until the list's read has ended, whichever way.
bool settled(CXExportListVC *list) {
  return waitUntil(
      [list] {
        return list->loadState() != State::NotStarted && list->loadState() != State::Reading;
      },
      std::chrono::seconds(20));
}

TEST_F(ExportWindow, AnUnreadableDatabaseIsExplainedNotCalledEmpty) {
  writeFile(dir / "text", "This is a plain text file, not a database.\n");
  readerdb::write(dir / "corrupt", readerdb::numbered(3));
  std::string bytes = readFile(dir / "corrupt");
  std::fill(bytes.begin() + 100, bytes.begin() + 4096, '\xA5');  // the schema page
  writeFile(dir / "corrupt", bytes);
  testsupport::execSql(dir / "no-table", "CREATE TABLE OTHER (A);");
  testsupport::execSql(dir / "no-column",
                       "CREATE TABLE FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE);");
  const struct {
    const char *name;
    const char *says;
  } cases[] = {{"text", "is not an SQLite database"},
               {"corrupt", "is damaged"},
               {"no-table", "has no FEEDS table"},
               {"no-column", "has no FEEDS table"},
               // Named with --database: no advice to let Orvella make it.
               {"missing", "Check the path given with --database"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    wc = std::make_unique<CXExportDocumentWC>(&storage);
    openAt(dir / c.name);
    ASSERT_TRUE(settled(list()));
    const QString shown = table()->placeholderText();
    EXPECT_TRUE(shown.contains(c.says)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(qpath(dir / c.name))) << "names the file";
    EXPECT_FALSE(shown.contains("Open Orvella") || shown.contains("start Orvella"));
    EXPECT_EQ(listDescription(table()), shown.toStdString());
    EXPECT_EQ(table()->numberOfRows(), 0);
    EXPECT_FALSE(list()->exportButton()->isEnabled());
    EXPECT_FALSE(list()->selectAllButton()->isEnabled());
    EXPECT_FALSE(list()->tryAgainButton()->isVisible()) << "nothing changes by reading again";
  }
}

TEST_F(ExportWindow, ALockedDatabaseOffersTryAgain) {
  readerdb::write(dir / "Feeds", readerdb::numbered(2));
  auto writer = startWriter(dir / "Feeds", {"exclusive"});
  openAt(dir / "Feeds");
  ASSERT_TRUE(settled(list()));
  EXPECT_TRUE(table()->placeholderText().contains("locked by another program"))
      << table()->placeholderText().toStdString();
  EXPECT_EQ(listDescription(table()), table()->placeholderText().toStdString());
  ASSERT_TRUE(list()->tryAgainButton()->isVisible());
  QAccessibleInterface *window = QAccessible::queryAccessibleInterface(wc->window());
  EXPECT_TRUE(namesOf(window, QAccessible::Button).contains("Try Again"));
  EXPECT_FALSE(list()->exportButton()->isEnabled());

  killWriter(*writer);
  QTest::mouseClick(list()->tryAgainButton(), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([this] { return list()->loadState() == State::Loaded; }));
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{0, 1}));
  EXPECT_TRUE(list()->selectAllButton()->isEnabled());
  EXPECT_TRUE(list()->exportButton()->isEnabled());
  EXPECT_FALSE(list()->tryAgainButton()->isVisible());
}

TEST_F(ExportWindow, APartialReadSaysSoAndExportAsksFirst) {
  const fs::path db = dir / "Feeds";
  readerdb::write(db, readerdb::numbered(3000));
  std::string bytes = readFile(db);
  ASSERT_GT(bytes.size(), 40u * 4096);
  std::fill(bytes.begin() + 30 * 4096, bytes.begin() + 31 * 4096, '\xA5');  // a leaf page
  writeFile(db, bytes);
  const ReadResult read = readFeedsAt(db);
  ASSERT_EQ(read.status, ReadStatus::StepFailed);
  ASSERT_GT(read.rowCount, 0u);
  // The window writes the count as the locale groups digits.
  const QString stoppedAfter =
      QStringLiteral("stopped after %1 feeds").arg(QLocale().toString(qulonglong(read.rowCount)));

  openAt(db);
  ASSERT_TRUE(settled(list()));
  EXPECT_EQ(list()->feedsCount(), int(read.rowCount)) << "the rows read stay on show";
  QLabel *warning = part<QLabel>("readWarningLabel");
  EXPECT_TRUE(warning->isVisible());
  EXPECT_TRUE(warning->text().contains(stoppedAfter)) << warning->text().toStdString();
  EXPECT_TRUE(warning->text().contains("damaged")) << "says why";
  QAccessibleInterface *window = QAccessible::queryAccessibleInterface(wc->window());
  EXPECT_TRUE(namesOf(window, QAccessible::StaticText).contains(warning->text()));
  EXPECT_EQ(listDescription(table()),
            (warning->text() + "\n" + part<QLabel>("selectionCountLabel")->text()).toStdString());

  const fs::path target = dir / "out.opml";
  answerPanel(qpath(target));
  const struct {
    int button;
    int panelRuns;
  } answers[] = {{2, 0}, {1, 1}};  // Cancel, then Export Anyway
  for (const auto &a : answers) {
    SCOPED_TRACE(a.button);
    list()->exportButton()->click();
    ASSERT_TRUE(CXAlert::sharedAlert().isShowing()) << "never written without a word";
    EXPECT_TRUE(alertText().contains("incomplete")) << alertText().toStdString();
    EXPECT_TRUE(alertText().contains(stoppedAfter));
    QAccessibleInterface *alert =
        QAccessible::queryAccessibleInterface(CXAlert::sharedAlert().window());
    EXPECT_EQ(namesOf(alert, QAccessible::Button), (QStringList{"Export Anyway", "Cancel"}));
    EXPECT_EQ(asked.runs, 0);
    QTest::mouseClick(CXAlert::sharedAlert().button(a.button), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return asked.runs == a.panelRuns; }));
    EXPECT_EQ(fs::exists(target), a.panelRuns == 1);
  }
  EXPECT_EQ(QByteArray::fromStdString(readFile(target)),
            std::move(exportOfFeeds(read.rows, readerdb::allFeeds(read.rowCount))).finish());
  EXPECT_TRUE(completionShown());
}

TEST_F(ExportWindow, AFailedWriteAfterASuccessfulOneBringsTheListBack) {
  open(readerdb::numbered(3));
  answerPanel(qpath(dir / "first.opml"));
  list()->exportButton()->click();
  ASSERT_TRUE(completionShown());

  writeFile(dir / "a-file", "not a folder");
  answerPanel(qpath(dir / "a-file" / "second.opml"));
  QTest::keyClick(wc->window(), Qt::Key_E, Qt::ControlModifier);
  ASSERT_TRUE(CXAlert::sharedAlert().isShowing());
  EXPECT_TRUE(alertText().contains("could not be saved"));
  EXPECT_FALSE(completionShown());
  EXPECT_TRUE(listShown());
  QAccessibleInterface *window = QAccessible::queryAccessibleInterface(wc->window());
  EXPECT_FALSE(namesOf(window, QAccessible::StaticText).contains("Export complete"));
  EXPECT_EQ(rows(list()->selectedFeeds()), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(list()->exportButton()->isEnabled());
}

TEST(SavePanelAnswer, EndsInAnAllowedExtension) {
  const QStringList opml{"opml"};
  EXPECT_EQ(SavePanel::pathWithAllowedExtension("/d/My Feeds", opml), "/d/My Feeds.opml");
  EXPECT_EQ(SavePanel::pathWithAllowedExtension("/d/Feeds.opml", opml), "/d/Feeds.opml");
  EXPECT_EQ(SavePanel::pathWithAllowedExtension("/d/Feeds.OPML", opml), "/d/Feeds.OPML");
  EXPECT_EQ(SavePanel::pathWithAllowedExtension("/d/Feeds.txt", opml), "/d/Feeds.txt.opml");
  EXPECT_EQ(SavePanel::pathWithAllowedExtension("/d/.opml", opml), "/d/.opml.opml");
  EXPECT_EQ(SavePanel::pathWithAllowedExtension("/d/x", {}), "/d/x");
  EXPECT_EQ(SavePanel::pathWithAllowedExtension("", opml), "");
}

TEST(Vibrancy, OnlyTheExactIdentifierOptsOut) {
  QLabel byName;
  byName.setObjectName("TF_Title_Disable");
  QLabel byProperty;
  byProperty.setObjectName("title");
  byProperty.setProperty("identifier", "TF_Title_Disable");
  QLabel otherCase;
  otherCase.setObjectName("tf_title_disable");
  QLabel none;
  QPushButton notAField;
  EXPECT_FALSE(CXVibrance::allowsVibrancy(&byName));
  EXPECT_FALSE(CXVibrance::allowsVibrancy(&byProperty));
  EXPECT_TRUE(CXVibrance::allowsVibrancy(&otherCase));
  EXPECT_TRUE(CXVibrance::allowsVibrancy(&none));
  EXPECT_FALSE(CXVibrance::allowsVibrancy(&notAField)) << "answers as the platform does";

  for (bool dark : {true, false}) {
    QWidget root;
    auto *title = new QLabel(&root);
    title->setProperty("identifier", "TF_Title_Disable");
    auto *detail = new QLabel(&root);
    CXVibrance::applyToTextFields(&root, dark ? ColorScheme::Dark : ColorScheme::Light);
    EXPECT_EQ(title->palette().color(QPalette::WindowText).alpha(), 255);
    EXPECT_LT(detail->palette().color(QPalette::WindowText).alpha(), 255);
  }
}

}  // namespace

// The window shares the command line's guard: a name that leads to the
// reader's own files is refused, and a pipe that no program reads fails at
// once instead of freezing the window in open().
TEST_F(ExportWindow, TheReadersFilesAndPipesNobodyReadsAreRefusedAtOnce) {
  open(readerdb::numbered(3));
  const std::string database = readFile(dir / "Feeds");
  fs::create_symlink("Feeds", dir / "link.opml");
  ASSERT_EQ(::mkfifo((dir / "pipe.opml").c_str(), 0600), 0);
  const struct {
    const char *name;
    const char *says;
  } cases[] = {{"link.opml", "the reader's database"},
               {"Feeds-journal", "the reader's database"},
               {"pipe.opml", "no program is reading from"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    answerPanel(qpath(dir / c.name));
    list()->exportButton()->click();
    ASSERT_TRUE(CXAlert::sharedAlert().isShowing());
    const QString text = alertText();
    EXPECT_TRUE(text.contains("could not be saved")) << text.toStdString();
    EXPECT_TRUE(text.contains(c.says)) << text.toStdString();
    EXPECT_TRUE(listShown());
    QTest::mouseClick(CXAlert::sharedAlert().button(1), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([] { return !CXAlert::sharedAlert().isShowing(); }));
  }
  EXPECT_EQ(readFile(dir / "Feeds"), database);
  EXPECT_FALSE(fs::exists(dir / "Feeds-journal"));
}

// Reading a copy does not lift the guard from the reader's own database: a
// link onto it is refused like a link onto the copy.
TEST_F(ExportWindow, ALinkToTheReadersOwnDatabaseIsRefusedWhileACopyIsRead) {
  testsupport::ScopedEnv data("XDG_DATA_HOME", (dir / "data").c_str());
  const fs::path documents = dir / "data" / "QM4T8ZK2WR.com.Corvanex.Orvella" / "Documents";
  fs::create_directories(documents);
  readerdb::write(documents / "Feeds", readerdb::numbered(5));
  const std::string readers = readFile(documents / "Feeds");
  open(readerdb::numbered(3), "Copy");
  fs::create_symlink(documents / "Feeds", dir / "to-reader.opml");
  answerPanel(qpath(dir / "to-reader.opml"));
  list()->exportButton()->click();
  ASSERT_TRUE(CXAlert::sharedAlert().isShowing());
  const QString text = alertText();
  EXPECT_TRUE(text.contains("the reader's database")) << text.toStdString();
  EXPECT_TRUE(listShown());
  QTest::mouseClick(CXAlert::sharedAlert().button(1), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([] { return !CXAlert::sharedAlert().isShowing(); }));
  EXPECT_EQ(readFile(documents / "Feeds"), readers);
  EXPECT_EQ(testsupport::namesIn(documents), std::vector<std::string>{"Feeds"});
  EXPECT_TRUE(fs::is_symlink(dir / "to-reader.opml"));
}

TEST_F(ExportWindow, RepairedTextsAreNotedAboveAWholeList) {
  testsupport::execSql(dir / "Feeds",
                       std::string(kFeedsSchema) +
                           "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) "
                           "VALUES ('https://a/', x'41ff42', 1, 'https://a/f'),"
                           " ('https://b/', 'B', 1, 'https://b/f');");
  openAt(dir / "Feeds");
  ASSERT_TRUE(waitUntil([this] { return list()->loadState() == State::Loaded; }));
  QLabel *line = part<QLabel>("readWarningLabel");
  EXPECT_TRUE(line->isVisible());
  EXPECT_TRUE(line->text().startsWith("1 of the feeds' texts held bytes that are not valid"))
      << line->text().toStdString();
  EXPECT_TRUE(list()->isListComplete()) << "the export does not ask about a whole list";
  EXPECT_EQ(list()->feedsCount(), 2);
}
