#include "ProcessHelpers.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcessEnvironment>
#include <cstdlib>

namespace testprocess {

StandIn::~StandIn() {
  if (helper > 0) {
    ::kill(helper, SIGKILL);
  }
  if (process) {
    process->kill();
    process->waitForFinished(5000);
  }
}

std::unique_ptr<StandIn> startStandIn(const QMap<QString, QString> &env, const QStringList &args,
                                      const QString &program) {
  auto standIn = std::make_unique<StandIn>();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"FLATPAK_ID", "GIO_LAUNCHED_DESKTOP_FILE",
                           "GIO_LAUNCHED_DESKTOP_FILE_PID", "BAMF_DESKTOP_FILE_HINT"}) {
    environment.remove(QString::fromLatin1(name));
  }
  for (auto it = env.begin(); it != env.end(); ++it) {
    environment.insert(it.key(), it.value());
  }
  standIn->process = std::make_unique<QProcess>();
  standIn->process->setProcessEnvironment(environment);
  standIn->process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  standIn->process->start(program, args);
  if (!standIn->process->waitForStarted(10000)) {
    ADD_FAILURE() << "stand-in reader did not start: "
                  << standIn->process->errorString().toStdString();
    return standIn;
  }
  // With a helper, its own "ready" line (it shares our pipe, in any order with
  // ours) says that it has finished starting, too.
  const bool expectHelper = args.contains(QStringLiteral("--helper"));
  std::vector<pid_t> ready;
  while (ready.size() < (expectHelper ? 2u : 1u) || (expectHelper && standIn->helper == 0)) {
    if (!standIn->process->canReadLine() && !standIn->process->waitForReadyRead(10000)) {
      ADD_FAILURE() << "stand-in reader never said it was ready";
      return standIn;
    }
    while (standIn->process->canReadLine()) {
      QByteArray line = standIn->process->readLine().trimmed();
      if (line.startsWith("helper ")) {
        standIn->helper = line.mid(7).toInt();
      } else if (line.startsWith("ready ")) {
        ready.push_back(line.mid(6).toInt());
      }
    }
  }
  for (pid_t pid : ready) {
    if (pid != standIn->helper) standIn->pid = pid;
  }
  EXPECT_EQ(standIn->pid, static_cast<pid_t>(standIn->process->processId()));
  return standIn;
}

std::optional<procfiles::Stat> statOf(pid_t pid) {
  procfiles::Fd dir(
      ::open(("/proc/" + std::to_string(pid)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.valid() ? procfiles::readStat(dir.get()) : std::nullopt;
}

const RunningApplication *findPid(const std::vector<RunningApplication> &apps, pid_t pid) {
  for (const auto &app : apps) {
    if (app.processIdentifier() == pid) return &app;
  }
  return nullptr;
}

}  // namespace testprocess
