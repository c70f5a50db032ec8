#include "ScreenReaderLog.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace testsupport {

namespace {

ScreenReaderLog *current = nullptr;

QPlatformAccessibility *bridge() {
  QPlatformIntegration *integration = QGuiApplicationPrivate::platformIntegration();
  return integration ? integration->accessibility() : nullptr;
}

}  // namespace

ScreenReaderLog::ScreenReaderLog() {
  current = this;
  QAccessible::installUpdateHandler(&ScreenReaderLog::record);
  if (QPlatformAccessibility *b = bridge()) b->setActive(true);
}

ScreenReaderLog::~ScreenReaderLog() {
  if (QPlatformAccessibility *b = bridge()) b->setActive(false);
  QAccessible::installUpdateHandler(nullptr);
  current = nullptr;
}

QList<ScreenReaderLog::Event> ScreenReaderLog::of(QAccessible::Event type) const {
  QList<Event> found;
  for (const Event &e : events_)
    if (e.type == type) found.append(e);
  return found;
}

void ScreenReaderLog::record(QAccessibleEvent *event) {
  if (!current) return;
  Event e;
  e.type = event->type();
  e.object = event->object();
  e.child = event->child();
  if (e.type == QAccessible::StateChanged)
    e.changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
  if (QAccessibleInterface *iface = event->accessibleInterface()) {
    e.role = iface->role();
    e.name = iface->text(QAccessible::Name);
    e.description = iface->text(QAccessible::Description);
    e.state = iface->state();
  }
  current->events_.append(e);
}

}  // namespace testsupport
