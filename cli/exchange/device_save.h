#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/exchange/exchange_step.h"
#include "cli/exchange/read_back.h"
#include "cli/exchange/setting_assignment.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx::cli {

struct SaveOutcome {
  bool done = false;      // the password was accepted and, when asked for, SETOK came
  std::string error;      // why not, as the wizard words it
  std::string savedFrom;  // the address SETOK came from
};

// The password check and the settings write for the device selected into `buffers`: VERIFY,
// then SET with `newSettings` as the save's edits left it, each answered only by the device
// (the answer-source rules); then, when a read-back is given, the one search for it again.
class DeviceSave {
 public:
  using Done = std::function<void(const SaveOutcome&)>;
  // `readBack` null: nothing is read back.
  explicit DeviceSave(CliContext& context, ReadBack* readBack = nullptr);

  void Verify(SharedBuffers& buffers, const std::string& password, Done done);
  // `saved` once SET is over; after a save, `readBack` with whether `entries` were found as
  // written (only when a read-back was given).
  void VerifyAndSet(SharedBuffers& buffers, const std::string& password,
                    std::vector<SettingAssignment> entries, Done saved,
                    ReadBack::Done readBack = {});

 private:
  void Start(SharedBuffers& buffers, const std::string& password, Done done);
  void OnVerifyReply(const Reply& reply);
  void StartSet();
  void Finish(SaveOutcome outcome);

  ExchangeStep m_verify;
  ExchangeStep m_set;
  ReadBack* m_readBack;
  SharedBuffers* m_buffers = nullptr;
  bool m_withSet = false;
  std::vector<SettingAssignment> m_entries;
  Done m_done;
  ReadBack::Done m_readBackDone;
};

}  // namespace tamberlyx::cli
