#pragma once

#include <QLabel>

// A sentence for screen readers that has no place of its own on screen:
// "5 shown" after typing in a filter, "45 of 45 selected" after Select All.
//
// Qt 6.4 has no announcement call, and tells a changed name or description
// to AT-SPI as the object's path rather than the new text, which Orca does
// not speak. What Orca does speak is a notification that comes on screen, so
// the sentence is this invisible label's name, and the label is shown anew
// for each one (AccessibleFactories gives it the notification role).
class Announcement : public QLabel {
  Q_OBJECT

 public:
  explicit Announcement(QWidget *parent);

  void announce(const QString &sentence);
  // The last sentence announced.
  QString sentence() const { return accessibleName(); }
};
