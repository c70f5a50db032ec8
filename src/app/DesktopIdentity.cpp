#include "app/DesktopIdentity.h"

#include <QGuiApplication>

#include "platform/Localized.h"

namespace DesktopIdentity {

QString displayName() { return localized("InfoPlist", "App Name"); }

QIcon applicationIcon() {
  const QString name = QLatin1String(kDesktopFileName);
  return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg")));
}

void apply() {
  QGuiApplication::setDesktopFileName(QLatin1String(kDesktopFileName));
  QGuiApplication::setApplicationDisplayName(displayName());
  QGuiApplication::setWindowIcon(applicationIcon());
}

}  // namespace DesktopIdentity
