// Times the export table's heavy operations with 2 x N rows (N feeds plus
// their separators) and prints the figures. Median of several runs each.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "FeedRows.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

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

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  const int feeds = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
  const int runs = 7;

  FeedRowsModel model(0);
  FeedRowsDelegate delegate;
  CXTableViewWithEmptyHolder view;
  view.setItemDelegate(&delegate);
  view.setModel(&model);
  view.setIsCustomMouseDown(true);
  view.resize(400, 600);
  view.show();
  QApplication::processEvents();

  int announcements = 0;
  QObject::connect(&view, &CXTableViewWithEmptyHolder::selectedRowIndexesChanged,
                   [&](const QList<int> &) { ++announcements; });

  std::printf("export table with %d feeds (%d rows), median of %d runs\n", feeds, 2 * feeds, runs);

  const double fill = medianMs(
      runs, [&] { model.setFeeds(0); }, [&] { model.setFeeds(feeds); });
  std::printf("  fill (model reset + row layout)      %9.2f ms\n", fill);

  const double selectAll = medianMs(
      runs, [&] { view.deselectAll(); }, [&] { view.selectAll(); });
  std::printf("  select all                           %9.2f ms\n", selectAll);

  const double deselectAll = medianMs(
      runs, [&] { view.selectAll(); }, [&] { view.deselectAll(); });
  std::printf("  deselect all                         %9.2f ms\n", deselectAll);

  QList<int> feedRows;
  feedRows.reserve(feeds);
  for (int r = 0; r < 2 * feeds; r += 2) feedRows.append(r);
  const double selectRows = medianMs(
      runs, [&] { view.deselectAll(); }, [&] { view.selectRowIndexes(feedRows, true); });
  std::printf("  select every feed row in one call    %9.2f ms\n", selectRows);

  view.selectAll();
  const double toggle = medianMs(
      runs, [] {}, [&] { view.toggleRow(2 * (feeds / 2)); });
  std::printf("  toggle one row, all others selected  %9.2f ms\n", toggle);

  QImage canvas(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  const double paint = medianMs(
      runs, [] {},
      [&] {
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
        view.viewport()->render(&canvas);
      });
  delegate.paintedSelected.clear();
  view.viewport()->render(&canvas);
  std::printf("  scroll to the middle and paint       %9.2f ms (%lld rows painted)\n", paint,
              static_cast<long long>(delegate.paintedSelected.size()));

  announcements = 0;
  view.deselectAll();
  view.selectAll();
  std::printf("  announcements for deselect + select all: %d\n", announcements);

  // For comparison: the same selection held by a QItemSelectionModel, whose
  // range list the view avoids.
  QItemSelectionModel selection(&model);
  QItemSelection ranges;
  for (int r = 0; r < 2 * feeds; r += 2) ranges.append(QItemSelectionRange(model.index(r, 0)));
  const double qtSelect = medianMs(
      3, [&] { selection.clearSelection(); },
      [&] { selection.select(ranges, QItemSelectionModel::ClearAndSelect); });
  std::printf("  QItemSelectionModel: select every feed row  %9.2f ms\n", qtSelect);
  const double qtToggle = medianMs(
      3, [] {},
      [&] { selection.select(model.index(2 * (feeds / 2), 0), QItemSelectionModel::Toggle); });
  std::printf("  QItemSelectionModel: toggle one row         %9.2f ms\n", qtToggle);
  return 0;
}
