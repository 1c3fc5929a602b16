#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "operations/device_search.h"
#include "operations/follow_target.h"
#include "operations/record_index.h"
#include "protocol/device_list.h"
#include "protocol/exchange.h"

namespace tamberlyx {

class PageExchange;
class ProgressDialog;
struct Services;

// Finds a device again after a save moved it: one search every few seconds, each ending as soon
// as the device has answered, until it answers or the time is up. One per run, so that no other
// search of the run takes the client port while it goes on.
class DeviceFollow : private ExchangeOwner {
 public:
  // Where the device answers now; empty when it has not answered in time.
  using Done = std::function<void(const std::string& nowAt)>;

  DeviceFollow(const Services& services, ProgressDialog& progress);
  ~DeviceFollow() override;

  void Start(FollowTarget target, Done done);
  // Stops at once; `done` is not called. The device keeps what it was sent.
  void Cancel();
  bool Running() const { return m_running; }
  // Runs `then` once the follow has ended, at once when none is running.
  void AfterEnd(std::function<void()> then);

 private:
  void Search();
  void OnListening() override;
  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  bool HeardEnough() const override;
  void OnEndOfTime(bool socketWasOpen) override;
  void ShowMessage(const Message& message) override;
  void Finish(std::string nowAt);
  void Stop();

  const Services& m_services;
  ProgressDialog& m_progress;
  DeviceList m_devices;
  DeviceSearch m_search{m_devices};
  std::unique_ptr<PageExchange> m_exchange;
  RecordIndex m_index;
  QTimer m_next;
  FollowTarget m_target;
  Done m_done;
  std::vector<std::function<void()>> m_afterEnd;
  qint64 m_deadline = 0;
  bool m_running = false;
};

}  // namespace tamberlyx
