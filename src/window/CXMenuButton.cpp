#include "window/CXMenuButton.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

#include "toolkit/WindowAppearance.h"

CXMenuButton::CXMenuButton(QWidget *parent) : QToolButton(parent) {
  setPopupMode(QToolButton::InstantPopup);
  setAutoRaise(true);
  setFocusPolicy(Qt::TabFocus);  // a click opens the menu without taking the focus
  setCursor(Qt::ArrowCursor);
  setAttribute(Qt::WA_Hover);
  setFixedSize(sizeHint());
}

void CXMenuButton::installKeyboardShortcuts() {
  for (const QKeySequence &key : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
    auto *shortcut = new QShortcut(key, window());
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
      if (!isEnabled() || !menu() || menu()->isVisible()) return;
      // Opened from the keyboard, the menu starts on its first item, which a
      // screen reader then reads; showMenu() only returns once it closed.
      QPointer<QMenu> opened = menu();
      QTimer::singleShot(0, opened, [opened] {
        if (!opened || !opened->isVisible() || opened->activeAction()) return;
        for (QAction *action : opened->actions()) {
          if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
            opened->setActiveAction(action);
            break;
          }
        }
      });
      showMenu();
    });
  }
}

bool CXMenuButton::isHighlighted() const {
  if (isDown() || (menu() && menu()->isVisible())) return true;
  // The pointer may have left while the menu held it; Qt then still counts it
  // as over the button, so ask where the pointer is.
  return underMouse() && rect().contains(mapFromGlobal(QCursor::pos()));
}

void CXMenuButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
  const bool down = isDown() || (menu() && menu()->isVisible());
  if (isHighlighted()) {
    QColor face = dark ? QColor(255, 255, 255, down ? 46 : 26) : QColor(0, 0, 0, down ? 34 : 18);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  }
  if (hasFocus()) {
    p.setPen(QPen(WindowAppearance::accentColor(WindowAppearance::scheme(this)), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
  }
  QColor dot = WindowAppearance::secondaryTextColor(WindowAppearance::scheme(this));
  if (!isEnabled()) dot.setAlphaF(0.4);
  p.setPen(Qt::NoPen);
  p.setBrush(dot);
  const QPointF centre = QRectF(rect()).center();
  for (int i = -1; i <= 1; ++i) p.drawEllipse(centre + QPointF(i * 5.0, 0.0), 1.4, 1.4);
}
