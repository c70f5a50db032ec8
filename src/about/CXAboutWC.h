#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "toolkit/CXWindowButton.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace Ui {
class About;
}

// The About window: the program's name, version and build and the credit
// lines, in the program's colour scheme, with one custom close button in the
// title strip.
//
// The window is made when it is first needed (the first showWindow(), or the
// first call of window()), and the set-up runs then, once. From that moment the
// controller follows "CXSystemAppearanceDidChangeNotification" until it is
// destroyed. One controller serves the whole run: showing it again reuses the
// same window and the same close button.
//
// Main thread only.
class CXAboutWC : public QObject {
  Q_OBJECT

 public:
  // The platform's three title-bar controls, which this window hides.
  enum class StandardButton { Close = 0, Minimize = 1, Zoom = 2 };

  CXAboutWC();
  ~CXAboutWC() override;
  CXAboutWC(const CXAboutWC &) = delete;
  CXAboutWC &operator=(const CXAboutWC &) = delete;

  // The window, made and set up on the first call.
  QWidget *window();
  bool isWindowLoaded() const { return window_ != nullptr; }

  // Brings the window on screen, in front, and makes it the active window.
  // sender is the menu item or object that asked; it is not read. With a
  // parent window the About window belongs to it: the desktop keeps it above
  // that window and gives it no taskbar entry of its own, and it opens centred
  // on it.
  void showWindow(QObject *sender = nullptr);
  void setParentWindow(QWidget *parent) { parentWindow_ = parent; }

  // Nothing beyond the window's own loading.
  void windowDidLoad() {}
  // Fills the texts, applies the scheme, sets up the title strip, starts
  // following the system appearance and gives the labels their spacing. Runs
  // once, when the window is made.
  void awakeFromNib();
  // Hides the standard title-bar controls and puts the custom close button in
  // their place. Called once, by awakeFromNib().
  void initializeAboutDesgn();

  // Restyles the window for the scheme in force right now, whether or not it
  // changed.
  void systemAppearanceDidChange();
  // Gives the close button the images of the window's scheme and reloads it.
  void updateWindowControlsButton();

  // Outlets of the window; null until the window is made.
  QWidget *vibrancyView() const;
  QWidget *generalControlsView() const;
  CXWindowButton *closeWindowButton() const { return closeWindowButton_; }
  QLabel *madeItDarkLabel() const;
  QLabel *appNameDarklabel() const;
  QLabel *copyrightLabel() const;
  QLabel *ingeneringDarkLabel() const;
  QLabel *appVersionDarkLabel() const;
  QLabel *reservedDarkLabel() const;
  // The hidden platform control of that kind; null until the window is made.
  QAbstractButton *standardWindowButton(StandardButton kind) const;

  // The letter spacing, in pixels, that every label of the window carries.
  static constexpr double kLabelKerning = 0.25;

  // The program's short version ("1.2") and build number ("345"), compiled in.
  static QString shortVersionString();
  static QString bundleVersion();
  // format with its %1 taken by shortVersion and its %2 by build. A format
  // without place markers (a missing "Version" entry shows its key) is shown
  // as it stands.
  static QString versionLine(const QString &format, const QString &shortVersion,
                             const QString &build);

 private:
  void loadWindow();
  void applyAppearance();

  std::unique_ptr<QWidget> window_;
  std::unique_ptr<Ui::About> ui_;
  QPointer<CXWindowButton> closeWindowButton_;
  QPointer<QWidget> parentWindow_;
  QAbstractButton *standardButtons_[3] = {nullptr, nullptr, nullptr};
};
