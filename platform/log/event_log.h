#pragma once

#include <QFile>
#include <QString>
#include <cstdint>

#include "protocol/events.h"

namespace tamberlyx {

// The wizard's log. Every event goes to Qt's logging categories (tamberlyx.start,
// tamberlyx.net, tamberlyx.drive: off unless QT_LOGGING_RULES switches them on) and, always, to a
// file of this run in the user's state folder, which keeps the last three runs in at most 1 MB, for
// a user who started the wizard from the menu and wants to send it to whoever helps them.
class EventLog : public EventSink {
 public:
  // `folder`: where the runs are kept; empty for the user's state folder.
  explicit EventLog(const QString& folder = {});
  ~EventLog() override;
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  void Report(const Event& event) override;

  QString FilePath() const { return m_file.fileName(); }
  static QString DefaultFolder();

  static constexpr int kRunsKept = 3;
  static constexpr std::int64_t kBytesPerRun = 1000 * 1000 / kRunsKept;

 private:
  void Write(const QString& line);

  QFile m_file;
  std::int64_t m_written = 0;
  bool m_full = false;
};

}  // namespace tamberlyx
