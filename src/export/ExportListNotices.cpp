#include "export/ExportListNotices.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLocale>

#include "export/CXExportListModel.h"
#include "export/ImporterTroubles.h"
#include "export/SecretAddresses.h"
#include "platform/Localized.h"
#include "store/FeedRowTable.h"
#include "toolkit/CXButton.h"

namespace {

QString text(const char *key) { return localized("CXInterfaceString", key); }

// A line of text with a button at its end, hidden until there is something
// to say, placed in the list's column at `index`.
QWidget *makeNoticeBar(QWidget *view, int index, const char *name, const char *labelName,
                       const char *buttonName, QLabel *&label, CXButton *&button) {
  auto *bar = new QWidget(view);
  bar->setObjectName(QLatin1String(name));
  auto *row = new QHBoxLayout(bar);
  row->setContentsMargins(14, 4, 14, 4);
  label = new QLabel(bar);
  label->setObjectName(QLatin1String(labelName));
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  button = new CXButton(text("Untick Them"), bar);
  button->setObjectName(QLatin1String(buttonName));
  row->addWidget(label, 1);
  row->addWidget(button, 0, Qt::AlignVCenter);
  static_cast<QBoxLayout *>(view->layout())->insertWidget(index, bar);
  bar->hide();
  return bar;
}

}  // namespace

ExportListNotices::ExportListNotices(QWidget *view, QWidget *above, CXExportListModel *model)
    : QObject(view), model_(model) {
  auto *list = static_cast<QBoxLayout *>(view->layout());
  secretBar_ =
      makeNoticeBar(view, list->indexOf(above) + 1, "secretAddressBar", "secretAddressLabel",
                    "untickSecretsButton", secretLabel_, untickSecrets_);
  connect(untickSecrets_, &QAbstractButton::clicked, this,
          [this] { model_->setItemsChecked(secretFeeds_, false); });
  // Feeds that other readers' importers stumble on, below it.
  troubleBar_ =
      makeNoticeBar(view, list->indexOf(secretBar_) + 1, "importerTroubleBar",
                    "importerTroubleLabel", "untickTroublesButton", troubleLabel_, untickTroubles_);
  connect(untickTroubles_, &QAbstractButton::clicked, this,
          [this] { model_->setItemsChecked(troubleFeeds_, false); });
  // The outcome of a comparison with another reader's export, above them.
  comparisonLabel_ = new QLabel(view);
  comparisonLabel_->setObjectName(QStringLiteral("comparisonLabel"));
  comparisonLabel_->setWordWrap(true);
  comparisonLabel_->setTextFormat(Qt::PlainText);
  comparisonLabel_->setContentsMargins(14, 4, 14, 4);
  list->insertWidget(list->indexOf(secretBar_), comparisonLabel_);
  comparisonLabel_->hide();
}

void ExportListNotices::feedsArrived(const FeedRowTable &feeds) {
  findSecretAddresses(feeds);
  findImporterTroubles(feeds);
  comparisonLabel_->hide();
}

void ExportListNotices::hideBars() {
  secretBar_->hide();
  troubleBar_->hide();
}

void ExportListNotices::showComparison(qsizetype missing, qsizetype compared, const QString &name) {
  comparisonLabel_->setText(
      missing == 0
          ? localized("CXInterfaceString", "None of the %Ln feeds is missing from %1.", compared)
                .arg(name)
          : localized("CXInterfaceString",
                      "%Ln of %1 feeds are missing from %2; they are ticked, to be exported and "
                      "imported again.",
                      missing)
                .arg(QLocale().toString(qulonglong(compared)), name));
  comparisonLabel_->show();
}

void ExportListNotices::findImporterTroubles(const FeedRowTable &feeds) {
  troubleFeeds_.clear();
  ImporterTroubles troubles;
  troubles.reserve(feeds.size());
  for (std::size_t k = 0; k < feeds.size(); ++k) troubles.add(feeds.row(k));
  for (const std::size_t k : troubles.troubled()) troubleFeeds_.append(int(k));
  if (troubleFeeds_.isEmpty()) {
    troubleBar_->hide();
    return;
  }
  troubleLabel_->setText(text("Feeds that some readers cannot import: %1 (missing or repeated "
                              "addresses, line breaks in titles, or repeated titles).")
                             .arg(QLocale().toString(qulonglong(troubleFeeds_.size()))));
  troubleBar_->show();
}

void ExportListNotices::findSecretAddresses(const FeedRowTable &feeds) {
  secretFeeds_.clear();
  for (std::size_t k = 0; k < feeds.size(); ++k)
    if (SecretAddresses::carriesSecret(feeds.row(k))) secretFeeds_.append(int(k));
  if (secretFeeds_.isEmpty()) {
    secretBar_->hide();
    return;
  }
  secretLabel_->setText(
      text("Addresses with a password or key: %1. A file you share gives them away.")
          .arg(secretFeeds_.size()));
  secretBar_->show();
}
