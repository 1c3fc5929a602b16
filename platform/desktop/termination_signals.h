#pragma once

#include <QObject>

class QSocketNotifier;

namespace tamberlyx {

// SIGTERM, SIGINT and SIGHUP (logout, a service manager, Ctrl+C in a terminal) delivered as a
// Qt signal on the GUI thread, so the program can end through its own event loops. One
// instance at a time; the default handlers come back when it goes.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 Q_SIGNALS:
  void received(int signalNumber);

 private:
  void OnReadable();

  QSocketNotifier* m_notifier = nullptr;
};

}  // namespace tamberlyx
