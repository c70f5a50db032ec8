#pragma once

#include <QWidget>

// The window's background: a soft vertical wash of the scheme's window colour
// with a hairline edge, standing in for a translucent visual-effect view. The
// scheme is the one set on this view (or, failing that, on its window).
class CXVibrancyView : public QWidget {
  Q_OBJECT

 public:
  explicit CXVibrancyView(QWidget *parent = nullptr);

  // Whether this view shows the dark scheme right now.
  bool isDark() const;

 protected:
  void paintEvent(QPaintEvent *event) override;
};
