#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QRectF>
#include <QSize>
#include <QString>

#include "toolkit/ImageLibrary.h"

// A title-bar button drawn only from its five images:
//   active          the window is key (active) and nothing else applies
//   activeNotKey    the window is not the active window
//   inactive        the button is disabled
//   pressed         the mouse button is down on it
//   rollover        the pointer is over this button or over any button of the
//                   same group identifier in the same window
// Precedence: inactive, then pressed, then rollover, then not-key, then active.
//
// Geometry follows the desktop convention this program was designed on: the
// frame is given in the parent's coordinates with the origin at the parent's
// bottom-left corner and y growing upwards; the button keeps that place when the
// parent is resized. A button made without a parent keeps its frame until it is
// added to one.
//
// Main thread only.
class CXWindowButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum Action { NoAction, PerformClose, PerformMiniaturize, PerformZoom };
  Q_ENUM(Action)

  // A new parentless button of the given size in the given group.
  static CXWindowButton *windowButtonWithSizeGroupIdentifier(QSize size, const QString &group) {
    return new CXWindowButton(size, group);
  }

  explicit CXWindowButton(QSize size, const QString &group, QWidget *parent = nullptr);
  ~CXWindowButton() override;

  QString groupIdentifier() const { return group_; }

  void setActiveImage(const CXImage &image) { setImage(active_, image); }
  void setActiveNotKeyWindowImage(const CXImage &image) { setImage(activeNotKey_, image); }
  void setInactiveImage(const CXImage &image) { setImage(inactive_, image); }
  void setPressedImage(const CXImage &image) { setImage(pressed_, image); }
  void setRolloverImage(const CXImage &image) { setImage(rollover_, image); }
  CXImage activeImage() const { return active_; }
  CXImage activeNotKeyWindowImage() const { return activeNotKey_; }
  CXImage inactiveImage() const { return inactive_; }
  CXImage pressedImage() const { return pressed_; }
  CXImage rolloverImage() const { return rollover_; }

  // The image for the button's state right now (see the precedence above).
  CXImage currentImage() const;

  // Shows the current images at once. Counted, and announced by imagesReloaded().
  void reloadImages();
  int reloadCount() const { return reloadCount_; }

  // Frame in the parent's bottom-left-origin coordinates.
  void setFrame(const QRectF &frame);
  QRectF frame() const { return frame_; }

  // The window acted on when clicked, and how.
  void setTarget(QWidget *window) { target_ = window; }
  QWidget *target() const { return target_; }
  void setAction(Action action) { action_ = action; }
  Action action() const { return action_; }

  // Whether the pointer is over this button's group right now.
  bool isRolloverShown() const { return groupHover_; }

  QSize sizeHint() const override { return creationSize_; }

 signals:
  void imagesReloaded();

 protected:
  void paintEvent(QPaintEvent *event) override;
  void enterEvent(QEnterEvent *event) override;
  void leaveEvent(QEvent *event) override;
  void changeEvent(QEvent *event) override;
  bool event(QEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  // Shows the new image of one state.
  void setImage(CXImage &slot, const CXImage &image);
  void applyFrame();
  void watchParent();
  void performAction();
  // Sets the hover state of every button of this group in this window.
  void setGroupHover(bool hover);
  // Whether globalPos lies inside the smallest rectangle around this group.
  bool groupContains(const QPoint &globalPos) const;
  QList<CXWindowButton *> groupMembers() const;

  QSize creationSize_;
  QString group_;
  CXImage active_, activeNotKey_, inactive_, pressed_, rollover_;
  QRectF frame_;
  bool hasFrame_ = false;
  QPointer<QWidget> target_;
  QPointer<QWidget> watchedParent_;
  Action action_ = NoAction;
  bool groupHover_ = false;
  int reloadCount_ = 0;
};
