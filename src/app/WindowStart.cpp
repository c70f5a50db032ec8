#include "WindowStart.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QRegularExpression>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <cstring>

#include "app/ExitStatus.h"

namespace WindowStart {

namespace {

std::atomic<bool> starting{false};
QtMessageHandler previousHandler = nullptr;
QString askedPlatform;

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  if (type == QtFatalMsg && starting.load()) {
    const QByteArray sentence = noDisplaySentence(message, askedPlatform).toLocal8Bit();
    std::fprintf(stderr, "%s\n", sentence.constData());
    std::fflush(stderr);
    ::_exit(ExitStatus::kNoDisplay);
  }
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

std::optional<QString> styleSheetRefusal(const std::optional<QByteArray> &sheet) {
  if (!sheet || sheet->isEmpty()) return std::nullopt;
  struct stat info {};
  // A name that does not exist is Qt's to report; it reads nothing then.
  if (::stat(sheet->constData(), &info) != 0) return std::nullopt;
  if (S_ISREG(info.st_mode) && info.st_size > kLargestStyleSheet) {
    // Qt reads a sheet whole before the window can answer a signal to end.
    return QStringLiteral(
               "The style sheet \"%1\" is %2 MB, larger than any style sheet (at most %3 MB). "
               "Name a .qss file after -stylesheet, or leave the option out.")
        .arg(QString::fromLocal8Bit(*sheet))
        .arg(info.st_size / (1024 * 1024))
        .arg(kLargestStyleSheet / (1024 * 1024));
  }
  if (S_ISREG(info.st_mode)) return std::nullopt;
  return QStringLiteral(
             "The style sheet \"%1\" is not a file that can be read as a style sheet. Name a "
             ".qss file after -stylesheet, or leave the option out.")
      .arg(QString::fromLocal8Bit(*sheet));
}

void reportFatalStartFailures(const std::optional<QByteArray> &platform) {
  askedPlatform = QString::fromLocal8Bit(platform.value_or(qgetenv("QT_QPA_PLATFORM")));
  starting.store(true);
  previousHandler = qInstallMessageHandler(onMessage);
}

void started() { starting.store(false); }

QString noDisplaySentence(const QString &qtMessage, const QString &platform) {
  // Qt's fatal message lists the plugins it has; a platform asked for that is
  // not among them is not installed, else it found no display to use.
  static const QRegularExpression available(
      QStringLiteral("Available platform plugins are: ([^\n]*)\\."));
  const QString known = available.match(qtMessage).captured(1).trimmed();
  const QString name = platform.section(QLatin1Char(':'), 0, 0);
  const QStringList names = known.split(QStringLiteral(", "), Qt::SkipEmptyParts);
  if (!name.isEmpty() && !known.isEmpty() && !names.contains(name)) {
    return QStringLiteral(
               "The export window cannot open: Qt has no display platform \"%1\" installed. Leave "
               "out -platform and QT_QPA_PLATFORM, or name one of these: %2.")
        .arg(name, known);
  }
  return QStringLiteral(
      "The export window cannot open: no display was found. Start it in a desktop session "
      "(where DISPLAY or WAYLAND_DISPLAY is set); --export and --list work without a display.");
}

}  // namespace WindowStart
