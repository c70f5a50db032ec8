#include "toolkit/CXWindowAccessible.h"

#include "toolkit/CXTopLevelWindow.h"

namespace {

QAccessibleInterface *windowFactory(const QString &className, QObject *object) {
  if (className != QLatin1String("CXTopLevelWindow")) return nullptr;
  auto *window = qobject_cast<CXTopLevelWindow *>(object);
  return window ? new CXWindowAccessible(window) : nullptr;
}

}  // namespace

void CXWindowAccessible::install() {
  static const bool installed = [] {
    QAccessible::installFactory(windowFactory);
    return true;
  }();
  (void)installed;
}

CXWindowAccessible::CXWindowAccessible(CXTopLevelWindow *window)
    : QAccessibleWidget(window, window->accessibleRole()) {}

QString CXWindowAccessible::text(QAccessible::Text t) const {
  const QWidget *w = widget();
  if (t == QAccessible::Name && w && w->accessibleName().isEmpty()) return w->windowTitle();
  return QAccessibleWidget::text(t);
}
