// The export window as users see it: the sample reader's feeds in both
// schemes, with some feeds unticked, its menu, the "Export complete" view, and
// the window when no reader database can be found, one that another program
// holds locked, and one whose read stopped part-way.
#include <FeedsSchema.h>
#include <sqlite3.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

#include "SceneWindows.h"
#include "Screenshot.h"
#include "export/CXExportListVC.h"
#include "platform/Defaults.h"
#include "services/AppearanceNames.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "window/CXDocumentWindow.h"
#include "window/CXExportDocumentWC.h"
#include "window/CXMenuButton.h"

namespace {

void useScheme(bool dark) {
  Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey,
                                  dark ? Appearance::kDark : Appearance::kLight);
}

// A reader database of 3,000 feeds with a page in the middle overwritten, so
// that reading stops part-way.
QString damagedDatabase(const QDir &folder) {
  const QString path = folder.filePath(QStringLiteral("Damaged"));
  QFile::remove(path);
  sqlite3 *db = nullptr;
  sqlite3_open(path.toUtf8().constData(), &db);
  sqlite3_exec(db,
               (std::string(kFeedsSchema) +
                "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < 3000) "
                "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) "
                "SELECT 'https://site' || v || '.example/', 'Feed ' || v, 1, "
                "'https://site' || v || '.example/feed.xml' FROM n;")
                   .c_str(),
               nullptr, nullptr, nullptr);
  sqlite3_close(db);
  QFile file(path);
  if (file.open(QIODevice::ReadWrite) && file.seek(30 * 4096))
    file.write(QByteArray(4096, char(0xA5)));
  return path;
}

}  // namespace

ORVELLA_SCREENSHOT_SCENE(export_window) {
  const QString database = sampleDatabase();
  CXExportStorage &storage = CXExportStorage::defaultManager();
  QTemporaryDir exports;

  for (bool dark : {true, false}) {
    useScheme(dark);
    const QString scheme = schemeName(dark);
    {
      CXExportDocumentWC document;
      showLoaded(document, storage, database);
      ctx.save(QStringLiteral("export-window-%1").arg(scheme),
               onBackdrop(ScreenshotContext::grab(document.window()), dark));

      // A few feeds unticked, the way a user clicks them off.
      CXTableViewWithEmptyHolder *table = document.exportListVC()->exportTableView();
      for (int row : {1, 3, 4, 7}) table->toggleRow(row);
      ctx.save(QStringLiteral("export-window-unticked-%1").arg(scheme),
               onBackdrop(ScreenshotContext::grab(document.window()), dark));

      // The menu, opened from the title strip.
      QMenu *menu = document.menu();
      const QWidget *menuButton =
          document.window()->findChild<QWidget *>(QStringLiteral("menuButton"));
      document.validateMenuItems();
      menu->popup(menuButton->mapToGlobal(
          QPoint(menuButton->width() - menu->sizeHint().width(), menuButton->height() + 4)));
      ScreenshotContext::settle(40);
      ctx.save(QStringLiteral("export-menu-%1").arg(scheme), ScreenshotContext::grab(menu));
      menu->hide();

      const QString target = exports.filePath(QStringLiteral("My Feeds.opml"));
      document.setSavePanelFactory([target] { return std::make_unique<FixedSavePanel>(target); });
      document.exportFeedsToOPML();
      ScreenshotContext::settle(300);  // the cross-fade into the completion view
      ctx.save(QStringLiteral("export-complete-%1").arg(scheme),
               onBackdrop(ScreenshotContext::grab(document.window()), dark));
      qobject_cast<CXDocumentWindow *>(document.window())->setWillClose(nullptr);
    }
    {
      CXExportDocumentWC document;
      showLoaded(document, storage, QDir(exports.path()).filePath(QStringLiteral("Missing/Feeds")));
      ctx.save(QStringLiteral("export-no-database-%1").arg(scheme),
               onBackdrop(ScreenshotContext::grab(document.window()), dark));
      qobject_cast<CXDocumentWindow *>(document.window())->setWillClose(nullptr);
    }
    {
      // Another program holds the database: the read gives up after its wait.
      const QString locked = QDir(exports.path()).filePath(QStringLiteral("Locked"));
      sqlite3 *holder = nullptr;
      sqlite3_open(locked.toUtf8().constData(), &holder);
      // The table is there already in the second scheme's round.
      sqlite3_exec(holder, kFeedsSchema, nullptr, nullptr, nullptr);
      sqlite3_exec(holder, "BEGIN EXCLUSIVE; SELECT count(*) FROM sqlite_schema;", nullptr, nullptr,
                   nullptr);
      CXExportDocumentWC document;
      showLoaded(document, storage, locked);
      ctx.save(QStringLiteral("export-locked-%1").arg(scheme),
               onBackdrop(ScreenshotContext::grab(document.window()), dark));
      sqlite3_close(holder);
      qobject_cast<CXDocumentWindow *>(document.window())->setWillClose(nullptr);
    }
    {
      CXExportDocumentWC document;
      showLoaded(document, storage, damagedDatabase(QDir(exports.path())));
      ctx.save(QStringLiteral("export-incomplete-%1").arg(scheme),
               onBackdrop(ScreenshotContext::grab(document.window()), dark));
      // Export asks first.
      CXAlert::sharedAlert().setAlertAppearance(dark ? 1 : 2);
      document.exportFeedsToOPML();
      ScreenshotContext::settle(100);
      if (QWidget *alert = CXAlert::sharedAlert().window()) {
        ctx.save(QStringLiteral("export-incomplete-question-%1").arg(scheme),
                 onBackdrop(ScreenshotContext::grab(alert), dark));
        CXAlert::sharedAlert().button(2)->click();
        ScreenshotContext::settle(40);
      }
      qobject_cast<CXDocumentWindow *>(document.window())->setWillClose(nullptr);
    }
  }
  storage.setDatabasePathOverride(std::nullopt);
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
}
