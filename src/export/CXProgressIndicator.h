#pragma once

#include <QBasicTimer>
#include <QWidget>

// A small indeterminate spinner: twelve short spokes whose brightness runs
// round while it animates. Shown beside the export button while an export
// runs.
class CXProgressIndicator : public QWidget {
  Q_OBJECT

 public:
  explicit CXProgressIndicator(QWidget *parent = nullptr);

  void startAnimation();
  void stopAnimation();
  bool isAnimating() const { return timer_.isActive(); }

  QSize sizeHint() const override { return {16, 16}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent *event) override;
  void timerEvent(QTimerEvent *event) override;

 private:
  QBasicTimer timer_;
  int step_ = 0;
};
