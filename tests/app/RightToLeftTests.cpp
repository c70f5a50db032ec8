// Hebrew and Arabic as the windows show them: paths keep their order inside
// the sentences and on the completion view's folder line, Arabic letters stay
// joined, and the filter field's placeholder starts at the field's right edge.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTextLayout>
#include <QTextOption>

#include "ReaderDatabase.h"
#include "TestSavePanel.h"
#include "TestSupport.h"
#include "about/CXAboutWC.h"
#include "app/CXAppDelegate.h"
#include "export/CXExportListVC.h"
#include "platform/AtomicFile.h"
#include "platform/Localized.h"
#include "store/CXExportStorage.h"
#include "store/FeedDatabase.h"
#include "store/ReadResult.h"
#include "toolkit/CXAlert.h"
#include "window/CXExportDocumentWC.h"

using testsupport::qpath;
using testsupport::TempDir;
using testsupport::waitUntil;

namespace {

// Whether path, inside shown laid out in direction, draws its leading "/" to
// the left of the letters that follow it, as a path reads.
bool pathReadsInOrder(const QString &shown, const QString &path, Qt::LayoutDirection direction) {
  const qsizetype at = shown.indexOf(path);
  if (at < 0 || path.size() < 3) return false;
  QTextLayout layout(shown);
  QTextOption option;
  option.setTextDirection(direction);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(1e6);
  layout.endLayout();
  const auto xOf = [&](qsizetype i) {
    const QList<QGlyphRun> runs = layout.glyphRuns(int(i), 1);
    return runs.isEmpty() || runs.first().positions().isEmpty()
               ? qreal(-1)
               : runs.first().positions().first().x();
  };
  return xOf(at) < xOf(at + 1);
}

bool holdsRightToLeftLetters(const QString &text) {
  for (const QChar c : text)
    if (c.direction() == QChar::DirR || c.direction() == QChar::DirAL) return true;
  return false;
}

// The shown labels and buttons under root whose text has right-to-left
// letters and whose font spaces the letters apart.
std::string spacedApart(QWidget *root) {
  QStringList found;
  const auto check = [&](QWidget *w, const QString &text) {
    if (holdsRightToLeftLetters(text) && w->font().letterSpacing() != 0)
      found << w->objectName() + QStringLiteral(": ") + text;
  };
  for (QLabel *label : root->findChildren<QLabel *>())
    if (label->isVisibleTo(root)) check(label, label->text());
  for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
    if (button->isVisibleTo(root)) check(button, button->text());
  return found.join(QLatin1Char('\n')).toStdString();
}

class RightToLeft : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    CXAlert::setAnswerForTesting(std::nullopt);
    const QString language = QString::fromStdString(GetParam());
    reloadStringsTables(QLocale(language));
    ASSERT_EQ(stringsTableLanguage().left(2), language);
    (void)localized("CXInterfaceString", "Export…");
    QCoreApplication::processEvents();
    ASSERT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    ASSERT_TRUE(stringsTableReadsRightToLeft());
  }
  void TearDown() override {
    closeAlerts();
    reloadStringsTables(QLocale());
    QCoreApplication::processEvents();
  }
  static void closeAlerts() {
    while (CXAlert::sharedAlert().isShowing()) {
      CXAlert::sharedAlert().window()->close();
      testsupport::pump(std::chrono::milliseconds(5));
    }
  }
  TempDir dir;
};

TEST_P(RightToLeft, PathsInsideSentencesReadFromTheirLeadingSlash) {
  const QString folder = qpath(dir.path());
  const QString missing = qpath(dir.path() / "nothing-here");
  const struct {
    Sentence sentence;
    QString path;
  } cases[] = {
      {probeDatabaseAt(dir.path() / "nothing-here").message, missing},
      {probeDatabaseAt(dir.path()).message, folder},
      {*AtomicFile::write(folder, "x"), folder},
  };
  // The check sees the misorder of a bare path in a Hebrew line.
  ASSERT_FALSE(pathReadsInOrder(QStringLiteral("שמור ב") + folder, folder, Qt::RightToLeft));
  for (const auto &c : cases) {
    const QString shown = localized(c.sentence);
    EXPECT_TRUE(pathReadsInOrder(shown, c.path, Qt::RightToLeft)) << shown.toStdString();
    // The English of the command line stays as it was.
    EXPECT_FALSE(c.sentence.english().contains(QChar(0x2066)))
        << c.sentence.english().toStdString();
  }
}

TEST_P(RightToLeft, CompletionViewsFolderReadsFromItsLeadingSlash) {
  readerdb::write(dir.path() / "Feeds", readerdb::numbered(3));
  CXExportStorage storage;
  storage.setDatabasePathOverride(dir.path() / "Feeds");
  CXExportDocumentWC wc(&storage);
  wc.showWindow();
  ASSERT_TRUE(waitUntil([&] {
    return wc.exportListVC() && wc.exportListVC()->loadState() == CXExportListVC::LoadState::Loaded;
  }));
  const QString target = qpath(dir.path() / "Feeds 2.opml");
  wc.setSavePanelFactory(
      [target] { return std::make_unique<TestSavePanel>(target, nullptr, nullptr); });
  wc.exportFeedsToOPML();
  QWidget *complete = wc.window()->findChild<QWidget *>(QStringLiteral("exportCompleteView"));
  ASSERT_TRUE(waitUntil([&] { return complete->isVisible(); }));
  auto *detail = wc.window()->findChild<QLabel *>(QStringLiteral("exportStatusDetailLabel"));
  ASSERT_NE(detail, nullptr);
  ASSERT_TRUE(detail->isRightToLeft());
  const QStringList lines = detail->text().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 2) << detail->text().toStdString();
  EXPECT_TRUE(pathReadsInOrder(lines[1], qpath(dir.path()), Qt::RightToLeft))
      << lines[1].toStdString();
  EXPECT_TRUE(lines[0].contains(QStringLiteral("Feeds 2.opml"))) << lines[0].toStdString();
}

TEST_P(RightToLeft, AlertsAndAboutKeepTheirLettersUnspaced) {
  // The program's alert look: its letters 0.5 px apart.
  CXAppDelegate::configureSharedAlert();
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      CXAppDelegate::handOffTitle(), CXAppDelegate::handOffInformText(),
      {localized("CXInterfaceString", "Continue"), localized("CXInterfaceString", "Cancel")},
      [](int) {});
  ASSERT_TRUE(waitUntil([] { return CXAlert::sharedAlert().isShowing(); }));
  EXPECT_EQ(spacedApart(CXAlert::sharedAlert().window()), "") << "hand-off";
  closeAlerts();

  CXAboutWC about;
  about.showWindow(nullptr);
  testsupport::pump(std::chrono::milliseconds(20));
  EXPECT_EQ(spacedApart(about.window()), "") << "About";
  about.window()->close();
}

// The columns in which two images of the same size differ, as [first, last];
// first > last when they do not.
std::pair<int, int> differingColumns(const QImage &a, const QImage &b) {
  int first = a.width(), last = -1;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

TEST_P(RightToLeft, FilterPlaceholderStartsAtTheFieldsRightEdge) {
  readerdb::write(dir.path() / "Feeds", readerdb::numbered(3));
  CXExportStorage storage;
  storage.setDatabasePathOverride(dir.path() / "Feeds");
  CXExportDocumentWC wc(&storage);
  wc.showWindow();
  ASSERT_TRUE(waitUntil([&] {
    return wc.exportListVC() && wc.exportListVC()->loadState() == CXExportListVC::LoadState::Loaded;
  }));
  QLineEdit *field = wc.exportListVC()->filterField();
  ASSERT_TRUE(field->isEnabled() && field->text().isEmpty() && field->isRightToLeft());
  // The table's words, and the English that a right-to-left language
  // without a table of ours (Persian, say) shows in its mirrored window.
  const QString placeholders[] = {field->placeholderText(), QStringLiteral("Filter feeds")};
  ASSERT_FALSE(placeholders[0].isEmpty());
  for (const QString &placeholder : placeholders) {
    field->setPlaceholderText(placeholder);
    const QImage shown = field->grab().toImage();
    field->setPlaceholderText(QString());
    const QImage empty = field->grab().toImage();
    const auto [first, last] = differingColumns(shown, empty);
    ASSERT_LE(first, last) << "no placeholder drawn";
    EXPECT_GT(first, shown.width() / 2) << placeholder.toStdString() << " drawn over columns "
                                        << first << "–" << last << " of " << shown.width();
  }
}

INSTANTIATE_TEST_SUITE_P(HebrewAndArabic, RightToLeft, ::testing::Values("he", "ar"),
                         [](const auto &info) { return info.param; });

}  // namespace
