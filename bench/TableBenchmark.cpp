// Times what a user waits for in the export list with N feeds (100,000 by
// default): the feeds arriving, every one ticked and the list painted; a key
// typed into the filter and the list repainted; the filter emptied and the
// list repainted. Each figure runs until the events it caused are handled.
// Median of several runs each.
//   build/bench/table_bench [feeds] [runs]
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "export/CXExportListDelegate.h"
#include "export/CXExportListModel.h"
#include "export/CXExportListVC.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

// Built against the program before the list became Qt's list view, too, for
// figures before and after from one source: there the ticks were the table's
// selected rows, two rows per feed.
#if __has_include("toolkit/CheckableListModel.h")
#define ORVELLA_TICKS_IN_MODEL 1
#endif

namespace {

double medianMs(int runs, const std::function<void()> &setup, const std::function<void()> &work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    setup();
    QElapsedTimer t;
    t.start();
    work();
    times.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Feeds titled "Feed 0", "Feed 1", ... with a site and a feed address each.
FeedRowTable numberedFeeds(int n) {
  FeedRowTable table;
  std::string title, site, address;
  for (int k = 0; k < n; ++k) {
    title = "Feed " + std::to_string(k);
    site = "https://site" + std::to_string(k) + ".example/";
    address = site + "feed.xml";
    table.append({site, title, 1 + k % 2, address});
  }
  return table;
}

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  const int feeds = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
  const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 7;

  CXExportListVC list;
  QWidget *view = list.view();
  view->resize(480, 640);
  view->show();
  QApplication::processEvents();
  CXTableViewWithEmptyHolder *table = list.exportTableView();
  QImage canvas(table->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  auto settleAndPaint = [&] {
    QApplication::processEvents();
    table->viewport()->render(&canvas);
  };

  std::printf("export list with %d feeds, median of %d runs\n", feeds, runs);

  FeedRowTable copy;
  const double load = medianMs(
      runs,
      [&] {
        list.feedsArrived(FeedRowTable());
        QApplication::processEvents();
        copy = numberedFeeds(feeds);
      },
      [&] {
        list.feedsArrived(std::move(copy));
        settleAndPaint();
      });
  std::printf("  load, tick all and paint   %9.2f ms (%d of %d ticked)\n", load,
              int(list.selectedFeeds().size()), list.feedsCount());

  {
    // The list alone, without the controller's scans for the notice bars:
    // the model filled, every feed ticked, the rows painted.
    CXExportListModel model;
    CXExportListDelegate delegate{CXCheckMarkTableRowView()};
    CXTableViewWithEmptyHolder alone;
    alone.setItemDelegate(&delegate);
    alone.setModel(&model);
    alone.setIsCustomMouseDown(true);
    alone.resize(table->size());
    alone.show();
    QApplication::processEvents();
    const double listLoad = medianMs(
        runs,
        [&] {
          model.setFeeds(std::nullopt);
          QApplication::processEvents();
          copy = numberedFeeds(feeds);
        },
        [&] {
          model.setFeeds(std::move(copy));
#ifdef ORVELLA_TICKS_IN_MODEL
          model.setAllItemsChecked(true);
#else
          alone.selectRowIndexes(CXExportListModel::feedRows(feeds), true);
#endif
          QApplication::processEvents();
          alone.viewport()->render(&canvas);
        });
    std::printf("  of which the list alone    %9.2f ms\n", listLoad);
  }

  QLineEdit *filter = list.filterField();
  // The first key also folds every feed's texts once; that is timed apart.
  QElapsedTimer first;
  first.start();
  filter->setText(QStringLiteral("7"));
  settleAndPaint();
  std::printf("  first filter key (folding) %9.2f ms\n", double(first.nsecsElapsed()) / 1e6);

  const double key = medianMs(
      runs,
      [&] {
        filter->clear();
        QApplication::processEvents();
      },
      [&] {
        filter->setText(QStringLiteral("7"));
        settleAndPaint();
      });
  std::printf("  a filter key and paint     %9.2f ms (%d shown)\n", key, list.shownFeedsCount());

  const double clear = medianMs(
      runs,
      [&] {
        filter->setText(QStringLiteral("7"));
        QApplication::processEvents();
      },
      [&] {
        filter->clear();
        settleAndPaint();
      });
  std::printf("  clearing the filter, paint %9.2f ms (%d shown)\n", clear, list.shownFeedsCount());
  return 0;
}
