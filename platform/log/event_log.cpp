#include "platform/log/event_log.h"

#include <QDateTime>
#include <QDir>
#include <QLoggingCategory>

#include "operations/event_line.h"

Q_LOGGING_CATEGORY(lcStart, "tamberlyx.start", QtWarningMsg)
Q_LOGGING_CATEGORY(lcNet, "tamberlyx.net", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDrive, "tamberlyx.drive", QtWarningMsg)

namespace tamberlyx {
namespace {

QString RunFile(const QDir& folder, int run) {
  return folder.filePath(QStringLiteral("wizard-%1.log").arg(run));
}

// wizard-1.log is this run's; the two before it move one place on, the oldest goes.
void MakeRoom(const QDir& folder) {
  QFile::remove(RunFile(folder, EventLog::kRunsKept));
  for (int run = EventLog::kRunsKept - 1; run >= 1; --run) {
    QFile::rename(RunFile(folder, run), RunFile(folder, run + 1));
  }
}

constexpr char kFullNote[] = "(this run's log is full; later events are not kept)\n";

bool IsDriveEvent(EventKind kind) {
  return kind == EventKind::kShareMounted || kind == EventKind::kShareFailed;
}

}  // namespace

QString EventLog::DefaultFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/tamberlyx");
}

EventLog::EventLog(const QString& folder) {
  const QDir dir(folder.isEmpty() ? DefaultFolder() : folder);
  // A log that cannot be kept costs the user nothing else.
  if (!dir.mkpath(QStringLiteral("."))) return;
  MakeRoom(dir);
  m_file.setFileName(RunFile(dir, 1));
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
  m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

EventLog::~EventLog() = default;

void EventLog::Report(const Event& event) {
  const QString line = QString::fromStdString(EventLine(event));
  if (IsDriveEvent(event.kind)) {
    qCInfo(lcDrive).noquote() << line;
  } else if (event.kind == EventKind::kProgram || event.kind == EventKind::kInterface) {
    qCInfo(lcStart).noquote() << line;
  } else {
    qCInfo(lcNet).noquote() << line;
  }
  Write(line);
}

void EventLog::Write(const QString& line) {
  if (!m_file.isOpen() || m_full) return;
  QByteArray bytes = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + ' ' +
                     line.toUtf8() + '\n';
  // Room is kept for the note that says the log is full.
  if (m_written + bytes.size() + qsizetype(sizeof kFullNote) > kBytesPerRun) {
    bytes = kFullNote;
    m_full = true;
  }
  m_written += m_file.write(bytes);
  m_file.flush();
}

}  // namespace tamberlyx
