#include "platform/log/event_log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tamberlyx {
namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(EventLogTest, KeepsTheLastThreeRunsInUnderAMegabyte) {
  QTemporaryDir folder;
  const Event answer{.kind = EventKind::kAnswerAccepted,
                     .address = "10.66.0.11",
                     .word = "GETOK",
                     .length = 400,
                     .detail = "sys.hostname,nwk.ip"};
  for (int run = 1; run <= 5; ++run) {
    EventLog log(folder.path());
    log.Report({.kind = EventKind::kProgram, .detail = "run " + std::to_string(run)});
    for (int i = 0; i < 20000; ++i) log.Report(answer);  // far more than a run may keep
  }
  const QStringList kept = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(kept, (QStringList{"wizard-1.log", "wizard-2.log", "wizard-3.log"}));
  qint64 total = 0;
  for (int run = 1; run <= 3; ++run) {
    const QByteArray text = Read(folder.filePath(QStringLiteral("wizard-%1.log").arg(run)));
    total += text.size();
    EXPECT_TRUE(text.contains(QStringLiteral("run %1\n").arg(6 - run).toUtf8())) << run;
    EXPECT_TRUE(text.contains("answer GETOK (400 bytes) from 10.66.0.11 accepted"));
    EXPECT_TRUE(text.endsWith("later events are not kept)\n"));
  }
  EXPECT_LE(total, 1000 * 1000);
}

}  // namespace
}  // namespace tamberlyx
