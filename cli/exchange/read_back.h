#pragma once

#include <chrono>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "cli/exchange/discovery.h"
#include "cli/exchange/setting_assignment.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx::cli {

// A device just saved, to be found again with what was written.
struct ReadBackTarget {
  std::string mac;                     // nwk.mac before the save, any case; empty: by address
  std::vector<std::string> addresses;  // where it may answer when it reports no MAC
  std::vector<SettingAssignment> entries;
  std::string movedTo;  // a new fixed address: it must answer from there
};

// The device selected into `buffers`, after its save of `newSettings`: by the MAC it reported,
// else at its old address or the fixed one it was given, where it must then answer. No entries
// yet.
ReadBackTarget TargetAfterSave(const SharedBuffers& buffers);

struct ReadBackOutcome {
  bool confirmed = false;
  std::string nowAt;  // where it answered with every entry
  std::string error;
};

// Searches again and again, one window at a time, shared by every device awaited, until each
// answers with every entry as written or its time is up.
class ReadBack {
 public:
  using Done = std::function<void(const ReadBackOutcome&)>;
  // `context` searches as the first search did.
  ReadBack(CliContext& context, std::chrono::seconds wait);

  void Await(ReadBackTarget target, Done done);

 private:
  struct Pending {
    ReadBackTarget target;
    ExchangeTimer::Clock::time_point deadline;
    Done done;
  };
  void Search();
  void OnSearched(bool listened);
  // The outcome, once this search decides it.
  std::optional<ReadBackOutcome> Decide(const Pending& pending,
                                        ExchangeTimer::Clock::time_point now);
  void Index(bool listened);
  const DeviceRecord* Find(const ReadBackTarget& target) const;
  std::string Difference(const ReadBackTarget& target, const DeviceRecord* record);

  CliContext& m_context;
  std::chrono::seconds m_wait;
  Discovery m_discovery;
  std::list<Pending> m_pending;
  std::unordered_map<std::string, const DeviceRecord*> m_byMac;  // lower case, of the last window
  std::unordered_map<std::string, const DeviceRecord*> m_byAddress;
  bool m_searching = false;
};

}  // namespace tamberlyx::cli
