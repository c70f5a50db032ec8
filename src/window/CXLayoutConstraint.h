#pragma once

#include <QPointer>
#include <QWidget>

// A width given to a view from code: the view is never laid out wider than
// the constant (in points). Stands where a layout constraint of the window's
// interface file would be; without a view it only remembers the constant.
class CXLayoutConstraint {
 public:
  explicit CXLayoutConstraint(QWidget *view = nullptr) : view_(view) {}

  qreal constant() const { return constant_; }
  void setConstant(qreal constant);
  QWidget *view() const { return view_; }

 private:
  QPointer<QWidget> view_;
  qreal constant_ = 0;
};
