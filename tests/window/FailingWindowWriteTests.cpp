// The window's export on storage that fails. Each system call that writes a
// file fails in turn (FailingCalls.c, preloaded) with each error a disk
// gives; as a library preloaded into this very program cannot be switched
// per test, the parent test runs this program again for each case, with the
// child test alone, and the child drives the window as a user does. Either
// way the user is told why in a sentence with the system's words, the export
// that was there before is as it was, nothing is left beside it, and the
// list is there to try again.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <cstdio>
#include <cstring>

#include "ReaderDatabase.h"
#include "TestSavePanel.h"
#include "TestSupport.h"
#include "export/CXExportListVC.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXButton.h"
#include "window/CXExportDocumentWC.h"

namespace fs = std::filesystem;
using testsupport::namesIn;
using testsupport::qpath;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::waitUntil;
using testsupport::writeFile;

namespace {

const char kOlder[] = "<opml>an older export</opml>";

QString alertText() {
  QStringList texts;
  if (QWidget *w = CXAlert::sharedAlert().window())
    for (QLabel *label : w->findChildren<QLabel *>()) texts << label->text();
  return texts.join('\n');
}

}  // namespace

// Run only by the test below, in a program of its own with the failing
// calls preloaded, which fail this program's own looks at the folder too:
// it exports to ORVELLA_TARGET and says what the alert said, and the test
// below looks at the files.
TEST(WindowOnFailingStorageCase, TheFailureIsToldAndTheListStays) {
  const QString target = qEnvironmentVariable("ORVELLA_TARGET");
  if (target.isEmpty()) GTEST_SKIP() << "run by WindowOnFailingStorage for each failing call";

  TempDir dir;
  readerdb::write(dir / "Feeds", readerdb::numbered(3));
  CXExportStorage storage;
  storage.setDatabasePathOverride(dir / "Feeds");
  CXExportDocumentWC wc(&storage);
  wc.showWindow();
  CXExportListVC *list = wc.exportListVC();
  ASSERT_TRUE(waitUntil([list] { return list->loadState() == CXExportListVC::LoadState::Loaded; }));
  wc.setSavePanelFactory(
      [&target] { return std::make_unique<TestSavePanel>(target, nullptr, nullptr); });
  list->exportButton()->click();

  ASSERT_TRUE(CXAlert::sharedAlert().isShowing()) << "the failure is told";
  std::printf("alert: %s\n", alertText().simplified().toUtf8().constData());
  EXPECT_TRUE(list->exportButton()->isEnabled()) << "the list is there to try again";
  CXAlert::sharedAlert().window()->close();
}

TEST(WindowOnFailingStorage, EachFailedCallIsToldAndTheOlderExportStays) {
  struct Error {
    const char *name;
    int value;
  };
  const Error errors[] = {{"EIO", EIO}, {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}};
  TempDir dir;
  const fs::path out = dir / "out";
  fs::create_directory(out);
  writeFile(out / "My Feeds.opml", kOlder);
  for (const char *call : {"open", "write", "fdatasync", "linkat", "rename", "close", "fchmod"}) {
    for (const Error &error : errors) {
      SCOPED_TRACE(std::string(call) + " " + error.name);
      QProcess child;
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert("LD_PRELOAD", ORVELLA_FAILING_CALLS);
      env.insert("ASAN_OPTIONS",
                 qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
      env.insert("ORVELLA_FAIL_UNDER", qpath(out));
      env.insert("ORVELLA_FAIL_CALL", call);
      env.insert("ORVELLA_FAIL_ERRNO", error.name);
      env.insert("ORVELLA_TARGET", qpath(out / "My Feeds.opml"));
      child.setProcessEnvironment(env);
      child.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=WindowOnFailingStorageCase.*", "--gtest_brief=1"});
      ASSERT_TRUE(child.waitForFinished(60'000));
      const QByteArray said = child.readAllStandardOutput() + child.readAllStandardError();
      EXPECT_EQ(child.exitCode(), 0) << said.toStdString();
      EXPECT_TRUE(said.contains("[  PASSED  ] 1 test")) << said.toStdString();
      const QByteArray alert = said.mid(said.indexOf("alert: "));
      EXPECT_TRUE(alert.contains("could not be saved")) << said.toStdString();
      EXPECT_TRUE(alert.contains(std::strerror(error.value))) << said.toStdString();
      EXPECT_EQ(readFile(out / "My Feeds.opml"), kOlder);
      EXPECT_EQ(namesIn(out), std::vector<std::string>{"My Feeds.opml"}) << "a file was left";
    }
  }
}
