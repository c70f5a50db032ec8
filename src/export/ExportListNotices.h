#pragma once

#include <QList>
#include <QObject>
#include <QString>

class CXButton;
class CXExportListModel;
class FeedRowTable;
class QLabel;
class QWidget;

// The lines above the export list that speak of its feeds, each hidden until
// it has something to say: how many feed addresses carry a password or key,
// and how many feeds other readers' importers stumble on, each with a button
// that unticks those feeds; and, above them, the outcome of a comparison with
// another reader's export.
class ExportListNotices : public QObject {
  Q_OBJECT

 public:
  // Placed in the column of `view` (a vertical box) just below `above`; the
  // buttons untick through `model`.
  ExportListNotices(QWidget *view, QWidget *above, CXExportListModel *model);

  // Looks through newly arrived feeds; the comparison spoke of others and
  // goes.
  void feedsArrived(const FeedRowTable &feeds);
  // Nothing to say while no feeds can be shown.
  void hideBars();
  // After ticking the `missing` of `compared` feeds that the file `name`
  // lacks.
  void showComparison(qsizetype missing, qsizetype compared, const QString &name);

  QWidget *secretAddressBar() const { return secretBar_; }
  CXButton *untickSecretsButton() const { return untickSecrets_; }
  QWidget *importerTroubleBar() const { return troubleBar_; }
  CXButton *untickTroublesButton() const { return untickTroubles_; }
  QLabel *comparisonLabel() const { return comparisonLabel_; }

 private:
  void findSecretAddresses(const FeedRowTable &feeds);
  void findImporterTroubles(const FeedRowTable &feeds);

  CXExportListModel *model_;
  QLabel *comparisonLabel_ = nullptr;
  QWidget *secretBar_ = nullptr;
  QLabel *secretLabel_ = nullptr;
  CXButton *untickSecrets_ = nullptr;
  QList<int> secretFeeds_;
  QWidget *troubleBar_ = nullptr;
  QLabel *troubleLabel_ = nullptr;
  CXButton *untickTroubles_ = nullptr;
  QList<int> troubleFeeds_;
};
