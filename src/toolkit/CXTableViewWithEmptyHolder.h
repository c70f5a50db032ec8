#pragma once

#include <QListView>
#include <QString>

class CheckableListModel;

// The program's list: Qt's list view over a CheckableListModel, one row per
// item shown, every row as high as the first (uniform sizes, so 100,000 rows
// lay out at once). While the model has no items it paints a centred
// placeholder text in place of rows, which is then also its accessible
// description, for screen readers. The current row is told to them only
// while the list has the keyboard: typing in a filter field moves it too.
//
// Ticks are the rows' Qt::CheckStateRole. Qt's view already moves the
// current row by the keyboard, jumps to the row whose text starts with the
// letters typed, and, through the delegate, ticks the current row on Space.
// What Qt's list does not do is added here: with setIsCustomMouseDown(true)
// a click anywhere on a row ticks or unticks it (Qt ticks only on a release
// over a check box), and Shift-click sets every row from the last clicked
// one to the clicked one as the clicked one became. Without it clicks are
// Qt's own. Ctrl+A ticks every row shown, and the current row stays where
// the user left it.
class CXTableViewWithEmptyHolder : public QListView {
  Q_OBJECT

 public:
  explicit CXTableViewWithEmptyHolder(QWidget *parent = nullptr);

  void setIsCustomMouseDown(bool on) { customMouseDown_ = on; }
  bool isCustomMouseDown() const { return customMouseDown_; }

  void setPlaceholderText(const QString &text);
  QString placeholderText() const { return placeholder_; }
  // What a filter that hides every row leaves in the list's place.
  void setNoMatchText(const QString &text);
  // The text painted in place of rows, and read as the list's description:
  // the placeholder while the model has no items, the no-match text while a
  // filter hides all of them, and nothing while a row is shown.
  QString shownPlaceholder() const;
  bool showsPlaceholder() const { return !shownPlaceholder().isEmpty(); }

  // Standard table calls, over the model's ticks.
  int numberOfRows() const { return model() ? model()->rowCount(rootIndex()) : 0; }
  QRect rectOfRow(int row) const;
  bool isRowSelected(int row) const;
  bool toggleRow(int row);
  CheckableListModel *checkableModel() const;

 public slots:
  // Tick and untick every row shown, each as one change.
  void selectAll() override;
  void deselectAll();

 signals:
  // The ticks of the rows from first to last may have changed.
  void rowsCheckedChanged(int first, int last);
  // Select All or Deselect All set every shown row.
  void shownRowsTicked();

 protected:
  void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles = QList<int>()) override;
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void changeEvent(QEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

 private:
  // Tells assistive technology that the current row has the focus, as Qt's
  // list does when the current row moves.
  void tellCurrentRow();
  // Repaints and tells a screen reader when the shown placeholder changed.
  void placeholderChanged(const QString &before);
  // Slim scroll bars in the window's scheme.
  void styleScrollBars();

  bool customMouseDown_ = false;
  int anchorRow_ = -1;  // the last row clicked, which Shift-click extends from
  QString placeholder_;
  QString noMatch_;
};
