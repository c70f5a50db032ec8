#include "Log.h"

#include <syslog.h>

Q_LOGGING_CATEGORY(orvellaLog, "orvella")

namespace Log {

void line(const QString &text) {
  qCWarning(orvellaLog).noquote() << text;
  const QByteArray utf8 = text.toUtf8();
  syslog(LOG_USER | LOG_WARNING, "%s", utf8.constData());
}

}  // namespace Log
