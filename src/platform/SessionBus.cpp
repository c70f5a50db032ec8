#include "SessionBus.h"

#include <QFile>
#include <QFileInfo>

namespace SessionBus {

bool mayBeReachable() {
  const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  if (address.isEmpty()) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QFile::decodeName(runtime + "/bus"));
  }
  // Several addresses may be listed, separated by ';'; any usable one will do.
  for (const QByteArray &entry : address.split(';')) {
    if (entry.startsWith(kDisabledAddress)) continue;
    if (!entry.startsWith("unix:path=")) {
      if (!entry.trimmed().isEmpty()) {
        return true;  // abstract sockets, tcp, ...: only a connection attempt can tell
      }
      continue;
    }
    const QByteArray path = entry.mid(int(qstrlen("unix:path="))).split(',').constFirst();
    if (QFileInfo::exists(QFile::decodeName(path))) {
      return true;
    }
  }
  return false;
}

namespace {
bool prevented = false;
}

void preventAutolaunch() {
  if (!qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty() || mayBeReachable()) return;
  prevented = qputenv("DBUS_SESSION_BUS_ADDRESS", kDisabledAddress);
}

bool autolaunchPrevented() { return prevented; }

}  // namespace SessionBus
