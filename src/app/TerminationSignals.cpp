#include "app/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

#include "platform/EndingSignals.h"
#include "platform/Log.h"

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    Log::line(QStringLiteral("Signals to end the program cannot be handled (no pipe: %1); they "
                             "end it at once.")
                  .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return;
  }
  auto *notifier = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
  EndingSignals::quitThrough(pipe_[1]);
}

TerminationSignals::~TerminationSignals() {
  EndingSignals::quitThrough(-1);
  for (int fd : pipe_) {
    if (fd >= 0) ::close(fd);
  }
}

void TerminationSignals::readPipe() {
  unsigned char number = 0;
  bool taken = false;
  while (::read(pipe_[0], &number, 1) == 1) taken = true;
  if (taken) QCoreApplication::quit();
}
