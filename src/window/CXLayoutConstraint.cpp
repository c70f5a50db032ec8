#include "window/CXLayoutConstraint.h"

#include <QtMath>

void CXLayoutConstraint::setConstant(qreal constant) {
  constant_ = constant;
  if (view_) view_->setMaximumWidth(std::max(0, qCeil(constant)));
}
