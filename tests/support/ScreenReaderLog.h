#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>

namespace testsupport {

// What a screen reader would be told while the object lives: accessibility is
// switched on for the test program as a screen reader's arrival switches it
// on, and every event Qt would hand the desktop bridge is kept here instead.
// One at a time.
class ScreenReaderLog {
 public:
  struct Event {
    QAccessible::Event type;
    QPointer<QObject> object;
    // Read when the event was sent, as a bridge reads them then.
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
    int child = -1;
    QAccessible::State changed;  // StateChanged only
    QAccessible::State state;    // of the object or child the event is about
  };

  ScreenReaderLog();
  ~ScreenReaderLog();
  ScreenReaderLog(const ScreenReaderLog &) = delete;
  ScreenReaderLog &operator=(const ScreenReaderLog &) = delete;

  const QList<Event> &events() const { return events_; }
  // The events of one type, in order.
  QList<Event> of(QAccessible::Event type) const;
  void clear() { events_.clear(); }

 private:
  static void record(QAccessibleEvent *event);
  QList<Event> events_;
};

}  // namespace testsupport
