#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScopedEnv.h"
#include "platform/ProcFiles.h"
#include "platform/RunningApplication.h"

namespace testprocess {

// A running stand-in reader; killed (with its helper) when the object goes.
struct StandIn {
  std::unique_ptr<QProcess> process;
  pid_t pid = 0;
  pid_t helper = 0;
  ~StandIn();
};

// Starts the stand-in reader (or program) with a clean launch environment plus
// env, and waits until it is set up. Fails the calling test when it does not
// start.
std::unique_ptr<StandIn> startStandIn(
    const QMap<QString, QString> &env, const QStringList &args = {},
    const QString &program = QStringLiteral(ORVELLA_STAND_IN_READER));

// The stat line of a process; absent once it has been reaped.
std::optional<procfiles::Stat> statOf(pid_t pid);

const RunningApplication *findPid(const std::vector<RunningApplication> &apps, pid_t pid);

using testsupport::ScopedEnv;

}  // namespace testprocess
