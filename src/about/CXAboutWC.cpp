#include "about/CXAboutWC.h"

#include <QAbstractButton>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>
#include <QWidget>
#include <QWindow>

#include "platform/Localized.h"
#include "services/CXServiceFunctions.h"
#include "toolkit/CXTopLevelWindow.h"
#include "toolkit/CXWindowButton.h"
#include "toolkit/ScriptFonts.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"
#include "ui_About.h"

namespace {

constexpr const char *kInfoTable = "InfoPlist";

// Where the close button sits in the title strip, measured from the strip's
// bottom-left corner.
constexpr QPointF kCloseButtonOrigin(8, 12);
const QString kGroup = QStringLiteral("groupAbout");

void addKerning(QLabel *label) {
  // Spaced apart, joined Arabic letters come apart.
  if (!label || !takesLetterSpacing(label->text())) return;
  // Only the spacing changes: family, size, weight and colour stay as the
  // window's design gave them.
  QFont font = label->font();
  font.setLetterSpacing(QFont::AbsoluteSpacing, CXAboutWC::kLabelKerning);
  label->setFont(font);
}

}  // namespace

CXAboutWC::CXAboutWC() = default;

CXAboutWC::~CXAboutWC() = default;

QString CXAboutWC::shortVersionString() { return QStringLiteral(ORVELLA_VERSION); }

QString CXAboutWC::bundleVersion() { return QStringLiteral(ORVELLA_BUILD_NUMBER); }

QString CXAboutWC::versionLine(const QString &format, const QString &shortVersion,
                               const QString &build) {
  if (!format.contains(QLatin1String("%1")) && !format.contains(QLatin1String("%2"))) {
    return format;
  }
  // Both at once, so that a "%2" inside the version itself stays text.
  return format.arg(shortVersion, build);
}

QWidget *CXAboutWC::window() {
  if (!window_) loadWindow();
  return window_.get();
}

void CXAboutWC::loadWindow() {
  // No frame of the window manager's: the title strip with its one button is
  // drawn by the window itself, and the window is dragged by its background.
  // A dialog: it belongs to the window it is shown for and has no taskbar
  // entry of its own.
  window_ = std::make_unique<CXTopLevelWindow>(nullptr, Qt::Dialog | Qt::FramelessWindowHint,
                                               QAccessible::Dialog);
  window_->setObjectName(QStringLiteral("AboutWindow"));
  // Closing the About window hides it; it never ends the program, even when it
  // is the only window left.
  window_->setAttribute(Qt::WA_QuitOnClose, false);
  ui_ = std::make_unique<Ui::About>();
  ui_->setupUi(window_.get());
  auto *closeShortcut = new QShortcut(QKeySequence::Close, window_.get());
  connect(closeShortcut, &QShortcut::activated, window_.get(), &QWidget::close);
  auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
  connect(escape, &QShortcut::activated, window_.get(), &QWidget::close);
  awakeFromNib();
  windowDidLoad();
}

void CXAboutWC::showWindow(QObject *) {
  QWidget *w = window();
  if (parentWindow_ && !w->isVisible()) {
    // Owned by the window handle only, not as a child widget: the controller
    // keeps the About window whatever becomes of its parent.
    w->winId();
    if (QWindow *handle = w->windowHandle()) {
      handle->setTransientParent(parentWindow_->window()->windowHandle());
    }
    QRect frame(QPoint(), w->size());
    frame.moveCenter(parentWindow_->window()->geometry().center());
    w->move(frame.topLeft());
  }
  w->show();
  w->raise();
  w->activateWindow();
}

void CXAboutWC::awakeFromNib() {
  const QString build = bundleVersion();
  const QString shortVersion = shortVersionString();

  madeItDarkLabel()->setText(localized(kInfoTable, "Made in Ukraine"));
  appNameDarklabel()->setText(localized(kInfoTable, "App Name"));
  // The title strip shows no title; a screen reader names the window as the
  // menu item that opens it reads, "About Orvella Exporter", rather than by
  // the program's name alone, which the export window already carries.
  window_->setAccessibleName(localized("About", "About Orvella Exporter"));
  reservedDarkLabel()->setText(localized(kInfoTable, "Reserved"));
  appVersionDarkLabel()->setText(
      versionLine(localized(kInfoTable, "Version"), shortVersion, build));

  // Record the scheme this window is about to show, so that the watcher does
  // not announce it as a change.
  CXServiceFunctions::sharedService().setLastChoosenAppearance(CXServiceFunctions::appAppearance());
  applyAppearance();

  initializeAboutDesgn();

  connect(&CXServiceFunctions::sharedService().changes(),
          &AppearanceChanges::systemAppearanceDidChange, this,
          &CXAboutWC::systemAppearanceDidChange);

  // After the texts above, so that they carry the spacing too.
  for (QLabel *label : {madeItDarkLabel(), appNameDarklabel(), copyrightLabel(),
                        ingeneringDarkLabel(), appVersionDarkLabel(), reservedDarkLabel()}) {
    addKerning(label);
  }
}

void CXAboutWC::initializeAboutDesgn() {
  QWidget *w = window_.get();
  // The content reaches the top edge and no title text shows.
  w->setWindowTitle(QString());

  // The platform's own controls are present for assistive technology but
  // never shown; the custom button below takes their place.
  static const char *const kNames[] = {"standardCloseButton", "standardMinimizeButton",
                                       "standardZoomButton"};
  for (int i = 0; i < 3; ++i) {
    auto *button = new QToolButton(w);
    button->setObjectName(QString::fromLatin1(kNames[i]));
    button->setHidden(true);
    standardButtons_[i] = button;
  }
  QAbstractButton *standardClose = standardButtons_[0];
  standardClose->setAccessibleName(localized("CXInterfaceString", "Close"));
  // What a screen reader announces for a window's close control.
  standardClose->setAccessibleDescription(localized("CXInterfaceString", "close button"));
  standardClose->setProperty("accessibilitySubrole", QStringLiteral("AXCloseButton"));
  connect(standardClose, &QAbstractButton::clicked, w, &QWidget::close);

  closeWindowButton_ = TitleBarButtons::createButton(
      TitleBarButtons::Kind::Close, w, generalControlsView(), kGroup, kCloseButtonOrigin);
  closeWindowButton_->setObjectName(QStringLiteral("closeWindowButton"));
}

void CXAboutWC::applyAppearance() {
  const ColorScheme scheme = CXServiceFunctions::colorScheme();
  WindowAppearance::set(window_.get(), scheme);
  WindowAppearance::set(vibrancyView(), scheme);
  // The one-pixel margin round the background shows the window's own colour:
  // an edge that keeps a light window apart from a light desktop.
  QPalette edge = window_->palette();
  edge.setColor(QPalette::Window, WindowAppearance::windowEdgeColor(scheme));
  window_->setPalette(edge);
  window_->setAutoFillBackground(true);
}

void CXAboutWC::systemAppearanceDidChange() {
  if (!window_) return;
  applyAppearance();
  updateWindowControlsButton();
  window_->update();
  window_->repaint();
}

void CXAboutWC::updateWindowControlsButton() {
  if (!window_) return;
  TitleBarButtons::reimage(closeWindowButton_, TitleBarButtons::Kind::Close,
                           WindowAppearance::scheme(window_.get()));
}

QWidget *CXAboutWC::vibrancyView() const { return ui_ ? ui_->vibrancyView : nullptr; }
QWidget *CXAboutWC::generalControlsView() const { return ui_ ? ui_->generalControlsView : nullptr; }
QLabel *CXAboutWC::madeItDarkLabel() const { return ui_ ? ui_->madeItDarkLabel : nullptr; }
QLabel *CXAboutWC::appNameDarklabel() const { return ui_ ? ui_->appNameDarklabel : nullptr; }
QLabel *CXAboutWC::copyrightLabel() const { return ui_ ? ui_->copyrightLabel : nullptr; }
QLabel *CXAboutWC::ingeneringDarkLabel() const { return ui_ ? ui_->ingeneringDarkLabel : nullptr; }
QLabel *CXAboutWC::appVersionDarkLabel() const { return ui_ ? ui_->appVersionDarkLabel : nullptr; }
QLabel *CXAboutWC::reservedDarkLabel() const { return ui_ ? ui_->reservedDarkLabel : nullptr; }

QAbstractButton *CXAboutWC::standardWindowButton(StandardButton kind) const {
  return standardButtons_[static_cast<int>(kind)];
}
