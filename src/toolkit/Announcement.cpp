#include "toolkit/Announcement.h"

Announcement::Announcement(QWidget *parent) : QLabel(parent) {
  setObjectName(QStringLiteral("announcement"));
  setFixedSize(0, 0);
  hide();
}

void Announcement::announce(const QString &sentence) {
  if (sentence.isEmpty()) return;
  hide();
  setAccessibleName(sentence);
  show();
}
