#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleTableCellInterface>
#include <QPersistentModelIndex>
#include <QPointer>

class CXTableViewWithEmptyHolder;

// One item of the list that a CXTableViewWithEmptyHolder is to assistive
// technology: a row that a user can tick. It is named by the row's text, is
// checkable, checked and selected while ticked, and its toggle action ticks or
// unticks it as Space does. It follows its row through the model's changes.
class CXTableCellAccessible : public QAccessibleInterface,
                              public QAccessibleTableCellInterface,
                              public QAccessibleActionInterface {
 public:
  CXTableCellAccessible(CXTableViewWithEmptyHolder *view, int row);

  // QAccessibleInterface
  bool isValid() const override;
  QObject *object() const override { return nullptr; }
  QWindow *window() const override;
  QAccessibleInterface *parent() const override;
  QAccessibleInterface *child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface *) const override { return -1; }
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString &) override {}
  QRect rect() const override;
  // A check box while clicks tick rows (setIsCustomMouseDown): that is what
  // makes a screen reader say "checked" and "not checked", which the desktop
  // bridge does not do for a list item; a list item otherwise.
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void *interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTableCellInterface
  bool isSelected() const override;
  QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return 0; }
  int rowIndex() const override { return isValid() ? index_.row() : -1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface *table() const override { return parent(); }

  // QAccessibleActionInterface
  QStringList actionNames() const override;
  void doAction(const QString &actionName) override;
  QStringList keyBindingsForAction(const QString &actionName) const override;

 private:
  QPointer<CXTableViewWithEmptyHolder> view_;
  QPersistentModelIndex index_;
};
