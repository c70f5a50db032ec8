#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the application the orderly way when it is asked to from outside:
// SIGTERM (a desktop's or the system's request to end), SIGINT (Ctrl+C in a
// terminal) and SIGHUP (the terminal closed). The quit then runs through the
// event loop exactly as Quit does, so everything that follows the
// application's aboutToQuit (the reader's relaunch, the watcher's stop) runs.
//
// The handler is EndingSignals'; it writes the signal's number into this
// object's pipe, and a socket notifier reads it on the main thread. One object
// per process; once it goes, the signals end the process at once again.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject *parent = nullptr);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals &) = delete;
  TerminationSignals &operator=(const TerminationSignals &) = delete;

 private:
  void readPipe();

  int pipe_[2] = {-1, -1};
};
