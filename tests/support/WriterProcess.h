#pragma once

#include <FeedsSchema.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>

// Runs store_sqlite_writer (see SqliteWriter.cpp) against a database and
// waits until the state it was asked for is in place.
inline std::unique_ptr<QProcess> startWriter(const std::filesystem::path &database,
                                             const QStringList &modeAndArgs) {
  auto process = std::make_unique<QProcess>();
  QStringList args{QString::fromStdString(database.string())};
  args += modeAndArgs;
  process->start(QStringLiteral(ORVELLA_SQLITE_WRITER), args);
  EXPECT_TRUE(process->waitForStarted()) << process->errorString().toStdString();
  while (!process->canReadLine() && process->state() == QProcess::Running) {
    process->waitForReadyRead(1000);
  }
  EXPECT_EQ(process->readLine().trimmed(), "ready") << process->readAllStandardError().data();
  return process;
}

// Kills the writer the way a crash would: no chance to close the database.
inline void killWriter(QProcess &process) {
  process.kill();
  process.waitForFinished();
}

// 3,000 feeds on 4 KiB pages: enough pages that damaging one in the middle
// leaves rows before and after it.
inline constexpr char kThreeThousandFeeds[] =
    "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < 3000)"
    " INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK)"
    " SELECT 'https://s/' || v, hex(zeroblob(100)), 1, 'https://s/f' || v FROM n;";
