#pragma once

#include <functional>
#include <string>

#include "cli/exchange_step.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx::cli {

struct SaveOutcome {
  bool done = false;      // the password was accepted and, when asked for, SETOK came
  std::string error;      // why not, as the wizard words it
  std::string savedFrom;  // the address SETOK came from
};

// The password check and the settings write for the device selected into `buffers`: VERIFY,
// then SET with `newSettings`, each answered only by the device (the answer-source rules).
class DeviceSave {
 public:
  using Done = std::function<void(const SaveOutcome&)>;
  explicit DeviceSave(CliContext& context);

  void Verify(SharedBuffers& buffers, const std::string& password, Done done);
  void VerifyAndSet(SharedBuffers& buffers, const std::string& password, bool korean, Done done);

 private:
  void Start(SharedBuffers& buffers, const std::string& password, Done done);
  void OnVerifyReply(const Reply& reply);
  void StartSet();
  void Finish(SaveOutcome outcome);

  ExchangeStep m_verify;
  ExchangeStep m_set;
  SharedBuffers* m_buffers = nullptr;
  bool m_withSet = false;
  bool m_korean = false;
  Done m_done;
};

}  // namespace tamberlyx::cli
