#include "app/TerminationSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

#include "platform/Log.h"

namespace {

// The pipe's write end, for the handler; -1 when no object is installed.
volatile sig_atomic_t writeEnd = -1;

// Only async-signal-safe work here: one write, errno kept for the code the
// signal interrupted. A full pipe means a quit is already on its way.
void handle(int signal) {
  const int saved = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  if (writeEnd >= 0) {
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &number, 1);
  }
  errno = saved;
}

}  // namespace

struct TerminationSignals::Previous {
  int signal;
  struct sigaction action;
};

TerminationSignals::TerminationSignals(std::initializer_list<int> numbers, QObject *parent)
    : QObject(parent) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    Log::line(QStringLiteral("Signals to end the program cannot be handled (no pipe: %1); they "
                             "end it at once.")
                  .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return;
  }
  writeEnd = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

  struct sigaction action {};
  action.sa_handler = handle;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : numbers) {
    Previous previous{signal, {}};
    if (::sigaction(signal, &action, &previous.action) == 0) previous_.push_back(previous);
  }
}

TerminationSignals::~TerminationSignals() {
  for (const Previous &previous : previous_)
    ::sigaction(previous.signal, &previous.action, nullptr);
  writeEnd = -1;
  for (int fd : pipe_) {
    if (fd >= 0) ::close(fd);
  }
}

void TerminationSignals::readPipe() {
  unsigned char number = 0;
  while (::read(pipe_[0], &number, 1) == 1) {
    emit received(number);
    QCoreApplication::quit();
  }
}
