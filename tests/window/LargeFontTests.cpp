// The window with the desktop's font at its usual size and at 18 points: the
// feed titles, the headers, the buttons and the alerts grow with the font,
// rows grow to hold their titles, and no text is cut; at the usual size the
// designed look (12-pixel titles in 18-pixel rows) stays.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>

#include "ReaderDatabase.h"
#include "TestSupport.h"
#include "export/CXExportListVC.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "window/CXExportDocumentWC.h"

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::waitUntil;

namespace {

// How many pixel lines of a rectangle of the picture hold ink: pixels well
// apart from the rectangle's top-left one, its background.
int inkHeight(const QImage &image, const QRect &rect) {
  const QColor background = image.pixelColor(rect.topLeft());
  int top = -1, bottom = -1;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.lightness() - background.lightness()) < 90) continue;
      if (top < 0) top = y;
      bottom = y;
      break;
    }
  return top < 0 ? 0 : bottom - top + 1;
}

// Every label and button of a window shows its text whole: as wide and as
// high as the text needs in its font.
void expectNoTextCut(QWidget *window, const char *where) {
  for (QLabel *label : window->findChildren<QLabel *>()) {
    if (!label->isVisible() || label->text().isEmpty() || label->wordWrap()) continue;
    const QFontMetrics fm(label->font());
    EXPECT_GE(label->width(), fm.horizontalAdvance(label->text()))
        << where << ": " << label->objectName().toStdString() << " cut short";
    EXPECT_GE(label->height(), fm.height()) << where << ": " << label->objectName().toStdString();
  }
  for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
    if (!button->isVisible() || button->text().isEmpty()) continue;
    const QFontMetrics fm(button->font());
    EXPECT_GE(button->width(), fm.horizontalAdvance(button->text()) + 8)
        << where << ": " << button->text().toStdString();
    EXPECT_GE(button->height(), fm.height() + 4) << where << ": " << button->text().toStdString();
  }
}

class DesktopFont : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    QFont font = usual_;
    font.setPointSize(GetParam());
    QApplication::setFont(font);
  }
  void TearDown() override {
    while (CXAlert::sharedAlert().isShowing()) {
      CXAlert::sharedAlert().window()->close();
      testsupport::pump(std::chrono::milliseconds(5));
    }
    wc.reset();
    QApplication::setFont(usual_);
  }
  // The desktop font's size in pixels, as the test has set it.
  static qreal fontPixels() { return QFontInfo(QApplication::font()).pixelSize(); }

  const QFont usual_ = QApplication::font();
  TempDir dir;
  CXExportStorage storage;
  std::unique_ptr<CXExportDocumentWC> wc;
};

TEST_P(DesktopFont, TitlesHeadersAndButtonsGrowWithItAndNoneIsCut) {
  const bool large = GetParam() >= 18;
  readerdb::write(dir / "Feeds", readerdb::numbered(6));
  storage.setDatabasePathOverride(dir / "Feeds");
  wc = std::make_unique<CXExportDocumentWC>(&storage);
  wc->showWindow();
  CXExportListVC *list = wc->exportListVC();
  ASSERT_TRUE(waitUntil([list] { return list->loadState() == CXExportListVC::LoadState::Loaded; }));
  testsupport::pump(std::chrono::milliseconds(50));

  CXTableViewWithEmptyHolder *table = list->exportTableView();
  const QRect row = table->visualRect(table->model()->index(0, 0));
  const QImage pixels = table->viewport()->grab().toImage();
  // The title's letters, from the row's top to the separator ("Feed 0" has
  // capitals and no descenders: its ink is the cap height).
  const int ink = inkHeight(pixels, row.adjusted(12, 1, -40, -2));
  if (large) {
    // 18 points is 24 pixels, 1.6 times the usual 11 points.
    EXPECT_GE(row.height(), 27) << "rows grow to hold larger titles";
    EXPECT_GE(ink, 13) << "the titles' letters grow";
    EXPECT_LE(ink, row.height() - 4) << "and fit in their row";
  } else {
    EXPECT_EQ(row.height(), 18) << "the designed 17-pixel row and its separator";
    EXPECT_GE(ink, 7);
    EXPECT_LE(ink, 10) << "12-pixel titles";
  }

  // The headers and the buttons are as large as the desktop's text, or larger.
  for (const char *name : {"headerTitleLabel", "headerDetailLabel", "selectionCountLabel"}) {
    const QWidget *label = wc->window()->findChild<QWidget *>(QLatin1String(name));
    ASSERT_NE(label, nullptr) << name;
    const int pixels = QFontInfo(label->font()).pixelSize();
    if (large) {
      EXPECT_GE(pixels, 0.8 * fontPixels()) << name;
    }
  }
  for (QAbstractButton *button : wc->window()->findChildren<QAbstractButton *>()) {
    if (large && button->isVisible() && !button->text().isEmpty()) {
      EXPECT_GE(QFontInfo(button->font()).pixelSize(), 0.85 * fontPixels())
          << button->text().toStdString();
    }
  }
  expectNoTextCut(wc->window(), "the list");

  // An alert, with its title, its text and two buttons.
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      QStringLiteral("Orvella cannot be open during export"),
      QStringLiteral("Click Continue to quit Orvella."),
      {QStringLiteral("Continue"), QStringLiteral("Cancel")}, [](int) {});
  QWidget *alert = CXAlert::sharedAlert().window();
  ASSERT_NE(alert, nullptr);
  testsupport::pump(std::chrono::milliseconds(50));
  for (QLabel *label : alert->findChildren<QLabel *>()) {
    if (label->text().isEmpty()) continue;
    if (large) {
      EXPECT_GE(QFontInfo(label->font()).pixelSize(), 0.75 * fontPixels())
          << label->text().toStdString();
    }
    if (label->wordWrap()) {
      EXPECT_GE(label->height(), label->heightForWidth(label->width()))
          << "wrapped text shown whole: " << label->text().toStdString();
    }
  }
  expectNoTextCut(alert, "the alert");
}

INSTANTIATE_TEST_SUITE_P(UsualAndLarge, DesktopFont, ::testing::Values(10, 18),
                         [](const auto &info) { return std::to_string(info.param) + "pt"; });

}  // namespace
