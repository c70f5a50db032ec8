#include "export/ExportListAnnouncer.h"

#include <QBoxLayout>
#include <QLabel>

#include "platform/Localized.h"
#include "toolkit/Announcement.h"

namespace {
QString text(const char *key) { return localized("CXInterfaceString", key); }
}  // namespace

ExportListAnnouncer::ExportListAnnouncer(QWidget *view, QLabel *count, QBoxLayout *buttons, int at)
    : QObject(view),
      announcement_(new Announcement(view)),
      count_(count),
      nothingTicked_(new QLabel(view)) {
  nothingTicked_->setObjectName(QStringLiteral("nothingTickedLabel"));
  buttons->insertWidget(at, nothingTicked_, 1);
  typingRest_.setSingleShot(true);
  typingRest_.setInterval(kTypingRestMs);
  connect(&typingRest_, &QTimer::timeout, this,
          [this] { announcement_->announce(shown_ == 0 ? noMatch_ : count_->text()); });
  nothingTicked_->setText(text("Tick at least one feed to export."));
  nothingTicked_->setWordWrap(true);
  nothingTicked_->hide();
}

void ExportListAnnouncer::filterChanged(bool filtered, int shown, const QString &noMatch) {
  shown_ = shown;
  noMatch_ = noMatch;
  if (!filtered && wasFiltered_) {
    // Escape, or the last letter deleted: the whole list is back at once.
    typingRest_.stop();
    announcement_->announce(text("All feeds are shown again.") + QLatin1Char(' ') + count_->text());
  } else if (filtered) {
    typingRest_.start();
  }
  wasFiltered_ = filtered;
}

void ExportListAnnouncer::bulkTicked() {
  // The count says what is shown too; the filter's own telling would repeat it.
  typingRest_.stop();
  announcement_->announce(count_->text());
}

void ExportListAnnouncer::countChanged(int ticked) {
  if (ticked > 0) nothingTicked_->hide();
}

void ExportListAnnouncer::tellNothingTicked() {
  nothingTicked_->show();
  announcement_->announce(nothingTicked_->text());
}
