#include "window/SavePanel.h"

QString SavePanel::pathWithAllowedExtension(const QString &path, const QStringList &extensions) {
  if (path.isEmpty() || extensions.isEmpty()) return path;
  for (const QString &extension : extensions) {
    if (extension.isEmpty()) continue;
    const QString suffix = QLatin1Char('.') + extension;
    // "x/.opml" is a hidden file without a name; it still gets one.
    if (path.endsWith(suffix, Qt::CaseInsensitive) && path.size() > suffix.size() &&
        path.at(path.size() - suffix.size() - 1) != QLatin1Char('/'))
      return path;
  }
  return path + QLatin1Char('.') + extensions.first();
}
