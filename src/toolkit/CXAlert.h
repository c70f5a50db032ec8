#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "toolkit/AlertSettings.h"

class QAbstractButton;
class QWidget;
class CXAlertPanel;

// The program's one styled alert.
//
// Settings are held by the shared object and apply to every alert shown after
// they are set:
//   setTitleSettings / setInformSettings: {"fontName", "fontSize", "fontKern"}
//     Font names are PostScript-style ("HelveticaNeue-Medium"); when the family
//     is not installed, a sans family of the same weight stands in.
//   setButtonsSettings: one map per button position: "offColor", "hoverColor",
//     "pressedColor" (QColor; without them the button takes the scheme's plain
//     look), "kern", "fontName", "fontSize".
//   setAlertAppearance: 1 dark, anything else light.
//
// showAlert...() returns at once. The alert is an application-modal window of
// its own, so it works before any other window exists. Exactly one button
// answer reaches the completion, on the main thread, as the 1-based position of
// the pressed title. Return presses the first button and Escape the last;
// closing the alert window any other way also counts as the last button, so
// the completion always runs. Alerts asked for while one is showing wait their
// turn and are shown one after another.
class CXAlert {
 public:
  static CXAlert &sharedAlert();

  void setTitleSettings(const QVariantMap &settings) { settings_.title = settings; }
  void setInformSettings(const QVariantMap &settings) { settings_.inform = settings; }
  void setButtonsSettings(const QVariantList &settings) { settings_.buttons = settings; }
  // 1 dark, anything else light.
  void setAlertAppearance(int appearance) {
    settings_.scheme = appearance == 1 ? ColorScheme::Dark : ColorScheme::Light;
  }

  // An empty list of titles shows a single "OK" button.
  static void showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      const QString &title, const QString &inform, const QStringList &buttonTitles,
      std::function<void(int)> completion);

  // --- for tests ---
  // Whether an alert window is on screen.
  bool isShowing() const;
  // The alert window on screen, or null.
  QWidget *window() const;
  // Button `number` (1-based, in title order) of the alert on screen, or null.
  QAbstractButton *button(int number) const;
  // With a value, alerts are not shown: each completion is queued to the main
  // thread with that button number (clamped to the buttons there are).
  static void setAnswerForTesting(std::optional<int> number);

 private:
  CXAlert() = default;
  struct Request {
    QString title;
    QString inform;
    QStringList buttons;
    std::function<void(int)> completion;
  };
  void enqueue(Request request);
  void showNext();
  void finish(int number);

  AlertSettings settings_;
  std::deque<Request> pending_;
  std::optional<Request> current_;
  CXAlertPanel *panel_ = nullptr;
};
