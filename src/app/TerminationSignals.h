#pragma once

#include <QObject>
#include <initializer_list>
#include <vector>

class QSocketNotifier;

// Ends the application the orderly way when it is asked to from outside:
// SIGTERM (a desktop's or the system's request to end), SIGINT (Ctrl+C in a
// terminal) and SIGHUP (the terminal closed). The quit then runs through the
// event loop exactly as Quit does, so everything that follows the
// application's aboutToQuit (the reader's relaunch, the watcher's stop) runs.
//
// The handler only writes the signal's number into a pipe; a socket notifier
// reads it on the main thread. One object per process; the previous handlers
// come back when it goes.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(std::initializer_list<int> numbers, QObject *parent = nullptr);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals &) = delete;
  TerminationSignals &operator=(const TerminationSignals &) = delete;

 signals:
  // Emitted on the main thread for each signal taken, just before the quit.
  void received(int signal);

 private:
  void readPipe();

  int pipe_[2] = {-1, -1};
  QSocketNotifier *notifier_ = nullptr;
  struct Previous;
  std::vector<Previous> previous_;
};
