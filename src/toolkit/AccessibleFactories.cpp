#include "toolkit/AccessibleFactories.h"

#include <QAccessibleWidget>

#include "toolkit/Announcement.h"
#include "toolkit/CXTableAccessible.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/CXTopLevelWindow.h"
#include "toolkit/CXWindowAccessible.h"

namespace AccessibleFactories {

namespace {

QAccessibleInterface *toolkitFactory(const QString &className, QObject *object) {
  if (className == QLatin1String("CXTableViewWithEmptyHolder"))
    if (auto *view = qobject_cast<CXTableViewWithEmptyHolder *>(object))
      return new CXTableAccessible(view);
  if (className == QLatin1String("CXTopLevelWindow"))
    if (auto *window = qobject_cast<CXTopLevelWindow *>(object))
      return new CXWindowAccessible(window);
  if (className == QLatin1String("Announcement"))
    if (auto *announcement = qobject_cast<Announcement *>(object))
      return new QAccessibleWidget(announcement, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void install() { QAccessible::installFactory(toolkitFactory); }

}  // namespace AccessibleFactories
