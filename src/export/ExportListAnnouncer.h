#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class Announcement;
class QBoxLayout;
class QLabel;
class QWidget;

// What the export list tells a screen reader user besides the focused item:
// the count once typing in the filter rests, or that nothing matches; that
// the whole list is back when the filter is cleared; the count after Select
// All and its kin; and why Export did nothing with no feed ticked, which is
// also a line under the list.
class ExportListAnnouncer : public QObject {
  Q_OBJECT

 public:
  // view: the export list's view; count: its "N of M selected" label. The
  // line that says why Export did nothing goes into buttons at index at.
  ExportListAnnouncer(QWidget *view, QLabel *count, QBoxLayout *buttons, int at);

  // How long typing must rest before the filter's result is told.
  static constexpr int kTypingRestMs = 500;

  // The filter changed; shown is how many feeds it shows now, and noMatch
  // the sentence for none.
  void filterChanged(bool filtered, int shown, const QString &noMatch);
  // Every shown feed was ticked or unticked at once.
  void bulkTicked();
  // The number of ticked feeds changed.
  void countChanged(int ticked);
  // Export was asked for with no feed ticked.
  void tellNothingTicked();

  Announcement *announcement() const { return announcement_; }

 private:
  Announcement *announcement_;
  QLabel *count_;
  QLabel *nothingTicked_;
  QTimer typingRest_;
  bool wasFiltered_ = false;
  int shown_ = 0;
  QString noMatch_;
};
