#pragma once

#include <functional>
#include <memory>

#include "cli/apply/answer_channel.h"
#include "cli/apply/apply_plan.h"
#include "cli/exchange/device_save.h"
#include "cli/exchange/read_back.h"
#include "protocol/search_transport.h"

namespace tamberlyx::cli {

// One device of a parallel run: VERIFY and SET on a channel and a timer of its own, then the
// shared read-back. Leaves its outcome in the planned device.
class ApplyJob {
 public:
  // `readBack` null: no read-back.
  ApplyJob(PlannedDevice& device, std::unique_ptr<AnswerChannel> channel,
           std::unique_ptr<ExchangeTimer> timer, const CliContext& context,
           const SearchOptions& search, ReadBack* readBack);

  // `saveEnded` once VERIFY and SET are over, `finished` once the outcome is known.
  void Start(std::function<void()> saveEnded, std::function<void()> finished);
  // Whether its SET believes an answer from any address (a switch to DHCP).
  bool HearsAnyAddress() const;

 private:
  void OnSaved(const SaveOutcome& outcome);
  void OnReadBack(const ReadBackOutcome& outcome);
  void Fail(std::string error);

  PlannedDevice& m_device;
  std::unique_ptr<AnswerChannel> m_channel;
  std::unique_ptr<ExchangeTimer> m_timer;
  SearchTransport m_route;    // VERIFY and SET leave through the interface the device answered on
  ProgressIndicator m_quiet;  // many at once would only scramble one line
  CliContext m_context;
  bool m_reading;  // a read-back follows a save
  DeviceSave m_save;
  std::function<void()> m_saveEnded;
  std::function<void()> m_finished;
};

}  // namespace tamberlyx::cli
