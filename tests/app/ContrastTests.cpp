// Legibility as rendered: in both schemes, text keeps 4.5:1 against what it
// is drawn on and a control's edge 3:1 against the window around it. Every
// colour is read from the pixels of the windows as the program draws them,
// with the alert set up as the program sets it up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <iostream>
#include <map>

#include "Contrast.h"
#include "ReaderDatabase.h"
#include "TestSupport.h"
#include "app/CXAppDelegate.h"
#include "export/CXExportListVC.h"
#include "platform/Defaults.h"
#include "services/AppearanceNames.h"
#include "services/CXServiceFunctions.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXButton.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/CXWindowButton.h"
#include "window/CXExportDocumentWC.h"

using testsupport::contrast;
using testsupport::waitUntil;

namespace {

// The colour most pixels of the area have: the face that text or an edge is
// drawn on.
QColor dominant(const QImage &image, const QRect &area) {
  std::map<QRgb, int> counts;
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y) ++counts[image.pixel(x, y)];
  return QColor(std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
                  return a.second < b.second;
                })->first);
}

// The greatest contrast against `against` of any pixel in the area: the ink
// of text, or an edge, where it is drawn at full strength.
double strongest(const QImage &image, const QRect &area, const QColor &against) {
  double best = 1;
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      best = std::max(best, contrast(against, image.pixelColor(x, y)));
  return best;
}

// A widget's rectangle in its window's coordinates.
QRect inWindow(const QWidget *w) { return QRect(w->mapTo(w->window(), QPoint()), w->size()); }

// A band across the middle of a line of text that starts at `left`.
QRect textBand(const QWidget *w, int left, const QString &text) {
  const QRect r = inWindow(w);
  return QRect(r.left() + left, r.center().y() - 2, w->fontMetrics().horizontalAdvance(text), 5);
}

// The left edge of a control at its middle, where its border runs straight.
QRect leftEdge(const QWidget *w) {
  const QRect r = inWindow(w);
  return QRect(r.left(), r.center().y() - 3, 2, 7);
}
// The window just left of a control.
QPoint besideLeft(const QWidget *w) {
  const QRect r = inWindow(w);
  return {r.left() - 3, r.center().y()};
}

struct Pair {
  std::string what;
  double ratio;
  double needed;  // 4.5 for text, 3 for a control's edge
};

class Contrast : public ::testing::TestWithParam<std::uint64_t> {
 protected:
  void SetUp() override {
    CXAlert::setAnswerForTesting(std::nullopt);
    testsupport::useScheme(GetParam());
    emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
    QCursor::setPos(-100, -100);  // nothing lit by the pointer
  }
  void TearDown() override {
    while (CXAlert::sharedAlert().isShowing()) {
      CXAlert::sharedAlert().window()->close();
      testsupport::pump(std::chrono::milliseconds(5));
    }
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  }
  std::string scheme() const { return GetParam() == Appearance::kDark ? "dark" : "light"; }
  void check(const std::vector<Pair> &pairs) {
    for (const Pair &p : pairs) {
      std::cout << "contrast " << scheme() << ": " << p.what << " " << p.ratio << ":1\n";
      EXPECT_GE(p.ratio, p.needed) << scheme() << ": " << p.what;
    }
  }
};

TEST_P(Contrast, TheExportWindow) {
  testsupport::TempDir dir;
  readerdb::write(dir / "Feeds", readerdb::numbered(3));
  CXExportStorage storage;
  storage.setDatabasePathOverride(dir / "Feeds");
  CXExportDocumentWC wc(&storage);
  wc.showWindow();
  CXExportListVC *list = wc.exportListVC();
  ASSERT_TRUE(waitUntil([&] { return list->loadState() == CXExportListVC::LoadState::Loaded; }));
  QWidget *window = wc.window();
  window->activateWindow();
  ASSERT_TRUE(waitUntil([&] { return window->isActiveWindow(); }));
  QLineEdit *filter = list->filterField();
  const int textLeft = filter->contentsRect().left() + 4;
  std::vector<Pair> pairs;

  // At rest: the placeholder in the empty filter, the plain buttons' edges.
  list->exportTableView()->setFocus(Qt::TabFocusReason);
  testsupport::pump(std::chrono::milliseconds(20));
  QImage shot = window->grab().toImage();
  const QRect placeholder = textBand(filter, textLeft, filter->placeholderText());
  pairs.push_back(
      {"filter placeholder", strongest(shot, placeholder, dominant(shot, placeholder)), 4.5});
  for (CXButton *b : {list->selectAllButton(), list->deselectAllButton()})
    pairs.push_back({b->text().toStdString() + " edge",
                     strongest(shot, leftEdge(b), shot.pixelColor(besideLeft(b))), 3});

  // Selected text in the filter.
  filter->setFocus(Qt::TabFocusReason);
  filter->setText(QStringLiteral("Feed"));
  filter->selectAll();
  testsupport::pump(std::chrono::milliseconds(20));
  shot = window->grab().toImage();
  const QRect selected = textBand(filter, textLeft, filter->text());
  pairs.push_back(
      {"selected filter text", strongest(shot, selected, dominant(shot, selected)), 4.5});
  filter->clear();

  // The menu's current item.
  QImage menuShot;
  QRect current;
  QTimer::singleShot(50, [&] {
    current = wc.menu()->actionGeometry(wc.menu()->activeAction());
    menuShot = wc.menu()->grab().toImage();
    wc.menu()->close();
  });
  QTest::keyClick(list->exportTableView(), Qt::Key_F10);
  ASSERT_FALSE(menuShot.isNull());
  const QRect item = current.adjusted(2, 2, -2, -2);
  pairs.push_back({"menu item", strongest(menuShot, item, dominant(menuShot, item)), 4.5});

  // The title-bar buttons while another window has the keyboard.
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(waitUntil([&] { return other.isActiveWindow() && !window->isActiveWindow(); }));
  testsupport::pump(std::chrono::milliseconds(20));
  shot = window->grab().toImage();
  for (const char *name : {"closeWindowButton", "minimizeWindowButton", "zoomWindowButton"}) {
    auto *b = window->findChild<CXWindowButton *>(QLatin1String(name));
    ASSERT_NE(b, nullptr);
    const QRect r = inWindow(b);
    // In the gap beside the button, where the title strip shows.
    const QColor strip = shot.pixelColor(r.right() + 4, r.center().y());
    pairs.push_back({std::string(name) + ", window not active", strongest(shot, r, strip), 3});
  }
  check(pairs);
}

TEST_P(Contrast, TheHandOffAlert) {
  CXAppDelegate::configureSharedAlert();
  CXAlert &alert = CXAlert::sharedAlert();
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      CXAppDelegate::handOffTitle(), CXAppDelegate::handOffInformText(),
      {QStringLiteral("Continue"), QStringLiteral("Cancel")}, [](int) {});
  ASSERT_TRUE(alert.isShowing());
  QAbstractButton *first = alert.button(1);
  QAbstractButton *cancel = alert.button(2);
  std::vector<Pair> pairs;
  for (bool down : {false, true}) {
    first->setDown(down);
    first->clearFocus();
    const QImage shot = alert.window()->grab().toImage();
    const QRect label = inWindow(first).adjusted(8, 4, -8, -4);
    pairs.push_back({std::string("Continue label") + (down ? ", pressed" : ""),
                     strongest(shot, label, dominant(shot, label)), 4.5});
    if (!down)
      pairs.push_back({"Cancel edge",
                       strongest(shot, leftEdge(cancel), shot.pixelColor(besideLeft(cancel))), 3});
  }
  first->setDown(false);
  check(pairs);
}

INSTANTIATE_TEST_SUITE_P(BothSchemes, Contrast,
                         ::testing::Values(Appearance::kLight, Appearance::kDark),
                         [](const auto &info) {
                           return info.param == Appearance::kDark ? "dark" : "light";
                         });

}  // namespace
