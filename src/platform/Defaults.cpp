#include "Defaults.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QVariant>
#include <mutex>

#include "platform/FileStamp.h"
#include "platform/FolderChangeMonitor.h"

struct Defaults::State {
  std::mutex mutex;
  QSettings settings{QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvanex"),
                     QStringLiteral("OrvellaExporter")};
  QByteArray path = QFile::encodeName(settings.fileName());
  FileStamp loaded = FileStamp::of(path.constData());
  // Values read since the file was last loaded or written. The watcher asks
  // for the same key a hundred times a second; this spares QSettings the work.
  QHash<QString, QVariant> cache;
  // While the file's folder is watched, a read that finds nothing changed in
  // it skips even the file's status.
  FolderChangeMonitor folder;
  FileStamp watchTriedAt;  // the file as it was when a watch last failed

  // Reloads the file when it changed since it was last loaded. Caller holds mutex.
  void refresh() {
    if (folder.isActive() && !folder.changed()) {
      return;
    }
    FileStamp now = FileStamp::of(path.constData());
    if (!folder.isActive() && now.exists && !(now == watchTriedAt)) {
      // Watched from now on; the file is looked at again after the watch
      // began, so that no change falls between the two.
      if (folder.watch(QFile::encodeName(QFileInfo(settings.fileName()).absolutePath()))) {
        now = FileStamp::of(path.constData());
      } else {
        watchTriedAt = now;
      }
    }
    if (now == loaded) {
      return;
    }
    // QSettings::sync() re-reads a file whose size or time differs from the
    // copy it holds and keeps it otherwise, so it costs a file read only here.
    settings.sync();
    loaded = now;
    cache.clear();
  }

  // The value under key, as of the last load. Caller holds mutex.
  QVariant value(const QString &key) {
    refresh();
    auto cached = cache.constFind(key);
    if (cached == cache.constEnd()) {
      cached = cache.insert(key, settings.value(key));
    }
    return *cached;
  }

  // Writes pending changes out at once, so another process (and a reader of
  // this one after a restart) sees them. Caller holds mutex.
  void flush() {
    settings.sync();
    loaded = FileStamp::of(path.constData());
    cache.clear();
  }
};

Defaults &Defaults::standard() {
  // Deliberately never destroyed: the appearance watcher may still read it
  // while static objects are torn down at exit.
  static Defaults *const instance = new Defaults;
  return *instance;
}

Defaults::Defaults() : state_(std::make_unique<State>()) {}

Defaults::~Defaults() = default;

qint64 Defaults::integerForKey(const QString &key) {
  std::lock_guard lock(state_->mutex);
  const QVariant value = state_->value(key);
  bool ok = false;
  const qint64 number = value.toLongLong(&ok);
  if (ok) {
    return number;
  }
  // Written by hand as "true"/"false"; read the way a boolean would be.
  const QString text = value.toString().trimmed().toLower();
  return text == QLatin1String("true") ? 1 : 0;
}

bool Defaults::boolForKey(const QString &key) {
  std::lock_guard lock(state_->mutex);
  const QVariant value = state_->value(key);
  if (!value.isValid()) {
    return false;
  }
  bool ok = false;
  const qint64 number = value.toLongLong(&ok);
  if (ok) {
    return number != 0;
  }
  const QString text = value.toString().trimmed().toLower();
  return text == QLatin1String("true") || text == QLatin1String("yes");
}

void Defaults::setBool(const QString &key, bool value) { store(key, value); }

void Defaults::setInteger(const QString &key, qint64 value) { store(key, value); }

void Defaults::remove(const QString &key) { store(key, QVariant()); }

QString Defaults::stringForKey(const QString &key) {
  std::lock_guard lock(state_->mutex);
  return state_->value(key).toString();
}

void Defaults::setString(const QString &key, const QString &value) { store(key, value); }

void Defaults::store(const QString &key, const QVariant &value) {
  std::lock_guard lock(state_->mutex);
  state_->refresh();
  if (value.isValid()) {
    state_->settings.setValue(key, value);
  } else {
    state_->settings.remove(key);
  }
  state_->flush();
}

QString Defaults::fileName() const {
  std::lock_guard lock(state_->mutex);
  return state_->settings.fileName();
}
