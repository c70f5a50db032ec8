#pragma once

#include <QObject>

// What the system-appearance watcher tells: emitted on the main thread when
// the scheme that follows the system changed. The watcher records the new
// decision only once every receiver has returned, so receivers that compare
// still see the previous one.
class AppearanceChanges : public QObject {
  Q_OBJECT

 signals:
  void systemAppearanceDidChange();
};
