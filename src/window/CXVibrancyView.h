#pragma once

#include <QWidget>

#include "platform/ColorScheme.h"

// The window's background: a soft vertical wash of the scheme's window colour
// with a hairline edge, standing in for a translucent visual-effect view. The
// scheme is the one set on this view (or, failing that, on its window).
class CXVibrancyView : public QWidget {
  Q_OBJECT

 public:
  explicit CXVibrancyView(QWidget *parent = nullptr);

  // The scheme this view shows right now: its own, else its window's.
  ColorScheme scheme() const;

 protected:
  void paintEvent(QPaintEvent *event) override;
};
