#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "toolkit/AlertSettings.h"
#include "toolkit/CXTopLevelWindow.h"

class QAbstractButton;

// The alert's window: title, message and a row (or, from three buttons on or
// where their titles do not fit in a row, a column) of buttons, on a panel in
// the alert's scheme. To assistive technology it is an alert named by its
// title, with no description: the message is heard from its label inside,
// once, as in a stock message box.
//
// Return presses the focused button, else the first; Escape presses the last,
// and so does closing the window any other way. `answered` hears the 1-based
// number of the first button pressed, once.
class CXAlertPanel : public CXTopLevelWindow {
 public:
  static constexpr int kWidth = 300;

  CXAlertPanel(const AlertSettings &settings, const QString &title, const QString &inform,
               const QStringList &buttons, std::function<void(int)> answered);

  // Button `number` (1-based, in title order), or null.
  QAbstractButton *button(int number) const {
    return number >= 1 && number <= buttons_.size() ? buttons_.at(number - 1) : nullptr;
  }
  // The keyboard starts on the first button, the one Return presses.
  void focusFirstButton();
  // Over the active window, else on the primary screen: centred across, a
  // third of the way down.
  void placeOnScreen();

 protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

 private:
  void answer(int number);
  // Side by side the buttons run right to left in title order (mirrored in a
  // right-to-left layout); stacked they run top to bottom. The arrows follow
  // what the eye sees, and stop at the ends.
  void moveFocus(int key);
  QAbstractButton *focusedButton() const;

  std::function<void(int)> answered_;
  QList<QAbstractButton *> buttons_;
  bool hasAnswered_ = false;
};
