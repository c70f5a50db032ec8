#pragma once

#include <QString>
#include <QVariant>
#include <memory>

// The application's own preferences (what macOS calls the standard user
// defaults), kept by QSettings in its native file: on Linux
// $XDG_CONFIG_HOME/Corvanex/OrvellaExporter.conf.
//
// An absent key reads as 0 or false. Reads notice changes that another
// process has written to the file: each read asks the kernel whether anything
// in the file's folder changed, and only then compares the file's identity,
// size and modification time with what was last loaded and reloads when they
// differ, so a read every few milliseconds stays cheap. Every write is
// flushed to the file at once. All members are thread-safe.
class Defaults {
 public:
  // The process-wide instance. It is never destroyed, so background threads
  // may read it while the process exits.
  static Defaults &standard();

  qint64 integerForKey(const QString &key);
  bool boolForKey(const QString &key);
  void setBool(const QString &key, bool value);
  void setInteger(const QString &key, qint64 value);
  void remove(const QString &key);
  // A text value; an absent key reads as an empty string.
  QString stringForKey(const QString &key);
  void setString(const QString &key, const QString &value);

  // Where the preferences live.
  QString fileName() const;

  Defaults(const Defaults &) = delete;
  Defaults &operator=(const Defaults &) = delete;

 private:
  Defaults();
  ~Defaults();
  // Sets key to value, or removes it for no value, and writes the file out.
  void store(const QString &key, const QVariant &value);

  struct State;
  std::unique_ptr<State> state_;
};
