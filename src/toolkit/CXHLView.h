#pragma once

#include <QWidget>

#include "platform/ColorScheme.h"

// A one-point horizontal rule in the grey of its window's scheme.
class CXHLView : public QWidget {
  Q_OBJECT

 public:
  explicit CXHLView(QWidget *parent = nullptr);

  QSize sizeHint() const override { return {40, 1}; }
  QSize minimumSizeHint() const override { return {0, 1}; }

  // The rule's colour for a scheme.
  static QColor lineColor(ColorScheme scheme);

 protected:
  void paintEvent(QPaintEvent *event) override;
};
